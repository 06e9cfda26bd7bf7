#include "radio/lists.h"

// std
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace radio {
namespace {

constexpr std::array<int, kCtcssCount> kCtcss{
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

constexpr std::array<int, kDcsCount> kDcs{
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

constexpr int kDirectionCodes[] = {0, 2, 3, 4};

constexpr std::int32_t kLowModeLimit = 29700000;
constexpr std::int32_t kHighStepFrom = 700000000;

} // namespace

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = text.find('\t', start);
        items.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos)
            return items;
        start = tab + 1;
    }
}

const std::array<int, kCtcssCount>& CtcssTones() { return kCtcss; }
const std::array<int, kDcsCount>& DcsCodes() { return kDcs; }

std::string CtcssListText(char separator)
{
    std::string text;
    char buffer[16];
    for (int tone : kCtcss) {
        std::snprintf(buffer, sizeof buffer, "%d%c%0d", tone / 10, separator, tone % 10);
        if (!text.empty())
            text += '\t';
        text += buffer;
    }
    return text;
}

std::string DcsListText()
{
    std::string text;
    char buffer[16];
    for (int code : kDcs) {
        std::snprintf(buffer, sizeof buffer, "%03d", code);
        if (!text.empty())
            text += '\t';
        text += buffer;
    }
    return text;
}

int CtcssIndexFromText(const std::string& text)
{
    // Tenths of hertz: the whole part and the first digit after the point.
    long tenths = std::strtol(text.c_str(), nullptr, 10);
    if (tenths < 0 || tenths > 100000)
        return -1;
    tenths *= 10;
    std::size_t point = text.find_first_of(".,");
    if (point != std::string::npos && point + 1 < text.size() &&
        std::isdigit(static_cast<unsigned char>(text[point + 1])))
        tenths += text[point + 1] - '0';
    if (tenths < 670)
        tenths *= 10;
    for (int i = 0; i < kCtcssCount; ++i)
        if (kCtcss[static_cast<std::size_t>(i)] == tenths)
            return i;
    return -1;
}

int DcsIndexFromText(const std::string& text)
{
    long code = std::strtol(text.c_str(), nullptr, 10);
    for (int i = 0; i < kDcsCount; ++i)
        if (kDcs[static_cast<std::size_t>(i)] == code)
            return i;
    return 0;
}

int NameCharCode(char c)
{
    if (c == '\0')
        return -1;
    const char* at = std::strchr(kNameCharset, c);
    return at == nullptr ? -1 : static_cast<int>(at - kNameCharset);
}

void EncodeName(const std::string& text, std::uint8_t* codes)
{
    if (text.empty()) {
        std::memset(codes, 0, kNameLength);
        return;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(kNameLength); ++i) {
        int code = kSpaceCode;
        if (i < text.size()) {
            char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
            code = NameCharCode(c);
            if (code < 0)
                code = kSpaceCode;
        }
        codes[i] = static_cast<std::uint8_t>(code);
    }
}

std::string DecodeName(const std::uint8_t* codes)
{
    std::string text;
    for (int i = 0; i < kNameLength; ++i)
        text += kNameCharset[codes[i] & 0x3F];
    TrimRight(text);
    return text;
}

std::size_t TrimRight(std::string& text)
{
    std::size_t end = text.find_last_not_of(' ');
    text.resize(end == std::string::npos ? 0 : end + 1);
    return text.size();
}

int DirectionIndexToCode(int index) { return index >= 0 && index < 4 ? kDirectionCodes[index] : 0; }

int DirectionCodeToIndex(int code)
{
    for (int i = 0; i < 4; ++i)
        if (kDirectionCodes[i] == code)
            return i;
    return -1;
}

bool UsesLowModeList(std::int32_t rx) { return rx <= kLowModeLimit; }

int ModeIndexToBit(int index, std::int32_t rx)
{
    if (index < 0 || index > 3)
        return 0;
    return (index + (UsesLowModeList(rx) ? 1 : 0)) & 1;
}

int ModeBitToIndex(int bit, std::int32_t rx) { return bit - (UsesLowModeList(rx) ? 1 : 0); }

bool UsesHighStepList(std::int32_t rx) { return rx >= kHighStepFrom; }

int StepIndexToCode(int index, std::int32_t rx)
{
    int code = index;
    if (UsesHighStepList(rx))
        code = index < 2 ? index + 1 : index + 2;
    return code >= 0 && code <= 7 ? code : 0;
}

int StepCodeToIndex(int code, std::int32_t rx)
{
    if (!UsesHighStepList(rx))
        return code;
    if (code == 0)
        return 0;
    return code <= 2 ? code - 1 : code - 2;
}

} // namespace radio
