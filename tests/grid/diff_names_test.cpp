// The comparison names channel fields as the grid heads its columns.

// std
#include <algorithm>
#include <string>

// gtest
#include <gtest/gtest.h>

// project
#include "grid/hyper_layout.h"
#include "grid/sheet_setup.h"
#include "grid/spreadsheet.h"
#include "radio/default_image.h"
#include "radio/hyper_area.h"
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

// A Hyper Memory setting changed is named by its label in the settings grid
// and its value is the text that grid shows for it.
TEST(DiffFieldNames, HyperSettingsAsTheSettingsGridShowsThem)
{
    grid::CSpreadSheet1 settings;
    grid::SetupHyperGrid(settings);
    for (const grid::hyper::SettingCell& cell : grid::hyper::kSettingCells) {
        const auto field = static_cast<radio::HyperField>(static_cast<int>(cell.setting)); // the same order
        const radio::HyperSetting& setting = radio::SettingOf(field);
        if (setting.kind == radio::SettingKind::NoBits)
            continue;
        std::string label = cell.label;
        label.erase(label.find_last_not_of(' ') + 1);
        for (int value : {1, setting.limit - 1}) {
            radio::RadioImage before = radio::DefaultImage();
            std::uint8_t* block = before.data() + radio::HyperAreaOffset(1) + radio::offs::kHyperSettings;
            radio::SetSetting(block, field, 0);
            radio::RadioImage after = before;
            radio::SetSetting(after.data() + radio::HyperAreaOffset(1) + radio::offs::kHyperSettings, field, value);
            const auto lines = radio::CompareImages({&before, nullptr}, {&after, nullptr});
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [&](const radio::Difference& d) { return d.field == label; });
            ASSERT_NE(line, lines.end()) << label << " " << value;
            EXPECT_EQ(line->place, "Hyper Memory 2");
            if (cell.IsCheckBox()) {
                EXPECT_EQ(line->after, "On") << label;
                continue;
            }
            settings.SetListIndex(cell.editCol, cell.row, value);
            const std::string shown = settings.GetText(cell.editCol, cell.row);
            EXPECT_EQ(line->after, shown.empty() ? "(none)" : shown) << label << " " << value;
        }
    }
}

} // namespace
