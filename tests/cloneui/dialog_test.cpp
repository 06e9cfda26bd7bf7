// The two transfer dialogs against the simulated radio, offscreen: their
// printed steps, buttons, results, messages and progress.

#include "clone/ui/differences_window.h"
#include "clone/ui/get_data_dialog.h"
#include "clone/ui/send_data_dialog.h"

// Qt
#include <QLabel>
#include <QTableView>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// gtest
#include <gtest/gtest.h>

// std
#include <ctime>
#include <filesystem>

// project
#include "clone/kept_reads.h"
#include "clone/sim/sim_radio.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/portkit.h"
#include "portkit/pty_support.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"

namespace {

using namespace std::chrono_literals;
using transfer::sim::Faults;
using transfer::sim::Role;
using transfer::sim::SimRadio;

constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";
constexpr int kPort = 3;

QStringList Labels(const QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().contains(QLatin1String(". ")))
            texts << label->text();
    return texts;
}

class TransferDialogs : public ::testing::Test {
protected:
    TransferDialogs()
    {
        SetPortkitPrompt(&prompt);
        platform::Registry::SetDword(kKey, "comport", kPort);
    }
    ~TransferDialogs() override { SetPortkitPrompt(nullptr); }

    std::unique_ptr<SimRadio> Radio(Role role, Faults faults = {},
                                    const radio::RadioImage& image = transfer::sim::SampleImage(4))
    {
        transfer::sim::Options options;
        options.role = role;
        options.image = image;
        options.faults = faults;
        options.startDelay = 50ms;
        auto sim = std::make_unique<SimRadio>(options);
        ports.Link(kPort, sim->PortPath());
        sim->Start();
        return sim;
    }

    // Presses a button once it is enabled, as the user would.
    static void ClickWhenEnabled(QPushButton* button)
    {
        auto* poll = new QTimer(button);
        QObject::connect(poll, &QTimer::timeout, button, [button, poll] {
            if (!button->isEnabled())
                return;
            poll->stop();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        poll->start(10);
    }

    test_support::TempConfigHome home;
    test_support::TempDir state;
    test_support::ScopedEnv stateEnv{"XDG_STATE_HOME", state.path()};
    test_support::PortFolder ports;
    platform::RecordingPrompt prompt;
};

TEST_F(TransferDialogs, GetDataFromShowsTheStepsAndReadsTheRadio)
{
    auto sim = Radio(Role::Send);
    transfer::CGetDataDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Get data from");
    EXPECT_EQ(Labels(dialog), QStringList({"1. Insert cable into the Data jack on the back of the radio",
                                           "2. Press and hold the [MHZ(PRI)] key while turning on the power",
                                           "3. Rotate the Dial to  F-7 CLONE",
                                           "4. Press and hold the [BAND(Set)] key while CLONE mode begins",
                                           "5. Press the [V/M (MW)] key to start clone Tx"}));
    EXPECT_TRUE(dialog.CancelButton()->isDefault());
    EXPECT_EQ(dialog.HelpButton()->text(), "Help");
    for (const QPushButton* b : dialog.findChildren<QPushButton*>())
        EXPECT_NE(b->text(), "OK");
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->maximum(), 31561);

    EXPECT_EQ(dialog.exec(), 1);
    ASSERT_TRUE(dialog.Succeeded());
    auto image = transfer::sim::SampleImage(4);
    EXPECT_TRUE(dialog.Received() == image);
    EXPECT_EQ(dialog.ProgressValue(), 31561);
    EXPECT_EQ(dialog.ProgressText(), "Block 495 of 495, 0 s left");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(TransferDialogs, CancelAndEscapeEndTheReadAtAnyMoment)
{
    Faults silent;
    silent.silentAtStart = true;
    auto sim = Radio(Role::Send, silent);
    transfer::CGetDataDlg byButton;
    ClickWhenEnabled(byButton.CancelButton());
    EXPECT_EQ(byButton.exec(), 2);
    EXPECT_FALSE(byButton.Succeeded());

    transfer::CGetDataDlg byKey;
    QTimer::singleShot(100, &byKey, [&byKey] { QTest::keyClick(&byKey, Qt::Key_Escape); });
    EXPECT_EQ(byKey.exec(), 2);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(TransferDialogs, AChecksumErrorIsShownAndTheReadDoesNotSucceed)
{
    Faults bad;
    bad.badChecksum = true;
    auto sim = Radio(Role::Send, bad);
    transfer::CGetDataDlg dialog;
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_FALSE(dialog.Succeeded());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Error: Check sum errror.");
    EXPECT_EQ(prompt.shown[0].caption, "Ostrel Programmer");
}

TEST_F(TransferDialogs, APortThatCannotBeOpenedEndsTheDialogAtOnce)
{
    platform::Registry::SetDword(kKey, "comport", 9); // no such device
    transfer::CGetDataDlg read;
    EXPECT_EQ(read.exec(), -1);
    transfer::CSendDataDlg write(transfer::sim::SampleImage(2));
    EXPECT_EQ(write.exec(), -1);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].text, "COM9: Invalid or unsupported port.");
}

TEST_F(TransferDialogs, SendDataToWaitsForOkThenWritesTheStream)
{
    auto sim = Radio(Role::Receive);
    const auto image = transfer::sim::SampleImage(8);
    transfer::CSendDataDlg dialog(image);
    EXPECT_EQ(dialog.windowTitle(), "Send data to");
    EXPECT_EQ(Labels(dialog), QStringList({"1. Insert cable into the Data jack on the back of the radio",
                                           "2. Press and hold the [MHZ(PRI)] key while turning on the radio",
                                           "3. Rotate the Dial to  F7 Clone",
                                           "4. Press and hold the [BAND(Set)] key while Clone mode starts",
                                           "5. Press the [LOW(Acc)] key to start clone Rx",
                                           "6. Click OK to start the data transfer."}));
    EXPECT_TRUE(dialog.OkButton()->isDefault());
    EXPECT_FALSE(dialog.OkButton()->isEnabled()); // until the port is open

    bool okDisabledWhileRunning = false;
    QObject::connect(dialog.OkButton(), &QPushButton::clicked, &dialog,
                     [&] { okDisabledWhileRunning = !dialog.OkButton()->isEnabled(); });
    ClickWhenEnabled(dialog.OkButton());
    // A good write leaves the dialog open, offering Verify; Close ends it.
    QObject::connect(&dialog, &transfer::CSendDataDlg::sent, &dialog, [&dialog] {
        EXPECT_TRUE(dialog.VerifyButton()->isVisible());
        EXPECT_EQ(dialog.CancelButton()->text(), "Close");
        ClickWhenEnabled(dialog.CancelButton());
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(dialog.GetOutcome(), transfer::Outcome::Done);
    EXPECT_TRUE(okDisabledWhileRunning);
    ASSERT_TRUE(sim->WaitFinished(2s));
    const auto got = sim->Received();
    EXPECT_TRUE(got == std::vector<std::uint8_t>(image.begin(), image.end())); // byte for byte as handed over
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(TransferDialogs, ARefusedBlockIsCommError)
{
    Faults refuse;
    refuse.refuseBlock = 7;
    auto sim = Radio(Role::Receive, refuse);
    transfer::CSendDataDlg dialog(transfer::sim::SampleImage(8));
    ClickWhenEnabled(dialog.OkButton());
    EXPECT_EQ(dialog.exec(), 1);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Comm Error");
    EXPECT_EQ(prompt.shown[0].caption, "Error");
}

// Before OK the dialog tells what the write changes compared with the newest
// kept read, and Details lists it. After the write Verify reads the radio as
// "Get data from" does: a radio that came back with one byte changed is
// caught and named, one holding the stream is reported as such.
TEST_F(TransferDialogs, SendComparesWithTheKeptReadAndVerifyFindsACorruptedByte)
{
    const auto toSend = transfer::sim::SampleImage(8);
    {
        transfer::CSendDataDlg nothingKept(toSend);
        EXPECT_EQ(nothingKept.SummaryLabel()->text(), "No read of the radio is kept on this computer");
        EXPECT_FALSE(nothingKept.DetailsButton()->isEnabled());
    }
    const auto kept = transfer::sim::SampleImage(4);
    radio::CMainDoc keptDoc('.');
    keptDoc.AdoptRead(kept);
    std::tm readAt{};
    readAt.tm_year = 2026 - 1900;
    readAt.tm_mon = 11;
    readAt.tm_mday = 8;
    readAt.tm_hour = 14;
    readAt.tm_min = 2;
    readAt.tm_isdst = -1;
    ASSERT_EQ(transfer::KeepReadCopies(kept, keptDoc.Bytes(), std::mktime(&readAt)), "");

    auto receiver = Radio(Role::Receive);
    transfer::CSendDataDlg dialog(toSend);
    const QString before = dialog.SummaryLabel()->text();
    EXPECT_TRUE(before.startsWith("Compared with the radio as read on 2026-12-08 14:02: ")) << before.toStdString();
    ASSERT_TRUE(dialog.DetailsButton()->isEnabled());
    dialog.show();
    QTest::mouseClick(dialog.DetailsButton(), Qt::LeftButton);
    auto* details = dialog.findChild<transfer::DifferencesWindow*>();
    ASSERT_NE(details, nullptr);
    EXPECT_GT(details->Table()->model()->rowCount(), 0);
    details->close();

    // The radio comes back with the name of the first named memory in use
    // changed (and so with another checksum).
    int memory = 0;
    while ((toSend[1224 + 16 * memory] & 0x80) == 0 || (toSend[18824 + 8 * memory + 7] & 0x80) == 0)
        ++memory;
    auto corrupted = toSend;
    corrupted[18824 + 8 * memory] = toSend[18824 + 8 * memory] == 0x0A ? 0x0B : 0x0A;

    QStringList verdicts;
    std::vector<radio::Difference> found;
    std::vector<std::unique_ptr<SimRadio>> radios;
    auto radioHolding = [&](const radio::RadioImage& image) {
        std::filesystem::remove(ports.path() + "/COM" + std::to_string(kPort));
        radios.push_back(Radio(Role::Send, {}, image));
    };
    QObject::connect(&dialog, &transfer::CSendDataDlg::sent, &dialog, [&] {
        QTimer::singleShot(0, &dialog, [&] {
            ASSERT_TRUE(receiver->WaitFinished(2s));
            radioHolding(corrupted);
            QTest::mouseClick(dialog.VerifyButton(), Qt::LeftButton);
            verdicts << dialog.SummaryLabel()->text();
            found = dialog.Differences();
            EXPECT_TRUE(dialog.DetailsButton()->isEnabled());

            radioHolding(toSend);
            QTest::mouseClick(dialog.VerifyButton(), Qt::LeftButton);
            verdicts << dialog.SummaryLabel()->text();
            EXPECT_FALSE(dialog.DetailsButton()->isEnabled());
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        });
    });
    ClickWhenEnabled(dialog.OkButton());
    EXPECT_EQ(dialog.exec(), 1);
    ASSERT_EQ(verdicts.size(), 2);
    EXPECT_TRUE(verdicts[0].startsWith("The radio does not hold what was sent: ")) << verdicts[0].toStdString();
    std::string lines;
    for (const radio::Difference& difference : found)
        lines += difference.Text() + "\n";
    ASSERT_EQ(found.size(), 2u) << lines;
    EXPECT_EQ(found[0].place, "Memory " + std::to_string(memory + 1));
    EXPECT_EQ(found[0].field, "Name");
    EXPECT_EQ(found[1].place, "Bytes 31560");
    EXPECT_EQ(verdicts[1], "The radio holds what was sent");
    EXPECT_TRUE(prompt.shown.empty());
}

} // namespace
