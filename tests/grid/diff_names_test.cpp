// The comparison names channel fields as the grid heads its columns.

// std
#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>

// gtest
#include <gtest/gtest.h>

// project
#include "grid/hyper_layout.h"
#include "grid/sheet_io.h"
#include "grid/sheet_setup.h"
#include "radio/channel_record.h"
#include "radio/main_doc.h"
#include "radio/record_rules.h"
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
        std::string label = cell.text.label;
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
            if (cell.text.IsCheckBox()) {
                EXPECT_EQ(line->after, "On") << label;
                continue;
            }
            settings.SetListIndex(cell.editCol, cell.row, value);
            const std::string shown = settings.GetText(cell.editCol, cell.row);
            EXPECT_EQ(line->after, shown.empty() ? "(none)" : shown) << label << " " << value;
        }
    }
}

// Every grid of a document, loaded.
struct LoadedGrids {
    explicit LoadedGrids(const radio::RadioImage& image) : doc('.')
    {
        doc.OnNewDocument();
        doc.Image() = image;
        for (int k = 0; k < radio::kHyperCount; ++k) {
            settings[static_cast<std::size_t>(k)] = std::make_unique<grid::CSpreadSheet1>();
            grid::SetupHyperGrid(*settings[static_cast<std::size_t>(k)]);
            hyperGrids[static_cast<std::size_t>(k)] = settings[static_cast<std::size_t>(k)].get();
        }
        for (int kind = 0; kind < radio::kSheetCount; ++kind) {
            sheets[static_cast<std::size_t>(kind)] = std::make_unique<grid::CSpreadSheet1>();
            grid::SetupChannelGrid(*sheets[static_cast<std::size_t>(kind)], kind, '.');
            grid::LoadSheet(doc, doc.Image(), *sheets[static_cast<std::size_t>(kind)], kind, hyperGrids, view);
        }
    }
    // The cell as the comparison words it: check boxes On/Off, names without
    // trailing spaces, "(none)" for an empty cell.
    std::string Shown(int sheet, int row, int column) const
    {
        const grid::CSpreadSheet1& grid = *sheets[static_cast<std::size_t>(sheet)];
        if (column == radio::col::kShowName || column == radio::col::kClockShift || column == radio::col::kNarrow)
            return grid.GetValue(column, row) == "1" ? "On" : "Off";
        std::string text = grid.GetText(column, row);
        text.erase(text.find_last_not_of(' ') + 1);
        return text.empty() ? "(none)" : text;
    }

    radio::CMainDoc doc;
    std::array<std::unique_ptr<grid::CSpreadSheet1>, radio::kHyperCount> settings;
    grid::HyperGrids hyperGrids{};
    grid::SheetViewState view;
    std::array<std::unique_ptr<grid::CSpreadSheet1>, radio::kSheetCount> sheets;
};

radio::RadioImage Settled(radio::DocumentDataArea& data)
{
    radio::SettleDocument(data);
    return data.image;
}

// Two settled documents whose channels differ in every field at random: each
// line for a grid cell has the texts the two grids show in that cell.
TEST(DiffFieldNames, ChannelValuesAreTheGridCells)
{
    std::mt19937 random(4);
    auto randomRecords = [&random](radio::DocumentDataArea& data, bool keepInUse) {
        for (int kind = 0; kind < radio::kSheetCount; ++kind)
            for (int row = 0; row < radio::SheetRowCount(kind); ++row) {
                std::uint8_t* record = data.image.data() + radio::RecordOffset(kind, row);
                const int inUse = keepInUse ? radio::GetField(record, radio::ChannelField::InUse) : 1;
                for (std::size_t i = 0; i < radio::kChannelRecordSize; ++i)
                    record[i] = static_cast<std::uint8_t>(random());
                const std::int32_t band[] = {144000000, 430000000, 28000000, 850000000};
                const std::int32_t rx = band[random() % 4] + static_cast<std::int32_t>(random() % 160) * 12500;
                radio::SetField(record, radio::ChannelField::Receive, rx);
                radio::SetField(record, radio::ChannelField::InUse, inUse);
                if (const std::ptrdiff_t name = radio::NameOffset(kind, row); name >= 0 && random() % 2 == 0)
                    for (std::size_t i = 0; i < radio::kNameRecordSize; ++i)
                        data.image[static_cast<std::size_t>(name) + i] = static_cast<std::uint8_t>(random() % 64) |
                                                                           (i >= 6 ? random() % 2 * 0x80 : 0);
            }
    };
    radio::DocumentDataArea a;
    a.image = radio::DefaultImage();
    randomRecords(a, false);
    const radio::RadioImage before = Settled(a);
    radio::DocumentDataArea b = a;
    randomRecords(b, true);
    const radio::RadioImage after = Settled(b);

    const LoadedGrids shownBefore(before);
    const LoadedGrids shownAfter(after);
    int checked = 0;
    for (const radio::Difference& line : radio::CompareImages({&before, nullptr}, {&after, nullptr})) {
        if (line.column < 0 || line.column >= radio::col::kBank1)
            continue;
        EXPECT_EQ(line.field, radio::ChannelFieldName(line.column));
        EXPECT_EQ(line.before, shownBefore.Shown(line.sheet, line.row, line.column)) << line.Text();
        EXPECT_EQ(line.after, shownAfter.Shown(line.sheet, line.row, line.column)) << line.Text();
        ++checked;
    }
    EXPECT_GT(checked, 5000);
}

} // namespace
