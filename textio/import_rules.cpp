#include "textio/import_rules.h"

// std
#include <array>
#include <cctype>
#include <strings.h>

namespace textio {
namespace {

// One line of a word table. Texts compare without regard to case.
enum class Match {
    FirstChar, // the text begins with the character
    Exact,     // the whole text
    Prefix,    // the text begins with it
};

struct WordRule {
    Match match;
    const char* word;
    int value;
};

bool Matches(const WordRule& rule, const std::string& text)
{
    const std::size_t n = std::char_traits<char>::length(rule.word);
    switch (rule.match) {
    case Match::FirstChar:
        return !text.empty() && std::tolower(static_cast<unsigned char>(text[0])) ==
                                    std::tolower(static_cast<unsigned char>(rule.word[0]));
    case Match::Exact:
        return text.size() == n && ::strncasecmp(text.c_str(), rule.word, n) == 0;
    case Match::Prefix:
        return text.size() >= n && ::strncasecmp(text.c_str(), rule.word, n) == 0;
    }
    return false;
}

// The first matching line wins; no match gives `fallback`.
template <std::size_t N> int Lookup(const std::array<WordRule, N>& table, const std::string& text, int fallback)
{
    for (const WordRule& rule : table)
        if (Matches(rule, text))
            return rule.value;
    return fallback;
}

constexpr std::array<WordRule, 13> kDirectionWords{{
    // "Split" in full before its first letter, which alone means simplex.
    {Match::Exact, "split", 4},
    {Match::FirstChar, "M", 2},
    {Match::FirstChar, "-", 2},
    {Match::FirstChar, "1", 2},
    {Match::FirstChar, "P", 3},
    {Match::FirstChar, "+", 3},
    {Match::FirstChar, "2", 3},
    {Match::FirstChar, "O", 4},
    {Match::FirstChar, "3", 4},
    {Match::FirstChar, "S", 0},
    {Match::FirstChar, "N", 0},
    {Match::FirstChar, "0", 0},
    {Match::FirstChar, " ", 0},
}};

constexpr std::array<WordRule, 41> kToneModeWords{{
    {Match::FirstChar, "0", 0},
    {Match::Exact, "off", 0},
    {Match::Exact, "none", 0},
    {Match::FirstChar, "1", 1},
    {Match::Exact, "enc", 1},
    {Match::Exact, "encode", 1},
    {Match::Exact, "ctcssenc", 1},
    {Match::Exact, "ctcssencode", 1},
    {Match::Exact, "ctcss enc", 1},
    {Match::Exact, "enc (Tone", 1},
    {Match::Exact, "ctcss encode", 1},
    {Match::FirstChar, "2", 2},
    {Match::Exact, "dec", 2},
    {Match::Exact, "decode", 2},
    {Match::Exact, "enc\\dec", 2},
    {Match::Exact, "encode\\decode", 2},
    {Match::Exact, "ctcssdec", 2},
    {Match::Exact, "ctcssdecode", 2},
    {Match::Exact, "ctcss dec", 2},
    {Match::Exact, "ctcss decode", 2},
    {Match::Exact, "ctcss enc\\dec", 2},
    {Match::Exact, "ctcss encode\\decode", 2},
    {Match::Exact, "squelch", 2},
    {Match::Exact, "tonesquelch", 2},
    {Match::Exact, "tone squelch", 2},
    {Match::Prefix, "Enc-Dec", 2},
    {Match::Exact, "bell", 2},
    {Match::FirstChar, "3", 4},
    {Match::Prefix, "dcs", 4},
    {Match::Exact, "Rev TN", 3},
    {Match::Exact, "d", 5},
    {Match::Prefix, "Enc-DCS", 6},
    {Match::Exact, "T-DCS", 6},
    {Match::Exact, "D-Dec", 7},
    {Match::Exact, "D-TSQL", 7},
    // The spreadsheet programmers' words; each meant None before.
    {Match::Exact, "Tone", 1},
    {Match::Exact, "T Sql", 2},
    {Match::Exact, "TSQL", 2},
    {Match::Exact, "T DCS", 6},
    {Match::Exact, "D Tone", 7},
    {Match::Exact, "D Code", 5},
}};

constexpr std::array<WordRule, 10> kPowerWords{{
    {Match::Exact, "high", 0},
    {Match::Exact, "on", 0},
    {Match::FirstChar, "0", 0},
    {Match::Exact, "Mid1", 1},
    {Match::FirstChar, "1", 1},
    {Match::Exact, "Mid2", 2},
    {Match::FirstChar, "2", 2},
    {Match::Exact, "low", 3},
    {Match::Exact, "off", 3},
    {Match::FirstChar, "3", 3},
}};

constexpr std::array<WordRule, 4> kYesWords{{
    {Match::Prefix, "yes", 1},
    {Match::Prefix, "on", 1},
    {Match::FirstChar, "1", 1},
    {Match::FirstChar, "Y", 1},
}};

// What the export writes in the Show Name column of a ticked row.
constexpr WordRule kShowNameWord{Match::Exact, "Show Name", 1};

struct StepEntry {
    std::int32_t hz;
    int code;
};
// 12.5 kHz reads as 12000 Hz when its text is parsed; 100 kHz is code 7, so
// that an exported 100 kHz channel comes back as it was.
constexpr std::array<StepEntry, 9> kSteps{{
    {5000, 0}, {10000, 1}, {12000, 2}, {12500, 2}, {15000, 3}, {20000, 4}, {25000, 5}, {50000, 6}, {100000, 7},
}};

} // namespace

int DirectionCodeFromText(const std::string& text) { return Lookup(kDirectionWords, text, 0); }

bool IsDirectionDigit(const std::string& text) { return text.size() == 1 && text[0] >= '0' && text[0] <= '3'; }

int ToneModeFromText(const std::string& text) { return Lookup(kToneModeWords, text, 0); }

int PowerFromText(const std::string& text) { return Lookup(kPowerWords, text, 0); }

bool ReadYesNo(const std::string& text) { return Lookup(kYesWords, text, 0) != 0; }

bool ReadShowName(const std::string& text) { return Matches(kShowNameWord, text) || ReadYesNo(text); }

int StepCodeFromHz(std::int32_t hz)
{
    for (const StepEntry& step : kSteps)
        if (step.hz == hz)
            return step.code;
    return 0;
}

} // namespace textio
