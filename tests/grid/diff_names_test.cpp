// The comparison names channel fields as the grid heads its columns.

// std
#include <algorithm>
#include <string>

// gtest
#include <gtest/gtest.h>

// project
#include "grid/sheet_setup.h"
#include "radio/image_diff.h"
#include "support/column_names.h"

namespace {

TEST(DiffFieldNames, AreTheGridHeadingsOnOneLine)
{
    const auto& names = test_support::OurColumnNames(); // "Channel Number", then columns 1..35
    ASSERT_EQ(names.size(), 36u);
    for (int column = 1; column <= 35; ++column) {
        std::string heading = grid::ChannelHeader(column);
        std::replace(heading.begin(), heading.end(), '\n', ' ');
        EXPECT_EQ(radio::ChannelFieldName(column), names[static_cast<std::size_t>(column)]) << column;
        EXPECT_EQ(heading, names[static_cast<std::size_t>(column)]) << column;
    }
}

} // namespace
