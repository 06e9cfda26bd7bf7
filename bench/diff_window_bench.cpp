// The differences window for the heaviest change a user makes at once: every
// one of the 1000 memories with another receive frequency and name. Opening
// it up to the table shown, with the comparison and without; sorting by a
// column; the filter. Runs on the offscreen platform unless a display is given.

// Qt
#include <QApplication>
#include <QComboBox>
#include <QTableView>

// std
#include <memory>
#include <vector>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "clone/ui/differences_window.h"
#include "radio/image_diff.h"
#include "radio/main_doc.h"

// bench
#include "full_document.h"
#include "qt_bench_main.h"

namespace {

struct ChangedMemories {
    ChangedMemories()
    {
        bench::FillEveryChannel(before);
        bench::FillEveryChannel(after);
        for (int i = 0; i < radio::kMemoryCount; ++i) {
            radio::EncodeFrequency(430000000 + 25000 * i, after.Record(radio::kSheetMemories, i) + 1);
            std::uint8_t* name = after.NameRecord(radio::kSheetMemories, i);
            radio::EncodeName("NEW" + std::to_string(i % 1000), name);
            name[7] |= 0x80;
        }
    }
    std::vector<radio::Difference> Compare() const
    {
        return radio::CompareImages({&before.Image(), &before.Data().comments}, {&after.Image(), &after.Data().comments});
    }
    radio::CMainDoc before{'.'};
    radio::CMainDoc after{'.'};
};

const ChangedMemories& Docs()
{
    static const ChangedMemories docs;
    return docs;
}

void Open(benchmark::State& state, const transfer::DifferencesWindow::Source& source)
{
    for (auto _ : state) {
        auto window = std::make_unique<transfer::DifferencesWindow>(QStringLiteral("Differences"), source, nullptr);
        window->show();
        QApplication::processEvents();
        window->repaint();
        state.counters["lines"] = window->Table()->model()->rowCount();
    }
}

void BM_OpenWithTheComparison(benchmark::State& state)
{
    Open(state, [] { return Docs().Compare(); });
}
BENCHMARK(BM_OpenWithTheComparison)->Unit(benchmark::kMillisecond);

void BM_OpenTheWindowOnly(benchmark::State& state)
{
    const auto lines = Docs().Compare();
    Open(state, [&lines] { return lines; });
}
BENCHMARK(BM_OpenTheWindowOnly)->Unit(benchmark::kMillisecond);

void BM_SortByOldAndFilter(benchmark::State& state)
{
    const auto lines = Docs().Compare();
    transfer::DifferencesWindow window(QStringLiteral("Differences"), [&lines] { return lines; }, nullptr);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.Table()->sortByColumn(transfer::kDiffOld, Qt::DescendingOrder);
        window.Filter()->setCurrentIndex(1);
        window.Filter()->setCurrentIndex(0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SortByOldAndFilter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithApplication(argc, argv);
}
