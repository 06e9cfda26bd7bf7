// Speed of the import wizard's table build on a 20,000-line comma-delimited
// file of 36 columns with quoted fields: the lines read from the text, the
// fields split, the heading detected (what steps 2 to 4 do on each visit), and
// step 4's whole activation with its check-box table on screen.
// Runs on the offscreen platform unless a display is given.

// Qt
#include <QApplication>
#include <QRadioButton>

// std
#include <cstdlib>
#include <string>
#include <vector>

// benchmark
#include <benchmark/benchmark.h>

// project
#include "portkit/core/import_table.h"
#include "portkit/ui/import_wizard.h"
#include "support/column_names.h"

// bench
#include "qt_bench_main.h"

namespace {

constexpr int kLines = 20000;

std::string FileText()
{
    std::string text;
    const std::vector<std::string>& names = test_support::OurColumnNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i ? "," : "") + names[i];
    text += "\r\n";
    for (int n = 1; n <= kLines; ++n) {
        text += std::to_string(n) + ",145.500,144.900,0.600,Minus,FM,\"RPT " + std::to_string(n % 100) +
                "\",Yes,Enc,88.5,023,12.5 kHz,No,High,No";
        for (int b = 0; b < 20; ++b)
            text += (b == n % 20) ? ",Yes" : ",No";
        text += ",\"club repeater, on the hill\"\r\n";
    }
    return text;
}

void BM_ImportTableBuild(benchmark::State& state)
{
    const std::string text = FileText();
    const std::vector<std::string>& names = test_support::OurColumnNames();
    const portkit::SplitOptions comma{',', false, true, '"'};
    for (auto _ : state) {
        const std::vector<std::string> lines = portkit::SplitImportLines(text);
        const portkit::ImportTable table = portkit::BuildImportTable(lines, 0, comma);
        const portkit::HeaderMatch header = portkit::DetectHeader(table, names);
        benchmark::DoNotOptimize(header.assignment.data());
    }
}
BENCHMARK(BM_ImportTableBuild)->Unit(benchmark::kMillisecond);

void Ignore(void*, int, int) {}

void BM_WizardStep4Table(benchmark::State& state)
{
    const std::vector<std::string>& names = test_support::OurColumnNames();
    std::vector<const char*> namePointers;
    for (const std::string& name : names)
        namePointers.push_back(name.c_str());
    const std::vector<int> widths(names.size(), 10);
    const ImportDataStruct data{nullptr, static_cast<int>(names.size()), 1, 1100, 1100};
    portkit::ImportSession session(data, namePointers.data(), widths.data(), &Ignore);
    session.lines = portkit::SplitImportLines(FileText());
    portkit::ImportWizard wizard(session, nullptr);
    wizard.show();
    wizard.next();
    wizard.Page2()->Delimiter(',')->click();
    wizard.next();
    wizard.next();
    QApplication::processEvents();
    for (auto _ : state) {
        wizard.Page4()->Activate();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WizardStep4Table)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithApplication(argc, argv);
}
