// Benchmarks of the Settings dialog: opening it for a document read from the
// radio (building every control from the table and filling it), opening it
// on a setting file with the save question's collect, and the command line's
// settings show of that file.

// project
#include "cli/commands.h"
#include "platform/radio_services.h"
#include "radio/default_image.h"
#include "radio/settings_file.h"
#include "radio/settings_load.h"
#include "settings/settings_session.h"
#include "settings/ui/dtmf_dlg.h"
#include "settings/ui/settings_dlg.h"

// bench
#include "qt_bench_main.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

// std
#include <cstdlib>
#include <sstream>

// benchmark
#include <benchmark/benchmark.h>

namespace {

void BM_OpenSettingsForReadRadio(benchmark::State& state)
{
    const radio::RadioImage& image = radio::DefaultImage();
    for (auto _ : state) {
        CSettingsDlg dialog(settings::ApplicationSettings(), image, "ReadRadio");
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.Control(1124));
    }
}
BENCHMARK(BM_OpenSettingsForReadRadio)->Unit(benchmark::kMillisecond);

void BM_OpenDtmfDialog(benchmark::State& state)
{
    radio::SettingsBlock block{};
    block.fill(0xFF);
    for (auto _ : state) {
        CDtmfDlg dialog(block);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_OpenDtmfDialog)->Unit(benchmark::kMillisecond);

void BM_CliSettingsShow(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("bench.rsf").toStdString();
    radio::SettingsRecord record = radio::DefaultSettingsRecord();
    radio::WriteSettingsFile(path, record, platform::PromptMessages());
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(cli::Run({"settings", "show", path}, out, err));
    }
}
BENCHMARK(BM_CliSettingsShow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    return bench::RunWithApplication(argc, argv);
}
