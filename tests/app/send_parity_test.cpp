// The program's "Send data to..." and ostrel-cli write put the same bytes on
// the line for the same file: random documents whose Hyper Memories need
// every fix-up of a write, each sent both ways to the simulated radio.

#include "app/child_frame.h"
#include "app/main_frame.h"

// Qt
#include <QApplication>
#include <QPushButton>
#include <QTimer>

// gtest
#include <gtest/gtest.h>

// std
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

// project
#include "app/command_ids.h"
#include "app/portkit_loader.h"
#include "clone/sim/sim_radio.h"
#include "clone/transfer_doc.h"
#include "clone/ui/send_data_dialog.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/pty_support.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "radio/main_doc.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";
constexpr int kDocuments = 100;
// A transfer takes about half a second: the first documents go on the line
// both ways, the next ones from the command line only (compared with the
// stream of the program's dialog), the rest compare the dialog's stream with
// the one the write route builds from the file as the command line opens it.
constexpr int kBothOnLine = 3;
constexpr int kCliOnLine = 8;
constexpr int kPort = 4;
constexpr std::size_t kStreamBytes = 31561;

// A document with random channels and Hyper Memory choices that point at
// nothing: memory numbers of empty memories, links and bank choices of
// empty banks, Special Scan on empty pairs, a VFO area of its own.
void MakeDocument(radio::CMainDoc& doc, std::mt19937& random)
{
    doc.OnNewDocument();
    radio::RadioImage& image = doc.Image();
    const std::int32_t bases[] = {144000000, 430000000, 29000000, 900000000, 120000000};
    const int channels = static_cast<int>(random() % 40);
    for (int n = 0; n < channels; ++n) {
        const int index = static_cast<int>(random() % radio::kChannelCount);
        std::uint8_t* record = doc.Record(radio::kSheetMemories, index);
        std::fill_n(record, radio::kChannelRecordSize, std::uint8_t{0});
        const std::int32_t rx = bases[random() % 5] + static_cast<std::int32_t>(random() % 400) * 5000;
        const bool plus = random() % 2 != 0;
        radio::SetField(record, radio::ChannelField::InUse, 1);
        radio::SetField(record, radio::ChannelField::Receive, rx);
        radio::SetField(record, radio::ChannelField::Direction, plus ? radio::kPlus : radio::kSimplex);
        radio::SetField(record, radio::ChannelField::Offset, 600000);
        radio::SetField(record, radio::ChannelField::Transmit, plus ? rx + 600000 : rx);
        radio::SetField(record, radio::ChannelField::Power, static_cast<int>(random() % 4));
        radio::SetField(record, radio::ChannelField::Ctcss, static_cast<int>(random() % 50));
        radio::EncodeName(random() % 2 ? "RPT" : "", doc.NameRecord(radio::kSheetMemories, index));
        doc.SetComment(index, random() % 3 ? "" : "c" + std::to_string(n));
        if (index < radio::kMemoryCount) {
            for (int k = 0; k < radio::kHyperCount; ++k)
                radio::SetScanValue(image, k, index, static_cast<int>(random() % 3));
            if (random() % 2)
                doc.SetBankBit(static_cast<int>(random() % 20), index, true);
        }
    }
    for (int k = 0; k < radio::kHyperCount; ++k) {
        std::uint8_t* area = image.data() + radio::HyperAreaOffset(k);
        std::uint8_t* block = area + radio::offs::kHyperSettings;
        radio::SetSetting(block, radio::HyperField::MemoryNumber, static_cast<int>(random() % 1000));
        radio::SetSetting(block, radio::HyperField::MemoryBank, static_cast<int>(random() % 21));
        radio::SetSetting(block, radio::HyperField::SpecialScan, static_cast<int>(random() % 50));
        radio::SetSetting(block, radio::HyperField::SpecialScanOn, static_cast<int>(random() % 2));
        radio::SetSetting(block, radio::HyperField::Mode, static_cast<int>(random() % 3));
        for (int bank = 0; bank < 20; ++bank)
            radio::SetBankLink(area, bank, random() % 3 == 0);
    }
    radio::SetActiveHyper(image, static_cast<int>(random() % 5));
    // The current state as the radio left it, unlike any Hyper Memory.
    const std::size_t from = radio::HyperAreaOffset(static_cast<int>(random() % 5));
    std::uint8_t* vfo = image.data() + radio::offs::kVfoArea;
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(from), radio::kHyperAreaSize, vfo);
    radio::SetSetting(vfo + radio::offs::kHyperSettings, radio::HyperField::MemoryNumber,
                      static_cast<int>(random() % 1000));
}

class SendParity : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::PortkitLoader::Instance().SetCandidates({PORTKIT_TEST_LIBRARY});
        platform::Registry::SetDword(kKey, "comport", kPort);
        frame_.show();
    }

    std::string Path(const std::string& name) const { return files_.path() + "/" + name; }

    // A simulated radio taking a stream on the port.
    std::unique_ptr<transfer::sim::SimRadio> Receiver()
    {
        transfer::sim::Options options;
        options.role = transfer::sim::Role::Receive;
        auto sim = std::make_unique<transfer::sim::SimRadio>(options);
        std::filesystem::remove(ports_.path() + "/COM" + std::to_string(kPort));
        ports_.Link(kPort, sim->PortPath());
        sim->Start();
        return sim;
    }

    // The file opened in the program and sent with "Send data to...": what
    // the dialog would send, and what reached the radio when `onLine`. The
    // dialog is never shown when the document's settings were refused.
    Bytes SendFromProgram(const std::string& path, bool onLine, Bytes& toSend)
    {
        toSend.clear();
        auto sim = Receiver();
        CChildFrame* window = frame_.OpenDocument(path);
        EXPECT_NE(window, nullptr) << path;
        if (window == nullptr)
            return {};
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, onLine, &toSend] {
            auto* send = qobject_cast<transfer::CSendDataDlg*>(QApplication::activeModalWidget());
            if (send == nullptr)
                return;
            toSend.assign(send->ToSend().begin(), send->ToSend().end());
            if (!onLine) {
                poll->stop();
                static_cast<QDialog*>(send)->reject();
            } else if (send->OkButton()->isEnabled()) {
                send->OkButton()->click();
            } else if (send->Sent()) { // the dialog offers Verify: close it
                poll->stop();
                send->CancelButton()->click();
            }
        });
        poll->start(5);
        frame_.Dispatch(cmd::SendData);
        delete poll;
        window->close();
        if (!onLine || toSend.empty())
            return {};
        sim->WaitFinished(3s);
        return sim->Received();
    }

    // ostrel-cli write of the file: its exit code, and what reached the radio.
    Bytes SendFromCli(const std::string& path, int& code)
    {
        auto sim = Receiver();
        const test_support::CliResult result = test_support::RunCli({"write", path, "--port", std::to_string(kPort)});
        code = result.code;
        if (code == 0)
            sim->WaitFinished(3s);
        else
            std::this_thread::sleep_for(100ms); // anything sent would have arrived
        return sim->Received();
    }

    test_support::TempConfigHome home_;
    test_support::TempDir state_;
    test_support::ScopedEnv stateEnv_{"XDG_STATE_HOME", state_.path()};
    test_support::TempDir files_;
    test_support::PortFolder ports_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
};

// Ten documents a case, so that CTest spreads them over the cores.
constexpr int kDocumentsPerCase = 10;
class SendParityOfDocuments : public SendParity, public ::testing::WithParamInterface<int> {};

TEST_P(SendParityOfDocuments, TheProgramAndTheCommandLineSendTheSameBytes)
{
    const int first = GetParam() * kDocumentsPerCase + 1;
    for (int seed = first; seed < first + kDocumentsPerCase; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        radio::CMainDoc doc('.');
        MakeDocument(doc, random);
        const std::string path = Path("doc" + std::to_string(seed) + ".rdf");
        ASSERT_TRUE(doc.Save(path)) << doc.ErrorText();

        const bool onLine = seed <= kBothOnLine;
        Bytes dialog;
        const Bytes program = SendFromProgram(path, onLine, dialog);
        Bytes cli;
        if (seed <= kCliOnLine) {
            int code = -1;
            cli = SendFromCli(path, code);
            ASSERT_EQ(code, 0) << "seed " << seed;
        } else {
            radio::CMainDoc opened('.');
            ASSERT_TRUE(opened.Load(path)) << opened.ErrorText();
            const auto stream = transfer::StreamForWrite(opened);
            ASSERT_TRUE(stream.has_value()) << "seed " << seed;
            cli.assign(stream->begin(), stream->end());
        }
        ASSERT_EQ(cli.size(), kStreamBytes) << "seed " << seed;
        ASSERT_EQ(dialog, cli) << "seed " << seed << ": the dialog's stream";
        if (onLine) {
            ASSERT_EQ(program, cli) << "seed " << seed << ": the line";
        }
    }
    for (const platform::Message& message : prompt_.shown)
        ADD_FAILURE() << "the program said: " << message.text;
}

INSTANTIATE_TEST_SUITE_P(Documents, SendParityOfDocuments, ::testing::Range(0, kDocuments / kDocumentsPerCase));

TEST_F(SendParity, ARefusedSettingFileOfTheDocumentSendsNothingEitherWay)
{
    platform::Registry::SetString(kKey, "SettingDir", files_.path());
    std::ofstream(Path("mobile.rsf")) << "not a setting file";
    std::mt19937 random(7);
    radio::CMainDoc doc('.');
    MakeDocument(doc, random);
    doc.SetSourceName("mobile.rsf");
    ASSERT_TRUE(doc.Save(Path("tied.rdf")));

    Bytes dialog;
    EXPECT_TRUE(SendFromProgram(Path("tied.rdf"), true, dialog).empty());
    EXPECT_TRUE(dialog.empty()) << "no dialog opens";
    ASSERT_FALSE(prompt_.shown.empty());
    EXPECT_EQ(prompt_.shown.back().text, "Not a radio data file:\n" + Path("mobile.rsf"));

    int code = -1;
    EXPECT_TRUE(SendFromCli(Path("tied.rdf"), code).empty());
    EXPECT_EQ(code, 1);
}

} // namespace
