// A radio data file made byte by byte from the file layout
// (tests/data/golden/make_three_channels.py) opens, loads into the grids and
// exports exactly as the hand-written expected file says.

// project
#include "grid/document_controller.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"
#include "textio/export.h"

// std
#include <string>

// test
#include <gtest/gtest.h>

namespace {

std::string Golden(const std::string& name)
{
    return std::string(OSTREL_TEST_DATA_DIR) + "/golden/" + name;
}

TEST(GoldenExport, ThreeChannelsReadAsTheHandWrittenFile)
{
    test_support::TempConfigHome home;
    radio::CMainDoc doc('.');
    ASSERT_TRUE(doc.Load(Golden("three_channels.rdf"))) << doc.ErrorText();
    grid::DocumentController controller(doc);
    controller.FirstUpdate();
    const std::string expected = test_support::ReadText(Golden("three_channels.csv"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(textio::BuildExportText(controller.Grid(radio::kSheetMemories), ','), expected);

    // Loading and storing the grids again leaves the file's image as it was.
    const radio::RadioImage loaded = doc.Image();
    controller.Grid(radio::kSheetMemories).SetText(radio::col::kComment, 1, "Club net");
    EXPECT_TRUE(controller.GridStore(true));
    EXPECT_EQ(doc.Image(), loaded);
    EXPECT_FALSE(doc.IsModified());
}

} // namespace
