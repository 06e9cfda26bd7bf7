#include "grid/sheet_io.h"

// std
#include <algorithm>
#include <array>
#include <string>

// project
#include "grid/channel_columns.h"
#include "grid/hyper_layout.h"
#include "grid/sheet_setup.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "radio/record_rules.h"

namespace grid {
namespace {

using radio::ChannelField;
using radio::HyperField;
namespace col = radio::col;

// Each settings-grid cell and the settings-block field it shows.
struct SettingLink {
    hyper::Setting cell;
    HyperField field;
};
constexpr std::array<SettingLink, 22> kSettingLinks{{
    {hyper::Setting::Mode, HyperField::Mode},
    {hyper::Setting::MemoryBank, HyperField::MemoryBank},
    {hyper::Setting::Dtmf, HyperField::Dtmf},
    {hyper::Setting::MemoryNumber, HyperField::MemoryNumber},
    {hyper::Setting::Vfo, HyperField::Vfo},
    {hyper::Setting::MemoryScan, HyperField::MemoryScan},
    {hyper::Setting::SpecialScan, HyperField::SpecialScan},
    {hyper::Setting::Scanning, HyperField::Scanning},
    {hyper::Setting::MemoryTune, HyperField::MemoryTune},
    {hyper::Setting::Arts, HyperField::Arts},
    {hyper::Setting::MemoryBankOn, HyperField::MemoryBankOn},
    {hyper::Setting::Priority, HyperField::Priority},
    {hyper::Setting::SpecialScanOn, HyperField::SpecialScanOn},
    {hyper::Setting::AutoRepeaterSplit, HyperField::AutoRepeaterSplit},
    {hyper::Setting::AutoReceive, HyperField::AutoReceive},
    {hyper::Setting::AutoStep, HyperField::AutoStep},
    {hyper::Setting::VfoBand, HyperField::VfoBand},
    {hyper::Setting::WxAlert, HyperField::WxAlert},
    {hyper::Setting::WxChannel, HyperField::WxChannel},
    {hyper::Setting::MenuNumber, HyperField::MenuNumber},
    {hyper::Setting::PacketSpeed, HyperField::PacketSpeed},
    {hyper::Setting::PacketMic, HyperField::PacketMic},
}};

constexpr std::uint8_t kNoHyperChoice = 0xFF;

bool HasNames(int kind) { return kind == radio::kSheetMemories || kind == radio::kSheetHome; }
bool IsHyper(int kind) { return kind >= radio::kSheetHyper1 && kind < radio::kSheetCount; }
bool IsMemory(int kind, int row) { return kind == radio::kSheetMemories && row < radio::kMemoryCount; }

std::string RowHeader(int kind, int row) { return RowLabel(kind, row + 1); }

int IndexOrZero(int index, int limit) { return index >= 0 && index <= limit ? index : 0; }

// Cells of a record that is in use, row r (grid row r + 1).
void LoadRecord(const radio::RadioModel& model, const radio::RadioImage& image, const std::uint8_t* record, const std::uint8_t* name, CSpreadSheet1& grid,
                int kind, int r)
{
    const int row = r + 1;
    const std::int32_t rx = radio::GetField(record, ChannelField::Receive);
    grid.SetText(col::kReceive, row, model.FormatFrequency(rx));
    grid.SetList(Block::Cell(col::kStep, row),
                 SharedList(radio::UsesHighStepList(rx) ? radio::lists::kStepHigh : radio::lists::kStep));

    const int direction = radio::GetField(record, ChannelField::Direction);
    std::int32_t offset = radio::GetField(record, ChannelField::Offset);
    if (!radio::IsValidOffset(offset))
        offset = radio::DefaultOffset(rx);
    int shownDirection = direction;
    std::int32_t tx = radio::TransmitFrequency(rx, shownDirection, offset, false);
    if (tx < 0)
        tx = radio::GetField(record, ChannelField::Transmit);
    grid.SetText(col::kTransmit, row, model.FormatFrequency(tx));

    if (int index = radio::DirectionCodeToIndex(direction); index >= 0)
        grid.SetListIndex(col::kDirection, row, index);
    grid.SetText(col::kOffset, row, model.FormatOffset(offset));

    if (HasNames(kind) && name != nullptr) {
        const bool hasName = (name[radio::kHasNameByte] & radio::kNameFlagBit) != 0;
        grid.SetText(col::kName, row, hasName ? radio::DecodeName(name) : std::string());
        grid.SetChecked(col::kShowName, row, (name[radio::kShowNameByte] & radio::kNameFlagBit) != 0);
    }

    grid.SetList(Block::Cell(col::kMode, row),
                 SharedList(radio::UsesLowModeList(rx) ? radio::lists::kModeLow : radio::lists::kMode));
    grid.SetListIndex(col::kMode, row, radio::ModeBitToIndex(radio::GetField(record, ChannelField::Mode), rx));
    for (const ChannelColumn& column : ChannelColumns()) {
        if (column.rule == ColumnRule::Index)
            grid.SetListIndex(column.col, row, radio::GetField(record, column.field));
        else if (column.rule == ColumnRule::Check)
            grid.SetChecked(column.col, row, radio::GetField(record, column.field) != 0);
    }
    grid.SetListIndex(col::kStep, row, radio::StepCodeToIndex(radio::GetField(record, ChannelField::Step), rx));

    if (IsMemory(kind, r))
        for (int bank = 0; bank < radio::kBankCount; ++bank)
            grid.SetChecked(col::kBank1 + bank, row, radio::BankBit(image, bank, r));
    if (kind == radio::kSheetMemories)
        grid.SetText(col::kComment, row, model.Comment(r));
}

// The Memories sheet's part in the settings grids: memory r's frequency, scan entry 0.
void ShowMemoryInHyperGrids(const radio::RadioModel& model, const HyperGrids& hyperGrids, int r, std::int32_t rx)
{
    if (r >= radio::kMemoryCount)
        return;
    for (CSpreadSheet1* settings : hyperGrids)
        if (settings != nullptr) {
            settings->SetText(hyper::kChannelCol, r + 1, model.FormatFrequency(rx));
            settings->SetListIndex(hyper::kScanCol, r + 1, 0);
        }
}

void ClearHyperGridMemories(const HyperGrids& hyperGrids)
{
    for (CSpreadSheet1* settings : hyperGrids)
        if (settings != nullptr)
            settings->ClearBlock({hyper::kChannelCol, 1, hyper::kScanCol, hyper::kRows});
}

void LoadHyperSettings(const radio::RadioImage& image, CSpreadSheet1& settings, int hyperIndex)
{
    for (int m = 0; m < radio::kMemoryCount; ++m)
        if (!settings.GetText(hyper::kChannelCol, m + 1).empty())
            settings.SetListIndex(hyper::kScanCol, m + 1, radio::ScanValue(image, hyperIndex, m));

    const std::uint8_t* area = image.data() + radio::HyperAreaOffset(hyperIndex);
    for (int bank = 0; bank < radio::kBankCount; ++bank)
        settings.SetChecked(hyper::kBankLinkCol, bank + 1, radio::BankLink(area, bank));

    const std::uint8_t* block = area + radio::offs::kHyperSettings;
    for (const SettingLink& link : kSettingLinks) {
        const hyper::SettingCell& cell = hyper::CellOf(link.cell);
        const radio::HyperSetting& setting = radio::SettingOf(link.field);
        if (setting.kind == radio::SettingKind::NoBits)
            continue;
        const int value = radio::GetSetting(block, link.field);
        if (cell.text.IsCheckBox())
            settings.SetChecked(cell.editCol, cell.row, value != 0);
        else
            settings.SetListIndex(cell.editCol, cell.row, value);
    }
}

int SettingValue(const CSpreadSheet1& settings, const hyper::SettingCell& cell)
{
    return cell.text.IsCheckBox() ? (settings.GetValue(cell.editCol, cell.row) == "1" ? 1 : 0)
                             : settings.ListIndex(cell.editCol, cell.row);
}

void StoreHyperSettings(radio::RadioImage& image, const CSpreadSheet1& settings, int hyperIndex)
{
    for (int m = 0; m < radio::kMemoryCount; ++m)
        radio::SetScanValue(image, hyperIndex, m, std::max(0, settings.ListIndex(hyper::kScanCol, m + 1)));

    std::uint8_t* area = image.data() + radio::HyperAreaOffset(hyperIndex);
    for (int bank = 0; bank < radio::kBankCount; ++bank)
        radio::SetBankLink(area, bank, settings.GetValue(hyper::kBankLinkCol, bank + 1) == "1");

    // The bank choice goes last: choosing a bank sets Memory Bank On whatever its check box says.
    std::uint8_t* block = area + radio::offs::kHyperSettings;
    for (bool bankChoice : {false, true})
        for (const SettingLink& link : kSettingLinks)
            if ((radio::SettingOf(link.field).kind == radio::SettingKind::BankChoice) == bankChoice)
                radio::SetSetting(block, link.field, SettingValue(settings, hyper::CellOf(link.cell)));
}

using RecordBytes = std::array<std::uint8_t, radio::kChannelRecordSize>;
using NameBytes = std::array<std::uint8_t, radio::kNameRecordSize>;

template <typename Bytes> Bytes Copy(const std::uint8_t* from)
{
    Bytes bytes{};
    std::copy_n(from, bytes.size(), bytes.begin());
    return bytes;
}

// Settles what a row built, unless it is what the image held (a document's
// records are settled already). True when the rules changed it.
template <typename Bytes, typename Settle>
bool SettleBuilt(std::uint8_t* built, const Bytes& held, Settle settle)
{
    const Bytes before = Copy<Bytes>(built);
    if (before == held)
        return false;
    settle(built);
    return !std::equal(before.begin(), before.end(), built);
}

// Rebuilds a record from a row whose receive frequency is valid, in the form
// the record rules give it. True when those rules changed what the row shows.
bool StoreRecord(radio::RadioModel& model, radio::RadioImage& image, std::uint8_t* record, std::uint8_t* name,
                 const CSpreadSheet1& grid, int kind, int r, std::int32_t rx)
{
    const int row = r + 1;
    const RecordBytes heldRecord = Copy<RecordBytes>(record);
    std::fill_n(record, radio::kChannelRecordSize, std::uint8_t{0});
    radio::SetField(record, ChannelField::InUse, kind == radio::kSheetVfo ? 0 : 1);
    radio::SetField(record, ChannelField::Receive, rx);
    radio::SetField(record, ChannelField::Offset, radio::ParseFrequency(grid.GetText(col::kOffset, row)));
    radio::SetField(record, ChannelField::Mode, radio::ModeIndexToBit(grid.ListIndex(col::kMode, row), rx));
    radio::SetField(record, ChannelField::Direction, radio::DirectionIndexToCode(grid.ListIndex(col::kDirection, row)));
    radio::SetField(record, ChannelField::Transmit, radio::ParseFrequency(grid.GetText(col::kTransmit, row)));
    bool changed = false;

    if (HasNames(kind) && name != nullptr) {
        const NameBytes heldName = Copy<NameBytes>(name);
        const std::string text = grid.GetText(col::kName, row);
        radio::EncodeName(text, name);
        auto flag = [&](int byte, bool on) {
            name[byte] = static_cast<std::uint8_t>(on ? name[byte] | radio::kNameFlagBit
                                                      : name[byte] & ~radio::kNameFlagBit);
        };
        flag(radio::kHasNameByte, !text.empty());
        flag(radio::kShowNameByte, grid.GetValue(col::kShowName, row) == "1");
        changed |= SettleBuilt(name, heldName, radio::SettleName);
    }

    for (const ChannelColumn& column : ChannelColumns()) {
        if (column.rule == ColumnRule::Index)
            radio::SetField(record, column.field, IndexOrZero(grid.ListIndex(column.col, row), column.storeLimit));
        else if (column.rule == ColumnRule::Check)
            radio::SetField(record, column.field, grid.GetValue(column.col, row) == "1" ? 1 : 0);
    }
    radio::SetField(record, ChannelField::Step, radio::StepIndexToCode(grid.ListIndex(col::kStep, row), rx));

    const bool inUse = kind != radio::kSheetVfo;
    changed |= SettleBuilt(record, heldRecord, [inUse](std::uint8_t* built) { radio::SettleRecord(built, inUse); });
    radio::NoteSplitTone(image, record);

    if (IsMemory(kind, r))
        for (int bank = 0; bank < radio::kBankCount; ++bank)
            radio::SetBankBit(image, bank, r, grid.GetValue(col::kBank1 + bank, row) == "1");
    if (kind == radio::kSheetMemories) {
        const std::string comment = grid.GetText(col::kComment, row);
        model.SetComment(r, comment);
        changed |= !radio::IsCleanComment(comment);
    }
    return changed;
}

constexpr int kDefaultCtcssIndex = 12; // 100.0 Hz

} // namespace

ChannelTemplate DefaultTemplate()
{
    ChannelTemplate record{};
    radio::SetField(record.data(), ChannelField::Ctcss, kDefaultCtcssIndex);
    return record;
}

void LoadSheet(const radio::RadioModel& model, const radio::RadioImage& image, CSpreadSheet1& grid, int kind,
               const HyperGrids& hyperGrids, SheetViewState& view)
{
    if (kind == radio::kSheetMemories)
        ClearHyperGridMemories(hyperGrids);

    const int rows = radio::SheetRowCount(kind);
    for (int r = 0; r < rows; ++r) {
        const int row = r + 1;
        grid.SetText(0, row, RowHeader(kind, r));
        const std::uint8_t* record = image.data() + radio::RecordOffset(kind, r);
        const std::ptrdiff_t nameAt = radio::NameOffset(kind, r);
        const std::uint8_t* name = nameAt < 0 ? nullptr : image.data() + nameAt;
        // Bank cells of the scan-limit channels stay locked whatever the row holds.
        const int lastUnlocked = kind == radio::kSheetMemories && !IsMemory(kind, r) ? col::kNarrow : col::kCount;

        if (kind == radio::kSheetMemories && radio::GetField(record, ChannelField::InUse) == 0) {
            grid.ClearBlock({col::kReceive, row, col::kCount, row});
            grid.SetLocked({col::kTransmit, row, col::kCount, row}, true);
            continue;
        }
        grid.SetLocked({col::kTransmit, row, lastUnlocked, row}, false);
        if (lastUnlocked != col::kCount)
            grid.SetLocked({col::kComment, row, col::kComment, row}, false);
        LoadRecord(model, image, record, name, grid, kind, r);
        if (kind == radio::kSheetMemories)
            ShowMemoryInHyperGrids(model, hyperGrids, r, radio::GetField(record, ChannelField::Receive));
    }

    if (kind == radio::kSheetVfo) {
        const int active = image[radio::offs::kActiveHyper];
        view.hyperChoice = active < radio::kHyperCount ? active : -1;
    }
    if (IsHyper(kind))
        if (CSpreadSheet1* settings = hyperGrids[static_cast<std::size_t>(kind - radio::kSheetHyper1)])
            LoadHyperSettings(image, *settings, kind - radio::kSheetHyper1);
}

bool StoreSheet(radio::RadioModel& model, radio::RadioImage& image, const CSpreadSheet1& grid, int kind,
                const HyperGrids& hyperGrids, const SheetViewState& view)
{
    bool changed = false;
    const int rows = radio::SheetRowCount(kind);
    for (int r = 0; r < rows; ++r) {
        std::uint8_t* record = image.data() + radio::RecordOffset(kind, r);
        const std::ptrdiff_t nameAt = radio::NameOffset(kind, r);
        std::uint8_t* name = nameAt < 0 ? nullptr : image.data() + nameAt;
        const std::int32_t rx = radio::ParseFrequency(grid.GetText(col::kReceive, r + 1));
        if (!radio::IsValidFrequency(rx) && kind != radio::kSheetMemories) {
            // A band row always has its record: one left without a frequency
            // keeps what it held, and shows it again.
            changed |= grid.GetText(col::kReceive, r + 1) !=
                       model.FormatFrequency(radio::GetField(record, ChannelField::Receive));
            continue;
        }
        if (!radio::IsValidFrequency(rx)) {
            radio::SetField(record, ChannelField::InUse, 0);
            // The comment belongs to the channel: left in the table it would
            // come back when the slot is next filled through the image.
            model.SetComment(r, std::string());
            continue;
        }
        changed |= StoreRecord(model, image, record, name, grid, kind, r, rx);
    }

    if (kind == radio::kSheetVfo) {
        const int choice = view.hyperChoice;
        image[radio::offs::kActiveHyper] =
            choice >= 0 && choice < radio::kHyperCount ? static_cast<std::uint8_t>(choice) : kNoHyperChoice;
    }
    if (IsHyper(kind)) {
        const int k = kind - radio::kSheetHyper1;
        if (const CSpreadSheet1* settings = hyperGrids[static_cast<std::size_t>(k)])
            StoreHyperSettings(image, *settings, k);
        if (image[radio::offs::kActiveHyper] == k)
            radio::CopyHyperToVfo(image, k);
    }
    return changed;
}

} // namespace grid
