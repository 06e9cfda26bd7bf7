// Pictures of "Get data from" and "Send data to" part-way through a transfer
// against the paced simulated radio (not a test; run under xvfb-run):
//   transfer_screens OUT_FOLDER

// Qt
#include <QApplication>
#include <QPushButton>
#include <QTimer>

// std
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// project
#include "clone/sim/sim_radio.h"
#include "clone/ui/get_data_dialog.h"
#include "clone/ui/send_data_dialog.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/portkit.h"
#include "support/linked_radio.h"

namespace {

constexpr int kPort = 3;

std::unique_ptr<transfer::sim::SimRadio> Radio(transfer::sim::Role role, const std::string& ports)
{
    auto sim = test_support::LinkedRadio(role, true, 2, ports, kPort);
    sim->Start();
    return sim;
}

// Grabs the dialog after `ms`, then cancels it.
void GrabLater(QDialog& dialog, int ms, const QString& path)
{
    QTimer::singleShot(ms, &dialog, [&dialog, path] {
        dialog.grab().save(path);
        std::printf("%s\n", qPrintable(path));
        dialog.reject();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::string base = std::filesystem::temp_directory_path() / ("transfer-screens-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base + "/ports");
    ::setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    ::setenv("PORTKIT_PORT_DIR", (base + "/ports").c_str(), 1);
    platform::RecordingPrompt prompt;
    SetPortkitPrompt(&prompt);
    platform::Registry::SetDword(platform::kSettingsKey, "comport", kPort);

    {
        auto sim = Radio(transfer::sim::Role::Send, base + "/ports");
        transfer::CGetDataDlg read;
        read.show();
        GrabLater(read, 6000, out + "/get_data_from.png");
        read.exec();
    }
    {
        auto sim = Radio(transfer::sim::Role::Receive, base + "/ports");
        transfer::CSendDataDlg write(transfer::sim::SampleImage(3));
        write.show();
        QTimer::singleShot(300, &write, [&write] { write.OkButton()->click(); });
        GrabLater(write, 9000, out + "/send_data_to.png");
        write.exec();
    }
    SetPortkitPrompt(nullptr);
    std::filesystem::remove_all(base);
    return 0;
}
