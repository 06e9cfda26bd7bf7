// Whole read and whole write through the transfer dialogs against the
// simulated radio paced at 9600 baud 8N2, each as a ratio to what the line
// itself needs, (31561 + 494) x 11 / 9600 = 36.73 s, and the event loop's
// longest delay meanwhile (a 5 ms timer's lateness). The radio sits behind a
// USB serial chip whose latency timer is 16 ms (the usual default), then 1 ms
// (what the udev rule sets). Runs offscreen; about 80 s a latency.
// Usage: clone_bench [--unpaced] [--latency MS]

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

// std
#include <algorithm>
#include <cstdio>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <string>

// project
#include "clone/ui/get_data_dialog.h"
#include "clone/ui/send_data_dialog.h"
#include "clone/sim/sim_radio.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/portkit.h"
#include "support/linked_radio.h"

namespace {

using namespace std::chrono_literals;
constexpr double kLineSeconds = (31561.0 + 494.0) * 11.0 / 9600.0;
constexpr int kPort = 3;

// The longest lateness of a 5 ms timer while it runs.
class LoopWatch {
public:
    LoopWatch()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 gap = clock_.nsecsElapsed();
            clock_.restart();
            const qint64 late = gap - 5'000'000;
            if (late > worst_) {
                worst_ = late;
                worstAt_ = since_.elapsed();
            }
            lates_.push_back(late);
        });
        since_.start();
        clock_.start();
        timer_.start();
    }
    double WorstMs() const { return static_cast<double>(worst_) / 1e6; }
    // When the worst delay came, in seconds from the start.
    double WorstAt() const { return static_cast<double>(worstAt_) / 1e3; }
    // The lateness below which 999 of 1000 ticks came.
    double Permille999Ms()
    {
        if (lates_.empty())
            return 0;
        std::sort(lates_.begin(), lates_.end());
        return static_cast<double>(lates_[lates_.size() * 999 / 1000]) / 1e6;
    }
    int Over(double ms) const
    {
        return static_cast<int>(std::count_if(lates_.begin(), lates_.end(),
                                              [ms](qint64 late) { return late > ms * 1e6; }));
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    QElapsedTimer since_;
    qint64 worst_ = 0;
    qint64 worstAt_ = 0;
    std::vector<qint64> lates_;
};

struct Figures {
    double seconds;
    double worstLoopMs;
    double worstAt;
    double permille999Ms;
    int over50;
    int result;
    bool done;
};

struct Setup {
    bool paced;
    std::chrono::milliseconds latency;
    std::string folder;
};

std::unique_ptr<transfer::sim::SimRadio> Radio(transfer::sim::Role role, const Setup& setup)
{
    return test_support::LinkedRadio(role, setup.paced, 3, setup.folder, kPort, setup.latency);
}

Figures Read(const Setup& setup)
{
    auto sim = Radio(transfer::sim::Role::Send, setup);
    transfer::CGetDataDlg dialog;
    LoopWatch watch;
    QElapsedTimer clock;
    // The radio starts once the dialog has opened its port.
    QTimer::singleShot(20, [&] {
        clock.start();
        sim->Start();
    });
    const int result = dialog.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    return {seconds, watch.WorstMs(), watch.WorstAt(), watch.Permille999Ms(), watch.Over(50), result,
            dialog.Succeeded()};
}

Figures Write(const Setup& setup)
{
    auto sim = Radio(transfer::sim::Role::Receive, setup);
    sim->Start();
    transfer::CSendDataDlg dialog(transfer::sim::SampleImage(5));
    LoopWatch watch;
    QElapsedTimer clock;
    QTimer::singleShot(20, [&] {
        clock.start();
        dialog.OkButton()->click();
    });
    // A good write leaves the dialog offering Verify: the time ends there.
    double seconds = 0;
    QObject::connect(&dialog, &transfer::CSendDataDlg::sent, [&] {
        seconds = clock.nsecsElapsed() / 1e9;
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.CancelButton()->click(); });
    });
    const int result = dialog.exec();
    if (seconds == 0)
        seconds = clock.nsecsElapsed() / 1e9;
    sim->WaitFinished(2s);
    return {seconds, watch.WorstMs(), watch.WorstAt(), watch.Permille999Ms(), watch.Over(50), result,
            dialog.GetOutcome() == transfer::Outcome::Done && sim->ReceivedGood()};
}

void Report(const char* what, const Figures& f)
{
    std::printf("%-6s %s  %7.3f s  ratio to the line %.4f\n"
                "       event-loop delay: worst %.2f ms (at %.1f s), 99.9%% under %.2f ms, %d ticks over 50 ms\n",
                what, f.done ? "ok    " : "FAILED", f.seconds, f.seconds / kLineSeconds, f.worstLoopMs, f.worstAt,
                f.permille999Ms, f.over50);
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    bool paced = true;
    std::vector<int> latencies{16, 1};
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--unpaced")
            paced = false;
        else if (std::string(argv[i]) == "--latency" && i + 1 < argc)
            latencies = {std::atoi(argv[++i])};
    }
    const std::string base = std::filesystem::temp_directory_path() / ("clone-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base + "/ports");
    ::setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    ::setenv("XDG_STATE_HOME", base.c_str(), 1);
    ::setenv("PORTKIT_PORT_DIR", (base + "/ports").c_str(), 1);
    QApplication app(argc, argv);
    platform::RecordingPrompt prompt;
    SetPortkitPrompt(&prompt);
    platform::Registry::SetDword(platform::kSettingsKey, "comport", kPort);

    std::printf("line limit %.3f s (%s)\n", kLineSeconds, paced ? "paced at 9600 baud 8N2" : "unpaced");
    bool done = true;
    for (int latency : latencies) {
        const Setup setup{paced, std::chrono::milliseconds(latency), base + "/ports"};
        std::printf("latency timer %d ms\n", latency);
        const Figures read = Read(setup);
        Report("read", read);
        const Figures write = Write(setup);
        Report("write", write);
        done = done && read.done && write.done;
    }
    for (const auto& m : prompt.shown)
        std::printf("message: %s\n", m.text.c_str());
    SetPortkitPrompt(nullptr);
    std::filesystem::remove_all(base);
    return done ? 0 : 1;
}
