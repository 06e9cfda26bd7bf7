// Speed of the grid cycle: grid load and grid store of all eight sheets, opening
// a file with every channel in use up to loaded grids, and the export.

// std
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "grid/sheet_book.h"
#include "radio/main_doc.h"
#include "textio/export.h"

// bench
#include "full_document.h"

namespace {

struct LoadedBook {
    LoadedBook() : doc('.')
    {
        doc.Load(bench::FullFile());
        book = std::make_unique<grid::SheetBook>(doc);
        book->FirstUpdate();
    }
    radio::CMainDoc doc;
    std::unique_ptr<grid::SheetBook> book;
};

void BM_GridLoad(benchmark::State& state)
{
    LoadedBook loaded;
    for (auto _ : state)
        loaded.book->GridLoad();
}
BENCHMARK(BM_GridLoad)->Unit(benchmark::kMillisecond);

void BM_GridStore(benchmark::State& state)
{
    LoadedBook loaded;
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.book->GridStore(true));
}
BENCHMARK(BM_GridStore)->Unit(benchmark::kMillisecond);

void BM_OpenToLoadedGrids(benchmark::State& state)
{
    const std::string path = bench::FullFile();
    for (auto _ : state) {
        radio::CMainDoc doc('.');
        doc.Load(path);
        grid::SheetBook book(doc);
        book.FirstUpdate();
        benchmark::DoNotOptimize(book.CurrentSheet());
    }
}
BENCHMARK(BM_OpenToLoadedGrids)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state)
{
    LoadedBook loaded;
    const std::string out = (std::filesystem::temp_directory_path() / "ostrel-bench-export.csv").string();
    for (auto _ : state) {
        std::string error;
        benchmark::DoNotOptimize(textio::ExportSheet(loaded.book->Grid(radio::kSheetMemories), out, error));
    }
    std::remove(out.c_str());
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
