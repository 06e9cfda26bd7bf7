// The comparison windows with a document and three kept reads, for looking
// at under a display (not a test; the window stays until closed):
//   compare_screens send   "Send data to" with what the write changes
//   compare_screens diff   the differences to the newest kept read
//   compare_screens kept   File > Kept Reads...

// Qt
#include <QApplication>
#include <QPushButton>
#include <QTimer>

// std
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

// project
#include "app/application.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/portkit_loader.h"
#include "clone/kept_reads.h"
#include "clone/ui/kept_reads_dialog.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "radio/frequency.h"
#include "radio/lists.h"
#include "radio/main_doc.h"
#include "support/linked_radio.h"

namespace {

constexpr int kPort = 3;

// Three reads of the radio an hour apart, the newest last.
void KeepReads()
{
    std::tm at{};
    at.tm_year = 2026 - 1900;
    at.tm_mon = 11;
    at.tm_mday = 8;
    at.tm_hour = 12;
    at.tm_min = 2;
    at.tm_isdst = -1;
    for (unsigned k = 0; k < 3; ++k) {
        radio::CMainDoc read('.');
        read.AdoptRead(transfer::sim::SampleImage(2 + k));
        transfer::Stream stream{};
        std::copy(read.Image().begin(), read.Image().end(), stream.begin());
        transfer::KeepReadCopies(stream, read.Bytes(), std::mktime(&at) + 3600 * k);
    }
}

// The newest read with a few memories edited, saved as club.rdf.
std::string EditedDocument(const std::string& folder)
{
    radio::CMainDoc doc('.');
    doc.AdoptRead(transfer::sim::SampleImage(4));
    for (int i : {2, 5, 11, 40}) {
        std::uint8_t* rec = doc.Record(radio::kSheetMemories, i);
        rec[0] |= 0x80;
        radio::EncodeFrequency(146520000 + 30000 * i, rec + 1);
        radio::EncodeName("RPT" + std::to_string(i), doc.NameRecord(radio::kSheetMemories, i));
    }
    doc.SetComment(5, "Club repeater");
    const std::string path = folder + "/club.rdf";
    doc.Save(path);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    app::SetUpIcons();
    app::PortkitLoader::Instance().SetCandidates({PORTKIT_SCREENS_LIBRARY});
    const std::string stage = argc > 1 ? argv[1] : "diff";
    const std::string base =
        std::filesystem::temp_directory_path() / ("compare-screens-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base + "/ports");
    ::setenv("XDG_CONFIG_HOME", base.c_str(), 0);
    ::setenv("XDG_STATE_HOME", (base + "/state").c_str(), 0);
    ::setenv("PORTKIT_PORT_DIR", (base + "/ports").c_str(), 1);
    platform::Registry::SetDword(platform::kSettingsKey, "comport", kPort);
    KeepReads();
    const std::string path = EditedDocument(base);

    CMainFrame frame;
    frame.show();
    frame.OpenDocument(path);
    auto sim = test_support::LinkedRadio(transfer::sim::Role::Receive, true, 4, base + "/ports", kPort);
    sim->Start();
    QTimer::singleShot(500, &frame, [&frame, stage] {
        if (stage == "send") {
            frame.Dispatch(cmd::SendData);
            return;
        }
        if (stage == "diff") {
            QTimer::singleShot(300, [] {
                if (auto* kept = qobject_cast<transfer::KeptReadsDialog*>(QApplication::activeModalWidget()))
                    kept->CompareButton()->click();
            });
        }
        frame.Dispatch(cmd::KeptReads);
    });
    const int result = QApplication::exec();
    std::filesystem::remove_all(base);
    return result;
}
