// ostrel-cli set: values written into memory channels as if typed into the
// Memories sheet, through the program's own fill.

#include "cli/subcommands.h"

// Qt
#include <QCommandLineParser>
#include <QStringList>

// project
#include "grid/bulk_edit.h"
#include "grid/cell_rules.h"
#include "grid/document_controller.h"
#include "grid/rule_access.h"
#include "platform/locale.h"
#include "radio/main_doc.h"

namespace cli {
namespace {

constexpr const char* kSetHelp =
    "Usage: ostrel-cli set FILE.rdf MEMORY FIELD=VALUE... [-o OUT.rdf]\n"
    "Writes each VALUE into column FIELD of the channels MEMORY names, as if typed\n"
    "into the Memories sheet, and saves (to OUT.rdf with -o, else FILE.rdf).\n\n"
    "  MEMORY   a channel number (1 to 1100), a range such as 10-40, or all\n"
    "  FIELD    a column header without regard to case and spaces, or the start of\n"
    "           one: receive, transmit, offsetfrequency, offsetdirection, operatingmode,\n"
    "           name, showname, tonemode, ctcss, dcs, step, clockshift, txpower, narrow,\n"
    "           bank1 ... bank20, comment\n"
    "  VALUE    as the cell shows it: 146.52, Enc-Dec, 88.5, 1 or 0 for a check box\n"
    "Only channels in use are changed. A value a channel refuses leaves it as it\n"
    "was; the refused channels are listed and the exit code is 1 (the values taken\n"
    "are saved).\n";

struct Assignment {
    int col = 0;
    std::string value;
};

} // namespace

int CmdSet(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption output("o", "", "OUT");
    const QCommandLineOption help(QStringList{"h", "help"});
    parser.addOptions({output, help});
    QStringList list{"set"};
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    if (!parser.parse(list)) {
        err << parser.errorText().toStdString() << '\n';
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        out << kSetHelp;
        return kExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 3) {
        err << kSetHelp;
        return kExitUsage;
    }
    const std::string file = positional[0].toStdString();
    const std::optional<grid::RowRange> rows = grid::ParseMemoryRange(positional[1].toStdString());
    if (!rows) {
        err << "MEMORY must be a channel from 1 to 1100, a range such as 10-40, or all: "
            << positional[1].toStdString() << '\n';
        return kExitUsage;
    }

    radio::CMainDoc doc(platform::DecimalSeparator());
    if (!doc.Load(file)) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    grid::DocumentController controller(doc);
    controller.FirstUpdate();
    grid::RuleAccess access(controller);
    grid::CellRules cells(access);
    const grid::CSpreadSheet1& memories = controller.Grid(radio::kSheetMemories);

    std::vector<Assignment> assignments;
    for (qsizetype i = 2; i < positional.size(); ++i) {
        const std::string entry = positional[i].toStdString();
        const std::size_t equals = entry.find('=');
        const int col = equals == std::string::npos ? 0 : grid::ColumnByName(memories, entry.substr(0, equals));
        if (col == 0) {
            err << "FIELD=VALUE needs the name of one column: " << entry << '\n';
            return kExitUsage;
        }
        assignments.push_back({col, entry.substr(equals + 1)});
    }

    bool refused = false;
    controller.RunGridStep([&] {
        for (const Assignment& assignment : assignments) {
            const grid::FillResult result = grid::FillRows(cells, controller, radio::kSheetMemories, assignment.col,
                                                           rows->first, rows->last, assignment.value);
            out << grid::ColumnName(memories, assignment.col) << ": "
                << grid::FillReport(radio::kSheetMemories, result) << '\n';
            for (const grid::RefusedRow& row : result.refused)
                err << grid::RowName(radio::kSheetMemories, row.row) << ": " << row.reason << '\n';
            refused = refused || !result.refused.empty();
        }
        return std::string("Set");
    });
    if (!doc.Save(parser.isSet(output) ? parser.value(output).toStdString() : file)) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    return refused ? kExitFailed : kExitOk;
}

} // namespace cli
