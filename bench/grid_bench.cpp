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
#include "radio/frequency.h"
#include "radio/lists.h"
#include "radio/main_doc.h"
#include "textio/export.h"

namespace {

// A document with all 1100 channel records in use, each with a name, a
// comment and (for memories) a bank.
void FillEveryChannel(radio::CMainDoc& doc)
{
    doc.OnNewDocument();
    doc.SetSheetKind(radio::kSheetMemories);
    for (int i = 0; i < radio::kChannelCount; ++i) {
        std::uint8_t* rec = doc.Record(i);
        std::fill(rec, rec + radio::kChannelRecordSize, 0);
        const std::int32_t rx = 144000000 + 25000 * i;
        rec[0] = 0x80;
        radio::EncodeFrequency(rx, rec + 1);
        radio::EncodeFrequency(rx, rec + 5);
        rec[8] = static_cast<std::uint8_t>(i % 50);
        rec[11] = 0;
        rec[12] = 12; // 600 kHz
        std::uint8_t* name = doc.NameRecord(i);
        radio::EncodeName("CH" + std::to_string(i % 1000), name);
        name[7] |= 0x80;
        doc.SetComment(i, "Channel comment " + std::to_string(i));
        if (i < radio::kMemoryCount)
            doc.SetBankBit(i % radio::kBankCount, i, true);
    }
}

std::string FullFile()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "ostrel-bench-full.rdf").string();
        radio::CMainDoc doc('.');
        FillEveryChannel(doc);
        doc.Save(p);
        return p;
    }();
    return path;
}

struct LoadedBook {
    LoadedBook() : doc('.')
    {
        doc.Load(FullFile());
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
    const std::string path = FullFile();
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
