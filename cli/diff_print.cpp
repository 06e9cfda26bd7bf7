#include "cli/diff_print.h"

namespace cli {

void PrintDifferences(const std::vector<radio::Difference>& differences, DiffFormat format, std::ostream& out)
{
    for (const radio::Difference& d : differences) {
        if (format == DiffFormat::Text) {
            out << d.Text() << '\n';
            continue;
        }
        out << radio::AreaName(d.area) << '\t' << radio::PlaceNumber(d) << '\t' << d.field << '\t' << d.before
            << '\t' << (d.event.empty() ? d.after : d.event) << '\n';
    }
}

} // namespace cli
