#pragma once
// Splitting one line of a delimited text file into fields.
//
// FieldSplitter works like a tokenizer with a remembered position: it is made
// with the line, and each SplitNextField call returns the next field until the
// line is used up.
//
// Rules, for delimiter D, qualifier Q:
//  - D is one character; '\0' means no delimiter (the whole line is one field).
//  - With `consecutive`, delimiters at the start of a field are skipped, so runs
//    of D count as one and leading/trailing runs give no empty field.
//  - A D outside a quoted section ends the field. A line that ends in D gives no
//    empty last field; "a,,b" gives "a", "" and "b".
//  - With `useQualifier`, a Q outside a quoted section opens one and restarts the
//    field (text before it in the field is dropped). Inside, every character is
//    text, D included; a doubled QQ stands for one Q; a single Q closes the
//    section and counts as a blank, which ends the field when D is the blank.
//    An unclosed section takes the rest of the line.
//  - Trailing blanks (the space only) are removed from every field; tabs and
//    leading blanks stay.

// std
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace portkit {

struct SplitOptions {
    char delimiter = '\t'; // '\0': no delimiter
    bool consecutive = false;
    bool useQualifier = false;
    char qualifier = '"';
};

class FieldSplitter {
public:
    // The splitter keeps a view of line: line must outlive it.
    FieldSplitter(std::string_view line, const SplitOptions& options);

    // Stores the next field in field and returns true; false when no field is left.
    bool SplitNextField(std::string& field);

private:
    bool IsDelimiter(char c) const;

    std::string_view line_;
    SplitOptions options_;
    std::size_t pos_ = 0;
};

// All fields of line, in order (empty for an empty line).
std::vector<std::string> SplitLine(std::string_view line, const SplitOptions& options);

} // namespace portkit
