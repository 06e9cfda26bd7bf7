#include "clone/ui/difference_rows.h"

// std
#include <algorithm>
#include <cctype>

namespace transfer {
namespace {

using radio::DiffArea;

struct AreaEntry {
    DiffArea area;
    const char* name;
};

constexpr AreaEntry kAreas[] = {
    {DiffArea::Memory, "Memories"}, {DiffArea::Bank, "Banks"},         {DiffArea::Vfo, "VFO"},
    {DiffArea::Home, "Home"},       {DiffArea::Hyper, "Hyper Memories"}, {DiffArea::Settings, "Settings"},
    {DiffArea::Dtmf, "DTMF"},       {DiffArea::Comment, "Comments"},   {DiffArea::Bytes, "Other bytes"},
};

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The run of digits at `at`, without its leading zeros.
std::string_view DigitRun(std::string_view text, std::size_t& at)
{
    std::size_t start = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    while (start + 1 < at && text[start] == '0')
        ++start;
    return text.substr(start, at - start);
}

} // namespace

const char* SheetName(DiffArea area)
{
    for (const AreaEntry& entry : kAreas)
        if (entry.area == area)
            return entry.name;
    return "";
}

std::vector<DiffArea> AllAreas()
{
    std::vector<DiffArea> areas;
    for (const AreaEntry& entry : kAreas)
        areas.push_back(entry.area);
    return areas;
}

int CompareNatural(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::string_view x = DigitRun(a, i);
            const std::string_view y = DigitRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int order = x.compare(y); order != 0)
                return order;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

std::string DifferenceRows::Text(int line, int column) const
{
    const radio::Difference& d = At(line);
    switch (column) {
    case kDiffSheet:
        return SheetName(d.area);
    case kDiffRow:
        return d.place;
    case kDiffField:
        return d.field.empty() ? d.event : d.field;
    case kDiffOld:
        return d.before;
    case kDiffNew:
        return d.after;
    default:
        return {};
    }
}

void DifferenceRows::Set(std::vector<radio::Difference> differences)
{
    all_ = std::move(differences);
    Arrange();
}

void DifferenceRows::SetFilter(std::optional<DiffArea> area)
{
    filter_ = area;
    Arrange();
}

void DifferenceRows::Sort(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    Arrange();
}

void DifferenceRows::Arrange()
{
    shown_.clear();
    for (int i = 0; i < static_cast<int>(all_.size()); ++i)
        if (!filter_ || all_[static_cast<std::size_t>(i)].area == *filter_)
            shown_.push_back(i);
    if (sortColumn_ < 0 || sortColumn_ >= kDiffColumnCount)
        return;
    // The texts once, not at every comparison.
    std::vector<std::string> keys(all_.size());
    if (sortColumn_ != kDiffSheet) {
        for (std::size_t line = 0; line < shown_.size(); ++line)
            keys[static_cast<std::size_t>(shown_[line])] = Text(static_cast<int>(line), sortColumn_);
    }
    auto order = [&](int x, int y) {
        const auto& dx = all_[static_cast<std::size_t>(x)];
        const auto& dy = all_[static_cast<std::size_t>(y)];
        if (sortColumn_ == kDiffSheet)
            return static_cast<int>(dx.area) - static_cast<int>(dy.area);
        return CompareNatural(keys[static_cast<std::size_t>(x)], keys[static_cast<std::size_t>(y)]);
    };
    std::stable_sort(shown_.begin(), shown_.end(), [&](int x, int y) {
        const int o = order(x, y);
        return ascending_ ? o < 0 : o > 0;
    });
}

} // namespace transfer
