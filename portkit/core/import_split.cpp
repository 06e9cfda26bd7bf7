#include "portkit/core/import_split.h"

namespace portkit {

FieldSplitter::FieldSplitter(std::string_view line, const SplitOptions& options)
    : line_(line), options_(options)
{
}

bool FieldSplitter::IsDelimiter(char c) const
{
    return options_.delimiter != '\0' && c == options_.delimiter;
}

bool FieldSplitter::SplitNextField(std::string& field)
{
    const std::size_t end = line_.size();
    if (options_.consecutive) {
        while (pos_ < end && IsDelimiter(line_[pos_]))
            ++pos_;
    }
    const std::size_t start = pos_;
    field.clear();
    bool quoted = false;
    while (pos_ < end) {
        char c = line_[pos_++];
        if (options_.useQualifier && c == options_.qualifier) {
            if (!quoted) {
                quoted = true;
                field.clear(); // the field restarts after the opening qualifier
                continue;
            }
            if (pos_ < end && line_[pos_] == options_.qualifier) {
                field.push_back(c); // a doubled qualifier is one qualifier character
                ++pos_;
                continue;
            }
            quoted = false;
            c = ' '; // the closing qualifier counts as a blank
        }
        if (!quoted && IsDelimiter(c))
            break;
        field.push_back(c);
    }
    if (pos_ == start)
        return false;
    const std::size_t last = field.find_last_not_of(' ');
    field.erase(last == std::string::npos ? 0 : last + 1);
    return true;
}

std::vector<std::string> SplitLine(std::string_view line, const SplitOptions& options)
{
    std::vector<std::string> fields;
    FieldSplitter splitter(line, options);
    std::string field;
    while (splitter.SplitNextField(field))
        fields.push_back(field);
    return fields;
}

} // namespace portkit
