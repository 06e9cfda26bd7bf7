#include "radio/settings_text.h"

// Project
#include "radio/lists.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <string_view>

namespace radio {
namespace {

constexpr std::uint8_t kEndOfText = 0xFF;
constexpr std::size_t kDtmfDigits = blk::kDtmfMemorySize;
constexpr const char* kDtmfChars = "0123456789ABCD*#";

// Lower-case letters are taken as capitals, as the CW ID field shows them.
std::optional<std::uint8_t> CwIdCode(char c)
{
    const int code = NameCharCode(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (code < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(code);
}

std::size_t DtmfOffset(int memory)
{
    return blk::kDtmf + static_cast<std::size_t>(memory) * kDtmfDigits;
}

} // namespace

std::string CwIdFromBlock(ConstSettingsBlockView block)
{
    std::string text;
    for (std::size_t i = 0; i < blk::kCwIdSize; ++i) {
        const std::uint8_t code = block[blk::kCwId + i];
        if (code == kEndOfText)
            break;
        text += kNameCharset[code & 0x3F];
    }
    return text;
}

bool IsValidCwId(const std::string& text)
{
    return text.size() <= kCwIdMaxLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return CwIdCode(c).has_value(); });
}

bool StoreCwId(const std::string& text, SettingsBlockView block)
{
    if (!IsValidCwId(text))
        return false;
    if (text.empty())
        return true;
    for (std::size_t i = 0; i < blk::kCwIdSize; ++i)
        block[blk::kCwId + i] = i < text.size() ? *CwIdCode(text[i]) : kEndOfText;
    return true;
}

std::string DtmfMemoryText(ConstSettingsBlockView block, int memory)
{
    std::string text;
    if (memory < 0 || memory >= kDtmfCount)
        return text;
    for (std::size_t i = 0; i < kDtmfDigits; ++i) {
        const std::uint8_t code = block[DtmfOffset(memory) + i];
        if (code == kEndOfText)
            break;
        text += kDtmfChars[code & 0x0F];
    }
    return text;
}

std::optional<char> DtmfKey(char typed)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    if (upper == 'E')
        return '*';
    if (upper == 'F')
        return '#';
    if (upper != '\0' && std::string_view(kDtmfChars).find(upper) != std::string_view::npos)
        return upper;
    return std::nullopt;
}

bool StoreDtmfMemory(const std::string& text, int memory, SettingsBlockView block)
{
    if (memory < 0 || memory >= kDtmfCount || text.size() > kDtmfDigits)
        return false;
    std::uint8_t codes[kDtmfDigits];
    std::fill(std::begin(codes), std::end(codes), kEndOfText);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::optional<char> key = DtmfKey(text[i]);
        if (!key)
            return false;
        codes[i] = static_cast<std::uint8_t>(std::string_view(kDtmfChars).find(*key));
    }
    // Only the first 0xFF matters; the bytes after it are left as they were.
    const std::size_t used = std::min(text.size() + 1, kDtmfDigits);
    std::copy_n(codes, used, &block[DtmfOffset(memory)]);
    return true;
}

} // namespace radio
