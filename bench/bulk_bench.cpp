// Speed of editing many channels on a file with every channel in use, each
// as the one undo step the program makes of it: a fill of 1000 rows (tone
// mode, and receive frequency with its recomputed shift), a move of 500 rows
// by one row, and a search over every sheet that finds nothing.

// std
#include <memory>
#include <string>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "grid/bulk_edit.h"
#include "grid/cell_rules.h"
#include "grid/document_controller.h"
#include "grid/row_commands.h"
#include "grid/rule_access.h"
#include "radio/main_doc.h"

// bench
#include "full_document.h"

namespace {

struct FullBook {
    FullBook() : doc('.')
    {
        doc.Load(bench::FullFile());
        controller = std::make_unique<grid::DocumentController>(doc);
        controller->FirstUpdate();
        access = std::make_unique<grid::RuleAccess>(*controller);
        cells = std::make_unique<grid::CellRules>(*access);
        rows = std::make_unique<grid::RowCommands>(*controller, clipboard);
    }
    // One fill step, as the view runs it.
    int Fill(int col, const std::string& value)
    {
        int filled = 0;
        controller->RunGridStep([&] {
            filled = grid::FillRows(*cells, *controller, 0, col, 1, 1000, value).filled;
            return std::string("Fill");
        });
        return filled;
    }

    radio::CMainDoc doc{'.'};
    std::unique_ptr<grid::DocumentController> controller;
    std::unique_ptr<grid::RuleAccess> access;
    std::unique_ptr<grid::CellRules> cells;
    grid::RowClipboard clipboard;
    std::unique_ptr<grid::RowCommands> rows;
};

void BM_Fill1000ToneModes(benchmark::State& state)
{
    FullBook full;
    const char* values[] = {"Enc", "Enc-Dec"};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(full.Fill(8, values[i++ % 2]));
}
BENCHMARK(BM_Fill1000ToneModes)->Unit(benchmark::kMillisecond);

void BM_Fill1000ReceiveFrequencies(benchmark::State& state)
{
    FullBook full;
    const char* values[] = {"146.94", "442.5"};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(full.Fill(1, values[i++ % 2]));
}
BENCHMARK(BM_Fill1000ReceiveFrequencies)->Unit(benchmark::kMillisecond);

void BM_Move500RowsOneRow(benchmark::State& state)
{
    FullBook full;
    full.controller->Grid(0).SelectBlock({1, 100, 35, 599});
    int delta = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(full.controller->RunGridStep([&] {
            return full.rows->Move(delta).changed ? std::string("Move Rows") : std::string();
        }));
        delta = -delta;
    }
}
BENCHMARK(BM_Move500RowsOneRow)->Unit(benchmark::kMillisecond);

void BM_FindOverAllSheetsNothingFound(benchmark::State& state)
{
    FullBook full;
    for (auto _ : state)
        benchmark::DoNotOptimize(grid::FindNext(*full.controller, "no such text", {0, 1, 1}, true, true));
}
BENCHMARK(BM_FindOverAllSheetsNothingFound)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
