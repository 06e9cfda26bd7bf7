// Speed of one typed cell edit on the fullest file: the events the grid
// raises for typing a receive frequency and leaving the cell, the rules they
// run, and the commit that stores every sheet. Once on the logic alone, once
// through the view's model on screen (offscreen unless a display is given).

// Qt
#include <QApplication>

// std
#include <cstdlib>
#include <memory>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "grid/cell_rules.h"
#include "grid/bank_rules.h"
#include "grid/rule_access.h"
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "radio/main_doc.h"

// bench
#include "full_document.h"
#include "qt_bench_main.h"

namespace {

// Two frequencies in turn, so that every edit changes the image.
const char* const kTyped[] = {"146.94000", "442.50000"};
constexpr int kRow = 500;

void BM_TypedEditLogic(benchmark::State& state)
{
    radio::CMainDoc doc('.');
    doc.Load(bench::FullFile());
    grid::DocumentController controller(doc);
    grid::RuleAccess access(controller);
    grid::CellRules cells(access);
    grid::BankRules banks(access);
    controller.FirstUpdate();
    grid::CSpreadSheet1& memories = controller.Grid(0);
    int turn = 0;
    for (auto _ : state) {
        memories.SetActiveCell(1, kRow);
        memories.RaiseEditMode(1, kRow, 1, false);
        memories.SetText(1, kRow, kTyped[turn++ & 1]);
        memories.RaiseChange(1, kRow);
        memories.RaiseEditMode(1, kRow, 0, true);
        benchmark::DoNotOptimize(memories.RaiseLeaveCell(1, kRow, 2, kRow));
        benchmark::DoNotOptimize(controller.GridStore(true));
    }
}
BENCHMARK(BM_TypedEditLogic)->Unit(benchmark::kMillisecond);

void BM_TypedEditThroughView(benchmark::State& state)
{
    radio::CMainDoc doc('.');
    doc.Load(bench::FullFile());
    CMainView view(doc);
    view.resize(1024, 700);
    view.OnInitialUpdate();
    view.show();
    QApplication::processEvents();
    grid::GridModel& model = view.ChannelGridView(0)->Model();
    const QModelIndex cell = model.IndexAt(1, kRow);
    const QModelIndex next = model.IndexAt(2, kRow);
    int turn = 0;
    for (auto _ : state) {
        model.BeginEdit(cell);
        model.setData(cell, QString::fromLatin1(kTyped[turn++ & 1]));
        model.EndEdit(cell);
        benchmark::DoNotOptimize(model.LeaveCell(cell, next));
        benchmark::DoNotOptimize(view.Commit(true));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TypedEditThroughView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithApplication(argc, argv);
}
