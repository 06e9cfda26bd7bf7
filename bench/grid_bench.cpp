// Speed of the grid cycle: grid load and grid store of all eight sheets, opening
// a file with every channel in use up to loaded grids, and the export.

// std
#include <cstdio>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include <string>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "grid/document_controller.h"
#include "radio/main_doc.h"
#include "textio/export.h"

// bench
#include "full_document.h"

namespace {

struct LoadedBook {
    LoadedBook() : doc('.')
    {
        doc.Load(bench::FullFile());
        controller = std::make_unique<grid::DocumentController>(doc);
        controller->FirstUpdate();
    }
    radio::CMainDoc doc{'.'};
    std::unique_ptr<grid::DocumentController> controller;
};

void BM_GridLoad(benchmark::State& state)
{
    LoadedBook loaded;
    for (auto _ : state)
        loaded.controller->GridLoad();
}
BENCHMARK(BM_GridLoad)->Unit(benchmark::kMillisecond);

// The grid store of every sheet after a cell was written (with the text it
// had, so no history step follows).
void BM_GridStore(benchmark::State& state)
{
    LoadedBook loaded;
    grid::CSpreadSheet1& memories = loaded.controller->Grid(radio::kSheetMemories);
    const std::string text = memories.GetText(radio::col::kComment, 1);
    for (auto _ : state) {
        memories.SetText(radio::col::kComment, 1, text);
        benchmark::DoNotOptimize(loaded.controller->GridStore(true));
    }
}
BENCHMARK(BM_GridStore)->Unit(benchmark::kMillisecond);

// One typed edit on the full document: the grid store of every sheet and the
// history step it becomes.
void BM_CommitTypedEdit(benchmark::State& state)
{
    LoadedBook loaded;
    grid::CSpreadSheet1& memories = loaded.controller->Grid(radio::kSheetMemories);
    int n = 0;
    for (auto _ : state) {
        memories.SetText(radio::col::kComment, 500, "edit " + std::to_string(n++));
        benchmark::DoNotOptimize(loaded.controller->GridStore(true));
    }
    state.counters["states"] = static_cast<double>(loaded.doc.History().Size());
}
BENCHMARK(BM_CommitTypedEdit)->Unit(benchmark::kMillisecond);

// Undo of one step: the state restored and every grid loaded again.
void BM_UndoStep(benchmark::State& state)
{
    LoadedBook loaded;
    grid::CSpreadSheet1& memories = loaded.controller->Grid(radio::kSheetMemories);
    memories.SetText(radio::col::kComment, 500, "edited");
    loaded.controller->GridStore(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(loaded.controller->Undo());
        state.PauseTiming();
        loaded.controller->Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMillisecond);

long ResidentKb()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Resident memory that 200 history states add to a full document.
void BM_HistoryMemory200(benchmark::State& state)
{
    for (auto _ : state) {
        LoadedBook loaded;
        grid::CSpreadSheet1& memories = loaded.controller->Grid(radio::kSheetMemories);
        const long before = ResidentKb();
        for (int i = 0; i < 200; ++i) {
            memories.SetText(radio::col::kComment, 1 + i, "edit " + std::to_string(i));
            loaded.controller->GridStore(true);
        }
        state.counters["added_MB"] = static_cast<double>(ResidentKb() - before) / 1024.0;
        state.counters["states"] = static_cast<double>(loaded.doc.History().Size());
    }
}
BENCHMARK(BM_HistoryMemory200)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenToLoadedGrids(benchmark::State& state)
{
    const std::string path = bench::FullFile();
    for (auto _ : state) {
        radio::CMainDoc doc('.');
        doc.Load(path);
        grid::DocumentController controller(doc);
        controller.FirstUpdate();
        benchmark::DoNotOptimize(controller.CurrentSheet());
    }
}
BENCHMARK(BM_OpenToLoadedGrids)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state)
{
    LoadedBook loaded;
    const std::string out = (std::filesystem::temp_directory_path() / "ostrel-bench-export.csv").string();
    for (auto _ : state) {
        std::string error;
        benchmark::DoNotOptimize(textio::ExportSheet(loaded.controller->Grid(radio::kSheetMemories), out, error));
    }
    std::remove(out.c_str());
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
