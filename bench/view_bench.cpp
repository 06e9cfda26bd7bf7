// Speed and memory of the view on screen: opening the fullest file up to its
// grids shown, a tab switch, and the resident memory with four documents open.
// Runs on the offscreen platform unless a display is given.

// Qt
#include <QApplication>

// std
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "grid/ui/main_view.h"
#include "radio/main_doc.h"

// bench
#include "full_document.h"
#include "qt_bench_main.h"

namespace {

struct OpenView {
    OpenView() : doc('.')
    {
        doc.Load(bench::FullFile());
        view = std::make_unique<CMainView>(doc);
        view->resize(1024, 700);
        view->OnInitialUpdate();
        view->show();
        QApplication::processEvents();
    }
    radio::CMainDoc doc{'.'};
    std::unique_ptr<CMainView> view;
};

double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_OpenToGridsShown(benchmark::State& state)
{
    for (auto _ : state) {
        OpenView open;
        open.view->repaint();
    }
}
BENCHMARK(BM_OpenToGridsShown)->Unit(benchmark::kMillisecond);

void BM_TabSwitch(benchmark::State& state)
{
    OpenView open;
    int sheet = 0;
    for (auto _ : state) {
        sheet = sheet == 0 ? 3 : 0;
        open.view->SetCurrentSheet(sheet);
        open.view->repaint();
    }
}
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMillisecond);

void BM_FourDocumentsResident(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::unique_ptr<OpenView>> views;
        for (int i = 0; i < 4; ++i)
            views.push_back(std::make_unique<OpenView>());
        state.counters["resident_MB"] = ResidentMegabytes();
    }
}
BENCHMARK(BM_FourDocumentsResident)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithApplication(argc, argv);
}
