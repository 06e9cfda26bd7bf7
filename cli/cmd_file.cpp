// The file commands of ostrel-cli: new, info, export and resave.

#include "cli/subcommands.h"

// std
#include <memory>

// project
#include "grid/document_controller.h"
#include "platform/locale.h"
#include "radio/byte_order.h"
#include "radio/main_doc.h"
#include "textio/export.h"
#include "textio/other_layout.h"

namespace cli {

namespace {

// A document opened from a file with its grids loaded, as the program holds it
// after Open.

struct OpenDocument {
    radio::CMainDoc doc{platform::DecimalSeparator()};
    std::unique_ptr<grid::DocumentController> controller;
};

bool LoadGrids(OpenDocument& open, const std::string& path, std::ostream& err)
{
    if (!open.doc.Load(path)) {
        err << open.doc.ErrorText() << '\n';
        return false;
    }
    open.controller = std::make_unique<grid::DocumentController>(open.doc);
    open.controller->FirstUpdate();
    return true;
}

bool SaveDocument(radio::CMainDoc& doc, const std::string& path, std::ostream& err)
{
    if (doc.Save(path))
        return true;
    err << doc.ErrorText() << '\n';
    return false;
}

} // namespace

int CmdNew(const Args& args, std::ostream&, std::ostream& err)
{
    radio::CMainDoc doc(platform::DecimalSeparator());
    return SaveDocument(doc, args[0], err) ? kExitOk : kExitFailed;
}

namespace {

std::string HeaderText(const radio::RdfHeader& header, std::size_t at, std::size_t size)
{
    std::string text;
    for (std::size_t i = at; i < at + size && header[i] != 0; ++i)
        text += static_cast<char>(header[i]);
    return text;
}

std::uint32_t HeaderNumber(const radio::RdfHeader& header, std::size_t at, std::size_t size)
{
    return radio::ReadLe(header.data() + at, size);
}

int CountInUse(const radio::RadioImage& image, int first, int last)
{
    int count = 0;
    for (int i = first; i < last; ++i)
        if (image[radio::offs::kChannels + radio::kChannelRecordSize * i] & 0x80)
            ++count;
    return count;
}

} // namespace

int CmdInfo(const Args& args, std::ostream& out, std::ostream& err)
{
    radio::CMainDoc doc(platform::DecimalSeparator());
    if (!doc.Load(args[0])) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    const radio::RdfHeader& h = doc.Data().header;
    namespace rdf = radio::rdf;
    out << "Identifier:      " << HeaderText(h, rdf::kIdentifierAt, 4) << '\n'
        << "Format version:  " << HeaderNumber(h, rdf::kVersionAt, 4) << '\n'
        << "Total size:      " << HeaderNumber(h, rdf::kTotalSizeAt, 4) << '\n'
        << "Radio name:      " << HeaderText(h, rdf::kRadioNameAt, rdf::kRadioNameSize) << '\n'
        << "Channel count:   " << HeaderNumber(h, rdf::kChannelCountAt, 2) << '\n'
        << "Comment slot:    " << HeaderNumber(h, rdf::kSlotSizeAt, 2) << '\n'
        << "Comment table:   " << HeaderNumber(h, rdf::kCommentTableAt, 4) << '\n'
        << "Image offset:    " << HeaderNumber(h, rdf::kImageAt, 4) << '\n';

    const radio::RadioImage& image = doc.Image();
    out << "Memories in use: " << CountInUse(image, 0, radio::kMemoryCount) << '\n'
        << "Scan limits in use: " << CountInUse(image, radio::kMemoryCount, radio::kChannelCount) << '\n';

    std::string banks;
    for (int bank = 0; bank < radio::kBankCount; ++bank) {
        int members = 0;
        for (int memory = 0; memory < radio::kMemoryCount; ++memory)
            members += doc.BankBit(bank, memory) ? 1 : 0;
        if (members > 0)
            banks += (banks.empty() ? "" : ", ") + std::to_string(bank + 1) + " (" + std::to_string(members) + ")";
    }
    out << "Banks in use:    " << (banks.empty() ? "none" : banks) << '\n'
        << "Source name:     " << doc.SourceName() << '\n';
    return kExitOk;
}

int CmdExport(const Args& args, std::ostream&, std::ostream& err)
{
    // export [--layout ours|other] FILE.rdf OUT
    Args files;
    std::string layout = "ours";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--layout" && i + 1 < args.size())
            layout = args[++i];
        else
            files.push_back(args[i]);
    }
    if (files.size() != 2 || (layout != "ours" && layout != "other"))
        return kExitUsage;
    OpenDocument open;
    if (!LoadGrids(open, files[0], err))
        return kExitFailed;
    const grid::CSpreadSheet1& memories = open.controller->Grid(radio::kSheetMemories);
    std::string error;
    const bool written = layout == "other" ? textio::ExportOtherSheet(memories, &open.doc.Image(), files[1], error)
                                           : textio::ExportSheet(memories, files[1], error);
    if (!written) {
        err << error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int CmdResave(const Args& args, std::ostream&, std::ostream& err)
{
    std::string target = args[0];
    if (args.size() == 3) {
        if (args[1] != "-o")
            return kExitUsage;
        target = args[2];
    } else if (args.size() != 1) {
        return kExitUsage;
    }
    // Opening settles the document as the program's window shows it.
    radio::CMainDoc doc(platform::DecimalSeparator());
    if (!doc.Load(args[0])) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    return SaveDocument(doc, target, err) ? kExitOk : kExitFailed;
}

} // namespace cli
