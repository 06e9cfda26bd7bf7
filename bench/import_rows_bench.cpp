// Speed of the import's row conversion: 1000 rows of our columns (as texts and
// as the wizard's records) and 1000 rows of other programs' layout, each into
// memory channels of a document; 1000 rows pasted as another program's
// clipboard text (read and placed).

// std
#include <cstdio>
#include <string>
#include <vector>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "radio/main_doc.h"
#include "textio/import_rows.h"
#include "textio/other_layout.h"
#include "textio/paste_rows.h"

namespace {

constexpr int kRows = 1000;

std::vector<textio::RowFields> OurRows()
{
    std::vector<textio::RowFields> rows(kRows);
    const char* tones[] = {"None", "Enc", "Enc-Dec", "DCS", "D-Dec"};
    for (int i = 0; i < kRows; ++i) {
        textio::RowFields& f = rows[static_cast<std::size_t>(i)];
        char rx[16];
        std::snprintf(rx, sizeof rx, "%d.%05d", 144 + i % 4, (i * 500) % 100000);
        f = {std::to_string(i + 1), rx, "", "600 kHz", i % 2 ? "Minus" : "Plus", "FM", "R" + std::to_string(i),
             "Show Name", tones[i % 5], "88.5", "023", "12.5 kHz", "Off", "Mid1", "On"};
        for (int b = 15; b < 35; ++b)
            f[static_cast<std::size_t>(b)] = b % 3 ? "Off" : "On";
        f[35] = "a comment of some length here";
    }
    return rows;
}

void BM_ConvertRows(benchmark::State& state)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    const std::vector<textio::RowFields> rows = OurRows();
    textio::ColumnSet present;
    present.set();
    for (auto _ : state) {
        textio::RowImporter importer(doc, present);
        for (int i = 0; i < kRows; ++i)
            importer.PlaceRow(rows[static_cast<std::size_t>(i)], i, true);
        benchmark::DoNotOptimize(importer.Counts().placed);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ConvertRows)->Unit(benchmark::kMillisecond);

void BM_ConvertRecords(benchmark::State& state)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    std::vector<std::vector<char>> records;
    for (const textio::RowFields& row : OurRows()) {
        records.emplace_back(textio::RecordSize());
        textio::RecordFromFields(row, records.back().data());
    }
    for (auto _ : state) {
        textio::RowImporter importer(doc);
        for (int i = 0; i < kRows; ++i)
            importer.PlaceRecord(records[static_cast<std::size_t>(i)].data(), i, true);
        benchmark::DoNotOptimize(importer.Counts().placed);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ConvertRecords)->Unit(benchmark::kMillisecond);

void BM_ConvertOtherRows(benchmark::State& state)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    std::vector<textio::OtherRow> rows;
    for (int i = 0; i < kRows; ++i)
        rows.push_back({std::to_string(i + 1), "RPT", "146.940000", "-", "0.600000", i % 2 ? "TSQL" : "Cross", "88.5",
                        "100.0", "023", "NN", "754", "Tone->DTCS", "NFM", "12.50", "S", "20W", "comment"});
    for (auto _ : state) {
        textio::RowImporter importer(doc);
        for (int i = 0; i < kRows; ++i) {
            const textio::ConvertedRow converted = textio::FromOtherRow(rows[static_cast<std::size_t>(i)]);
            importer.PlaceRow(converted.fields, i, true, converted.extras);
        }
        benchmark::DoNotOptimize(importer.Counts().placed);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ConvertOtherRows)->Unit(benchmark::kMillisecond);

void BM_PasteText(benchmark::State& state)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    std::string text;
    for (const textio::RowFields& fields : OurRows()) {
        for (std::size_t k = 0; k < fields.size(); ++k)
            text += (k > 0 ? "\t" : "") + fields[k];
        text += "\r\n";
    }
    for (auto _ : state) {
        const textio::PastedRows rows = textio::ReadPastedRows(text);
        benchmark::DoNotOptimize(textio::PlacePastedRows(doc, rows, 0, kRows - 1).placed);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_PasteText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
