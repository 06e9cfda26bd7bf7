// Speed of the channel row commands on a file with every channel in use:
// sort of all 1000 channels by receive frequency, Insert and Delete at row 1
// (alone and as a whole undo step), Copy and Paste of 1000 rows.

// std
#include <memory>
#include <string>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "grid/row_commands.h"
#include "grid/document_controller.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"

// bench
#include "full_document.h"

namespace {

// Says Yes to the Insert warning, so every Insert does its work.
class YesPrompt : public platform::Prompt {
public:
    YesPrompt() : previous_(platform::SetPrompt(this)) {}
    ~YesPrompt() override { platform::SetPrompt(previous_); }
    YesPrompt(const YesPrompt&) = delete;
    YesPrompt& operator=(const YesPrompt&) = delete;
    platform::Answer Show(const platform::Message&) override { return platform::Answer::Yes; }

private:
    platform::Prompt* previous_;
};

struct FullBook {
    FullBook() : doc('.')
    {
        doc.Load(bench::FullFile());
        controller = std::make_unique<grid::DocumentController>(doc);
        controller->FirstUpdate();
        rows = std::make_unique<grid::RowCommands>(*controller, clipboard);
    }
    void Select(int r1, int r2) { controller->Grid(0).SelectBlock({1, r1, 35, r2}); }

    YesPrompt yes;
    radio::CMainDoc doc{'.'};
    std::unique_ptr<grid::DocumentController> controller;
    grid::RowClipboard clipboard;
    std::unique_ptr<grid::RowCommands> rows;
};

void BM_SortAllByReceiveFrequency(benchmark::State& state)
{
    FullBook full;
    full.Select(1, 2);
    int order = 2; // the file is in ascending order: every sort reverses it
    for (auto _ : state) {
        const grid::RowChange change = full.rows->Sort([&](const auto&, grid::SortChoice& choice) {
            choice = {grid::kSortScopeAll, order, 1, 0};
            return true;
        });
        benchmark::DoNotOptimize(change.changed);
        order = 3 - order;
    }
}
BENCHMARK(BM_SortAllByReceiveFrequency)->Unit(benchmark::kMillisecond);

void BM_InsertAtRow1(benchmark::State& state)
{
    FullBook full;
    full.Select(1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(full.rows->Insert().changed);
}
BENCHMARK(BM_InsertAtRow1)->Unit(benchmark::kMillisecond);

void BM_DeleteRow1(benchmark::State& state)
{
    FullBook full;
    full.Select(1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(full.rows->Delete().changed);
}
BENCHMARK(BM_DeleteRow1)->Unit(benchmark::kMillisecond);

// The whole step as the menu runs it: store of the grids, the command, the
// store of its result and the history's new state.
void BM_DeleteRow1AsUndoStep(benchmark::State& state)
{
    FullBook full;
    full.Select(1, 1);
    for (auto _ : state)
        full.controller->RunGridStep([&] { return full.rows->Delete().changed ? std::string("Delete of 1 Channel") : std::string(); });
}
BENCHMARK(BM_DeleteRow1AsUndoStep)->Unit(benchmark::kMillisecond);

void BM_Copy1000Rows(benchmark::State& state)
{
    FullBook full;
    full.Select(1, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(full.rows->Copy());
}
BENCHMARK(BM_Copy1000Rows)->Unit(benchmark::kMillisecond);

void BM_Paste1000Rows(benchmark::State& state)
{
    FullBook full;
    full.Select(1, 1000);
    full.rows->Copy();
    for (auto _ : state)
        benchmark::DoNotOptimize(full.rows->Paste().changed);
}
BENCHMARK(BM_Paste1000Rows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
