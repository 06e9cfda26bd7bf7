// A known file opened in the program: every sheet's texts as the view shows
// them agree with the image and with what ostrel-cli exports, and a command
// on unchanged grids leaves the image untouched.

#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "cli/commands.h"
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "app/command_ids.h"
#include "platform/prompt.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/lists.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"

// Qt
#include <QAbstractItemModel>
#include <QApplication>

// std
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Channels in memory rows 1, 2 and 500 and in L1, with names, a bank and
// comments, each record as the grid store writes it (the default offset for
// its frequency); the Home and Hyper Memory records come from the template.
std::string MakeKnownFile(const std::string& path)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    const int rows[] = {0, 1, 499, 1000};
    const std::int32_t hz[] = {146520000, 145230000, 442100000, 144000000};
    for (int i = 0; i < 4; ++i) {
        std::uint8_t* rec = doc.Record(radio::kSheetMemories, rows[i]);
        std::fill(rec, rec + radio::kChannelRecordSize, 0);
        rec[0] = 0x80;
        radio::EncodeFrequency(hz[i], rec + 1);
        radio::EncodeFrequency(hz[i], rec + 5);
        rec[8] = 12;
        rec[12] = static_cast<std::uint8_t>(radio::DefaultOffset(hz[i]) / 50000);
        radio::EncodeName("CH" + std::to_string(i), doc.NameRecord(radio::kSheetMemories, rows[i]));
        doc.NameRecord(radio::kSheetMemories, rows[i])[7] |= 0x80;
        doc.SetComment(rows[i], "Comment " + std::to_string(i));
    }
    doc.SetBankBit(4, 1, true);
    EXPECT_TRUE(doc.Save(path)) << doc.ErrorText();
    return path;
}

// One export line built from what the view's model shows.
std::string ViewLine(const QAbstractItemModel& model, int row)
{
    std::string line = std::to_string(row + 1);
    for (int col = 0; col < model.columnCount(); ++col) {
        const QModelIndex index = model.index(row, col);
        std::string field = model.data(index, Qt::DisplayRole).toString().toStdString();
        const int column = col + 1;
        const bool checkColumn = column == radio::col::kShowName || column == radio::col::kClockShift ||
                                 column == radio::col::kNarrow ||
                                 (column >= radio::col::kBank1 && column < radio::col::kComment);
        if (checkColumn) {
            const bool on = model.data(index, Qt::CheckStateRole).toInt() == Qt::Checked;
            field = column == radio::col::kShowName ? (on ? "Show Name" : "") : (on ? "On" : "Off");
        }
        line += '\t' + field;
    }
    return line + '\n';
}

class ViewAgreement : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.show();
        file_ = MakeKnownFile(dir_.path() + "/known.rdf");
        child_ = frame_.OpenDocument(file_);
        ASSERT_NE(child_, nullptr);
    }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
    std::string file_;
    CChildFrame* child_ = nullptr;
};

} // namespace

TEST_F(ViewAgreement, MemoriesSheetReadsLikeTheExport)
{
    const QAbstractItemModel& model = *child_->View().ChannelGridView(radio::kSheetMemories)->model();
    ASSERT_EQ(model.rowCount(), radio::kChannelCount);
    EXPECT_EQ(model.headerData(1000, Qt::Vertical).toString(), QStringLiteral("L1"));

    std::string shown;
    for (int row = 0; row < model.rowCount(); ++row)
        if (radio::ParseFrequency(model.data(model.index(row, 0)).toString().toStdString()) > 0)
            shown += ViewLine(model, row);

    const std::string out = dir_.path() + "/known.tab";
    std::ostringstream cliOut;
    std::ostringstream cliErr;
    ASSERT_EQ(cli::Run({"export", file_, out}, cliOut, cliErr), cli::kExitOk) << cliErr.str();
    const std::string exported = test_support::ReadText(out);
    ASSERT_EQ(std::count(exported.begin(), exported.end(), '\n'), 5);
    EXPECT_EQ(exported.substr(exported.find('\n') + 1), shown);
}

TEST_F(ViewAgreement, EverySheetShowsTheImagesFrequencies)
{
    radio::CMainDoc& doc = child_->View().Document();
    for (int sheet = 0; sheet < radio::kSheetCount; ++sheet) {
        SCOPED_TRACE(sheet);
        child_->View().SetCurrentSheet(sheet);
        const QAbstractItemModel& model = *child_->View().ChannelGridView(sheet)->model();
        const int rows = radio::SheetRowCount(sheet);
        ASSERT_EQ(model.rowCount(), rows);
        for (int row = 0; row < rows; ++row) {
            const std::uint8_t* rec = doc.Record(sheet, row);
            const std::string text = model.data(model.index(row, 0)).toString().toStdString();
            if (sheet == radio::kSheetMemories && !(rec[0] & 0x80))
                EXPECT_EQ(text, "") << row;
            else
                EXPECT_EQ(text, radio::FormatFrequency(radio::DecodeFrequency(rec + 1), '.')) << row;
        }
    }
    child_->View().SetCurrentSheet(radio::kSheetMemories);
}

TEST_F(ViewAgreement, CommandOnUnchangedGridsLeavesTheImageUntouched)
{
    radio::CMainDoc& doc = child_->View().Document();
    const radio::RadioImage before = doc.Image();
    child_->View().SetCurrentSheet(4);
    frame_.Dispatch(cmd::Cascade);
    frame_.Dispatch(cmd::ViewStatusBar);
    frame_.Dispatch(cmd::ViewStatusBar);
    EXPECT_TRUE(doc.Image() == before);
    EXPECT_FALSE(doc.IsModified());
}
