// ostrel-cli import: channel rows from a delimited text file into a radio
// data file, as the program's Import command places them.

#include "cli/subcommands.h"

// std
#include <memory>
#include <optional>

// Qt
#include <QCommandLineParser>
#include <QStringList>

// project
#include "grid/document_controller.h"
#include "portkit/core/import_table.h"
#include "platform/locale.h"
#include "radio/main_doc.h"
#include "textio/import_batch.h"
#include "textio/other_layout.h"

namespace cli {
namespace {

struct ImportOptions {
    std::string text;
    std::string into;
    std::string output;
    std::optional<char> delimiter; // unset: comma for a .csv file, else tab
    std::optional<char> qualifier; // '\0': none
    bool consecutive = false;
    std::optional<std::size_t> skip; // unset: the lines above the heading line
    int start = 1;
    bool overwrite = false;
    std::vector<std::pair<std::size_t, int>> map; // file column (0-based), column (1-based, 0 Ignore)
};

constexpr const char* kImportHelp =
    "Usage: ostrel-cli import TEXT --into DOC.rdf [-o OUT.rdf] [options]\n"
    "Places the rows of a delimited text file into memory channels of DOC.rdf and\n"
    "saves it (to OUT.rdf with -o, else DOC.rdf is replaced whole).\n\n"
    "  --delimiter tab|comma|semicolon|space|C   field delimiter (default: the one that\n"
    "                                            splits the heading line into column names;\n"
    "                                            without one tab, comma for .csv)\n"
    "  --qualifier none|double|single            text qualifier (default double when a\n"
    "                                            field opens with a double quote, else none)\n"
    "  --consecutive                             treat consecutive delimiters as one\n"
    "  --skip N                                  lines at the start that are not imported\n"
    "                                            (default: the lines above the heading line)\n"
    "  --start N                                 starting radio memory, 1 to 1100 (default 1)\n"
    "  --overwrite                               overwrite existing channels\n"
    "  --map K=NAME                              file column K (from 1) is column NAME\n"
    "                                            (\"Ignore\" to skip it); repeatable\n"
    "A heading row naming the columns is found and not imported, as in the wizard;\n"
    "a heading in other programs' CSV layout (any of Location,Name,Frequency,Duplex,...\n"
    "with Frequency among them, in any order and case) is read by its column names.\n"
    "A transmit frequency or offset the radio cannot use is refused and counted, and so\n"
    "is every value the radio has no place for; columns nothing reads are listed.\n"
    "Exits 1, naming the reason that dropped the most rows, when no row was placed.\n";

constexpr int kHelpShown = -1;

std::string Std(const QString& text) { return text.toStdString(); }

bool ReadNumber(const QString& text, long low, long high, long& value)
{
    bool ok = false;
    value = text.toLong(&ok);
    return ok && value >= low && value <= high;
}

std::optional<char> DelimiterFrom(const std::string& name)
{
    if (name == "tab")
        return '\t';
    if (name == "comma")
        return ',';
    if (name == "semicolon")
        return ';';
    if (name == "space")
        return ' ';
    if (name.size() == 1)
        return name[0];
    return std::nullopt;
}

bool ReadMap(const std::string& entry, ImportOptions& options, std::ostream& err)
{
    const std::size_t equals = entry.find('=');
    long column = 0;
    if (equals == std::string::npos ||
        !ReadNumber(QString::fromStdString(entry.substr(0, equals)), 1, 10000, column)) {
        err << "--map needs K=NAME with K a file column from 1: " << entry << '\n';
        return false;
    }
    const std::string name = entry.substr(equals + 1);
    const int index = name == "Ignore" ? 0 : textio::ColumnIndex(name) + 1;
    if (index == 0 && name != "Ignore") {
        err << "Unknown column name: " << name << '\n';
        return false;
    }
    options.map.emplace_back(static_cast<std::size_t>(column - 1), index);
    return true;
}

// Reads the options; returns kExitOk to go on, kHelpShown, or the exit code.
int ParseOptions(const Args& args, ImportOptions& options, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption into("into", "", "DOC");
    const QCommandLineOption output("o", "", "OUT");
    const QCommandLineOption delimiter("delimiter", "", "D");
    const QCommandLineOption qualifier("qualifier", "", "Q");
    const QCommandLineOption consecutive("consecutive");
    const QCommandLineOption skip("skip", "", "N");
    const QCommandLineOption start("start", "", "N");
    const QCommandLineOption overwrite("overwrite");
    const QCommandLineOption map("map", "", "K=NAME");
    const QCommandLineOption help(QStringList{"h", "help"});
    parser.addOptions({into, output, delimiter, qualifier, consecutive, skip, start, overwrite, map, help});
    QStringList list{"import"};
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    if (!parser.parse(list)) {
        err << Std(parser.errorText()) << '\n';
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        out << kImportHelp;
        return kHelpShown;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(into)) {
        err << kImportHelp;
        return kExitUsage;
    }
    options.text = Std(parser.positionalArguments().front());
    options.into = Std(parser.value(into));
    options.output = parser.isSet(output) ? Std(parser.value(output)) : options.into;
    options.overwrite = parser.isSet(overwrite);

    if (parser.isSet(delimiter)) {
        options.delimiter = DelimiterFrom(Std(parser.value(delimiter)));
        if (!options.delimiter) {
            err << "--delimiter takes tab, comma, semicolon, space or one character\n";
            return kExitUsage;
        }
    }
    if (parser.isSet(qualifier)) {
        const std::string q = Std(parser.value(qualifier));
        if (q != "none" && q != "double" && q != "single") {
            err << "--qualifier takes none, double or single\n";
            return kExitUsage;
        }
        options.qualifier = q == "none" ? '\0' : q == "single" ? '\'' : '"';
    }
    options.consecutive = parser.isSet(consecutive);

    long number = 0;
    if (parser.isSet(skip)) {
        if (!ReadNumber(parser.value(skip), 0, 100000000, number)) {
            err << "--skip takes a number from 0\n";
            return kExitUsage;
        }
        options.skip = static_cast<std::size_t>(number);
    }
    if (parser.isSet(start)) {
        if (!ReadNumber(parser.value(start), 1, radio::kChannelCount, number)) {
            err << "--start takes a channel from 1 to 1100\n";
            return kExitUsage;
        }
        options.start = static_cast<int>(number);
    }
    for (const QString& entry : parser.values(map))
        if (!ReadMap(Std(entry), options, err))
            return kExitUsage;
    return kExitOk;
}

bool EndsWithCsv(const std::string& path)
{
    return path.size() >= 4 && QString::fromStdString(path.substr(path.size() - 4)).toLower() == ".csv";
}

std::vector<std::string> ColumnNames()
{
    std::vector<std::string> names;
    for (const textio::ImportColumn& column : textio::kImportColumns)
        names.emplace_back(column.name);
    return names;
}

std::vector<int> ColumnWidths()
{
    std::vector<int> widths;
    for (const textio::ImportColumn& column : textio::kImportColumns)
        widths.push_back(column.width);
    return widths;
}

// The rows from `first` on as the wizard hands them over: through the record
// of the columns `assignment` gives, from the start channel on. The
// assignment is the heading's, with --map applied; false (after the message)
// when it is not usable.
bool CollectRows(const portkit::ImportTable& table, std::vector<int> assignment, std::size_t first,
                 const ImportOptions& options, textio::ImportBatch& batch, std::ostream& err)
{
    for (const auto& [column, index] : options.map) {
        if (assignment.size() <= column)
            assignment.resize(column + 1, 0);
        assignment[column] = index;
    }
    if (const char* problem = portkit::CheckAssignment(assignment)) {
        err << problem << '\n';
        return false;
    }
    const std::vector<int> widths = ColumnWidths();
    std::vector<char> record(portkit::ImportRecordSize(widths));
    int handed = 0;
    for (std::size_t r = first; r < table.rows.size(); ++r) {
        portkit::FillImportRecord(table.rows[r], assignment, widths, record.data());
        batch.Add(record.data(), options.start - 1 + handed++, options.overwrite);
    }
    batch.SetAssignment(assignment);
    return true;
}

} // namespace

int CmdImport(const Args& args, std::ostream& out, std::ostream& err)
{
    ImportOptions options;
    if (const int code = ParseOptions(args, options, out, err); code != kExitOk)
        return code == kHelpShown ? kExitOk : code;

    std::vector<std::string> lines;
    if (!portkit::ReadImportFile(options.text, lines)) {
        err << "An error occurred file tring to open the file: \n" << options.text << '\n';
        return kExitFailed;
    }
    radio::CMainDoc doc(platform::DecimalSeparator());
    if (!doc.Load(options.into)) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    // What the options leave open, the file's heading line tells.
    const portkit::SniffedFile sniffed = portkit::SniffImportFile(lines, ColumnNames());
    const std::size_t skip = options.skip.value_or(sniffed.Found(lines) ? sniffed.heading : 0);
    const bool other = skip < lines.size() && textio::IsOtherHeading(lines[skip]);
    portkit::SplitOptions split = sniffed.split;
    if (!sniffed.Found(lines) && EndsWithCsv(options.text))
        split.delimiter = ',';
    // Other programs' layout is split as its heading line is, whatever the options say.
    if (!other) {
        split.delimiter = options.delimiter.value_or(split.delimiter);
        split.consecutive = options.consecutive;
        const char qualifier = options.qualifier.value_or(split.useQualifier ? '"' : '\0');
        split.useQualifier = qualifier != '\0';
        split.qualifier = split.useQualifier ? qualifier : '"';
    }
    const portkit::ImportTable table = portkit::BuildImportTable(lines, skip, split);

    if (other && !options.map.empty()) {
        err << "--map does not apply to a file in other programs' layout: its heading names the columns\n";
        return kExitUsage;
    }

    const portkit::HeaderMatch header = portkit::DetectHeader(table, ColumnNames());
    textio::ImportBatch batch;
    if (!CollectRows(table, header.assignment, header.Found() ? 1 : 0, options, batch, err))
        return kExitFailed;
    // The heading tells the layout and the columns nothing reads; a file in
    // other programs' layout is read by its heading's names.
    textio::FileHeadings headings;
    if (header.Found())
        headings = textio::HeadingsOfLines({lines.begin() + static_cast<std::ptrdiff_t>(skip), lines.end()});

    // The rows go in as the program's File > Import puts them: one step of
    // the document controller, which settles every record it placed.
    grid::DocumentController controller(doc);
    controller.FirstUpdate();
    textio::ImportCounts counts;
    controller.RunStep("Import", [&](radio::CMainDoc& into) { counts = textio::PlaceBatch(into, batch, headings); });
    out << textio::CountsText(counts);
    if (counts.placed == 0) {
        err << "No row was placed";
        if (counts.DroppedTotal() > 0)
            err << ": most rows were dropped for " << textio::DropReasonText(counts.MainDropReason()) << " ("
                << counts.Dropped(counts.MainDropReason()) << " of " << counts.DroppedTotal() << ")";
        else
            err << ": the file has no rows";
        err << '\n';
        return kExitFailed;
    }
    if (!doc.Save(options.output)) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace cli
