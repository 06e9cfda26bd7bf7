// Rows of every sheet reached through one model, the sheet named by each call.

// Project
#include "radio/main_doc.h"

// Test framework
#include <gtest/gtest.h>

namespace {

class RadioModelTest : public ::testing::Test {
protected:
    std::ptrdiff_t At(const std::uint8_t* p) const { return p == nullptr ? -1 : p - doc.Image().data(); }

    radio::CMainDoc doc{','};
};

TEST_F(RadioModelTest, RecordsOfTwoSheetsSideBySide)
{
    // Memories row 1100, VFO row 5, Home row 1 and Hyper Memory 4 row 5 in turn,
    // with nothing in between that picks a sheet.
    EXPECT_EQ(At(doc.Record(0, 1099)), 1224 + 16 * 1099);
    EXPECT_EQ(At(doc.Record(1, 4)), 72 + 64);
    EXPECT_EQ(At(doc.Record(2, 0)), 456);
    EXPECT_EQ(At(doc.Record(6, 4)), 584 + 3 * 128 + 64);
    EXPECT_EQ(At(doc.Record(0, 0)), 1224);

    EXPECT_EQ(At(doc.NameRecord(0, 1099)), 18824 + 8 * 1099);
    EXPECT_EQ(At(doc.NameRecord(2, 4)), 27656 + 32);
}

TEST_F(RadioModelTest, RowsASheetLacksGiveNoRecord)
{
    EXPECT_EQ(doc.Record(2, 5), nullptr);
    EXPECT_EQ(doc.Record(0, 1100), nullptr);
    EXPECT_EQ(doc.Record(0, -1), nullptr);
    EXPECT_EQ(doc.NameRecord(1, 0), nullptr) << "the VFO sheet has no names";
    EXPECT_EQ(doc.NameRecord(3, 0), nullptr) << "nor do the Hyper Memory sheets";
}

TEST_F(RadioModelTest, BankBitsAndSeparatorNeedNoSheet)
{
    doc.SetBankBit(19, 999, true);
    EXPECT_TRUE(doc.BankBit(19, 999));
    EXPECT_FALSE(doc.BankBit(18, 999));
    EXPECT_EQ(doc.Separator(), ',');
    EXPECT_EQ(doc.FormatFrequency(145500000), "145,50000");
}

} // namespace
