#pragma once
// Differences on the output stream, as ostrel-cli diff, write --dry-run and
// verify print them: one line each, or tab-separated fields for scripts.

// std
#include <ostream>
#include <vector>

// project
#include "radio/image_diff.h"

namespace cli {

enum class DiffFormat { Text, Tsv };

// Text: "Memory 12: Name RPT1 -> (none)". Tsv: area, number, field, old, new
// ("Memory\t12\tName\tRPT1\t(none)"; a whole channel's event as the new value).
void PrintDifferences(const std::vector<radio::Difference>& differences, DiffFormat format, std::ostream& out);

} // namespace cli
