// Benchmarks of the comparison: two full documents (every channel in use,
// named, commented and in a bank) that differ in every channel, compared as
// images with their comments, and the same through ostrel-cli diff from the
// files (opening both included).

// std
#include <filesystem>
#include <sstream>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "cli/commands.h"
#include "full_document.h"
#include "radio/image_diff.h"

namespace {

// The full document with every channel moved up by 12.5 kHz and every
// comment changed: the most lines a comparison gives.
void FillEveryChannelChanged(radio::CMainDoc& doc)
{
    bench::FillEveryChannel(doc);
    for (int i = 0; i < radio::kChannelCount; ++i) {
        std::uint8_t* rec = doc.Record(radio::kSheetMemories, i);
        const std::int32_t rx = 144012500 + 25000 * i;
        radio::EncodeFrequency(rx, rec + 1);
        radio::EncodeFrequency(rx, rec + 5);
        doc.SetComment(i, "Changed comment " + std::to_string(i));
    }
}

const std::string& ChangedFile()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "ostrel-bench-changed.rdf").string();
        radio::CMainDoc doc('.');
        FillEveryChannelChanged(doc);
        doc.Save(p);
        return p;
    }();
    return path;
}

void BM_CompareFullImages(benchmark::State& state)
{
    radio::CMainDoc before('.');
    radio::CMainDoc after('.');
    bench::FillEveryChannel(before);
    FillEveryChannelChanged(after);
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto differences = radio::CompareImages({&before.Data().image, &before.Data().comments},
                                                      {&after.Data().image, &after.Data().comments});
        lines = differences.size();
        benchmark::DoNotOptimize(radio::SummaryText(differences));
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CompareFullImages)->Unit(benchmark::kMillisecond);

void BM_CliDiffFullFiles(benchmark::State& state)
{
    const std::string before = bench::FullFile();
    const std::string after = ChangedFile();
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(cli::Run({"diff", before, after}, out, err));
    }
}
BENCHMARK(BM_CliDiffFullFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
