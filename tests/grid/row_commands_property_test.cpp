// Random Cut, Copy, Paste, Insert, Delete and Move on random documents, compared
// after every step with a plain list of the 1000 channel rows in which a
// channel's cells and its five scan values travel together.

// own
#include "grid/row_commands.h"

// test
#include <gtest/gtest.h>
#include "row_docs.h"
#include "support/temp_config.h"

// std
#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <vector>

// project
#include "platform/prompt.h"

namespace grid {
namespace {

constexpr int kChannels = 1000;
constexpr int kCols = 35;

struct ModelRow {
    std::array<std::string, kCols> cells;
    std::array<std::array<std::string, 2>, 5> settings;
};

// A row without a channel: check boxes (columns 7, 12, 14 and the bank
// columns 15..34) read "0", everything else is empty.
ModelRow EmptyRow()
{
    ModelRow row;
    for (int c : {7, 12, 14})
        row.cells[c - 1] = "0";
    for (int c = 15; c <= 34; ++c)
        row.cells[c - 1] = "0";
    return row;
}

class Model {
public:
    std::vector<ModelRow> rows; // rows[0] is row 1
    std::vector<ModelRow> held;
    std::optional<std::pair<int, int>> cut;

    void Copy(int r1, int r2)
    {
        held.assign(rows.begin() + r1 - 1, rows.begin() + r2);
        cut.reset();
    }
    void Cut(int r1, int r2)
    {
        Copy(r1, r2);
        cut = {r1, r2};
    }
    void Paste(int r1, int r2)
    {
        const int n = static_cast<int>(held.size());
        if (n == 0)
            return;
        const int last = std::min(r2 - r1 >= n - 1 ? r2 : r1 + n - 1, kChannels);
        for (int row = r1; row <= last; ++row)
            rows[row - 1] = held[(row - r1) % n];
        if (cut)
            for (int row = cut->first; row <= cut->second; ++row)
                if (row < r1 || row > last)
                    rows[row - 1] = EmptyRow();
        cut.reset();
    }
    // Whether Insert of `count` rows pushes a channel out (and so asks).
    bool InsertLoses(int count) const
    {
        for (int row = kChannels - count + 1; row <= kChannels; ++row)
            if (!rows[row - 1].cells[0].empty())
                return true;
        return false;
    }
    void Insert(int r1, int r2)
    {
        rows.insert(rows.begin() + r1 - 1, r2 - r1 + 1, EmptyRow());
        rows.resize(kChannels);
        cut.reset();
    }
    // The block r1..r2 taken out and put back so its first row is `dest`
    // (held inside the channels); the selection then covers it there.
    std::pair<int, int> Move(int r1, int r2, int dest)
    {
        const int count = r2 - r1 + 1;
        dest = std::clamp(dest, 1, kChannels - count + 1);
        std::vector<ModelRow> block(rows.begin() + r1 - 1, rows.begin() + r2);
        rows.erase(rows.begin() + r1 - 1, rows.begin() + r2);
        rows.insert(rows.begin() + dest - 1, block.begin(), block.end());
        if (dest != r1)
            cut.reset();
        return {dest, dest + count - 1};
    }
    void Delete(int r1, int r2)
    {
        rows.erase(rows.begin() + r1 - 1, rows.begin() + r2);
        rows.resize(kChannels, EmptyRow());
        cut.reset();
    }
};

class RowProperty : public ::testing::Test {
protected:
    RowProperty() : doc('.'), controller(doc), commands(controller, clipboard)
    {
        doc.OnNewDocument();
        controller.FirstUpdate();
    }

    void MakeDocument(std::mt19937& random)
    {
        doc.OnNewDocument();
        const char* names[] = {"", "A", "RPT 1", "WX", "HOME", "Z9"};
        const std::int32_t bases[] = {144000000, 430000000, 29000000, 900000000};
        for (int i = 0; i < radio::kChannelCount; ++i) {
            if (random() % 10 < 4)
                continue;
            test_rows::Channel channel;
            channel.rx = bases[random() % 4] + static_cast<std::int32_t>(random() % 400) * 5000;
            channel.name = names[random() % 6];
            channel.comment = random() % 2 ? "c" + std::to_string(i) : "";
            channel.bank = static_cast<int>(random() % 21) - 1;
            channel.power = static_cast<int>(random() % 4);
            test_rows::PutChannel(doc, i, channel);
            if (i < kChannels)
                for (int k = 1; k < 5; ++k)
                    radio::SetScanValue(doc.Image(), k, i, static_cast<int>(random() % 3));
        }
        controller.GridLoad();
        clipboard = RowClipboard();
        commands.ForgetCut();
        model = Model();
        for (int row = 1; row <= kChannels; ++row)
            model.rows.push_back(Read(row));
        limits = controller.Grid(0).GetBlockText({0, kChannels + 1, kCols, radio::kChannelCount});
    }

    ModelRow Read(int row)
    {
        ModelRow result;
        for (int c = 1; c <= kCols; ++c)
            result.cells[c - 1] = controller.Grid(0).GetText(c, row);
        for (int k = 0; k < 5; ++k)
            for (int c = 1; c <= 2; ++c)
                result.settings[k][c - 1] = controller.HyperGrid(k).GetText(c, row);
        return result;
    }

    // Names the first row and cell that differ.
    void Compare(const std::string& step)
    {
        for (int row = 1; row <= kChannels; ++row) {
            const ModelRow actual = Read(row);
            const ModelRow& expected = model.rows[row - 1];
            for (int c = 0; c < kCols; ++c)
                ASSERT_EQ(actual.cells[c], expected.cells[c]) << step << ": row " << row << " column " << c + 1;
            ASSERT_EQ(actual.settings, expected.settings) << step << ": settings of row " << row;
            for (int bank = 0; bank < 20; ++bank)
                ASSERT_EQ(controller.BankMember(bank, row - 1), expected.cells[14 + bank] == "1")
                    << step << ": bank " << bank + 1 << " row " << row;
        }
        ASSERT_EQ(controller.Grid(0).GetBlockText({0, kChannels + 1, kCols, radio::kChannelCount}), limits) << step;
    }

    test_support::TempConfigHome config;
    radio::CMainDoc doc{'.'};
    DocumentController controller;
    RowClipboard clipboard;
    RowCommands commands;
    platform::RecordingPrompt prompt;
    Model model;
    std::string limits;
};

TEST_F(RowProperty, RandomCommandsMatchAListOfRows)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        MakeDocument(random);
        for (int step = 0; step < 40; ++step) {
            // Mostly short selections, sometimes long ones reaching the end.
            const int length = random() % 5 == 0 ? static_cast<int>(random() % 300) : static_cast<int>(random() % 6);
            const int r1 = 1 + static_cast<int>(random() % kChannels);
            const int r2 = std::min(r1 + length, kChannels);
            controller.Grid(0).SelectBlock({1, r1, kCols, r2});
            const std::string name = "seed " + std::to_string(seed) + " step " + std::to_string(step) + " rows " +
                                     std::to_string(r1) + "-" + std::to_string(r2);
            switch (random() % 7) {
            case 0:
                commands.Copy();
                model.Copy(r1, r2);
                Compare(name + " Copy");
                break;
            case 1:
                commands.Cut();
                model.Cut(r1, r2);
                Compare(name + " Cut");
                break;
            case 2:
                commands.Paste();
                model.Paste(r1, r2);
                Compare(name + " Paste");
                break;
            case 3: {
                const bool yes = random() % 4 != 0;
                prompt.answers = {yes ? platform::Answer::Yes : platform::Answer::No};
                const bool loses = model.InsertLoses(r2 - r1 + 1);
                const std::size_t asked = prompt.shown.size();
                commands.Insert();
                ASSERT_EQ(prompt.shown.size(), asked + (loses ? 1 : 0)) << name;
                if (!loses || yes)
                    model.Insert(r1, r2);
                Compare(name + " Insert");
                break;
            }
            case 5:
            case 6: {
                // One row up or down, or a drop anywhere (past either end too).
                const int pick = static_cast<int>(random() % 3);
                const int dest = pick == 0 ? r1 - 1 : pick == 1 ? r1 + 1 : static_cast<int>(random() % 1010) - 5;
                if (pick < 2)
                    commands.Move(dest - r1);
                else
                    commands.MoveTo(dest);
                const auto [s1, s2] = model.Move(r1, r2, dest);
                Compare(name + " Move to " + std::to_string(dest));
                EXPECT_EQ(controller.Grid(0).SelBlockRow(), s1) << name;
                EXPECT_EQ(controller.Grid(0).SelBlockRow2(), s2) << name;
                break;
            }
            case 4:
                commands.Delete();
                model.Delete(r1, r2);
                Compare(name + " Delete");
                break;
            default:
                break;
            }
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
} // namespace grid
