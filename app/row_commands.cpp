// The Edit menu's channel row commands of a document window.

// own
#include "app/window_commands.h"

// std
#include <algorithm>
#include <memory>
#include <utility>

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/paste_other.h"
#include "grid/ui/main_view.h"
#include "grid/ui/row_command_runner.h"
#include "portkit/sort.h"

namespace app {
namespace {

// The main frame's six text slots as a view's row slots, looked up on every
// use: the window joins its frame after its commands were installed.
class FrameSlots : public grid::RowSlots {
public:
    explicit FrameSlots(CChildFrame& window) : window_(window) {}

    const std::string& Slot(int slot) const override
    {
        const CMainFrame* frame = window_.Frame();
        return frame != nullptr ? frame->TextSlot(slot) : own_.Slot(slot);
    }
    void SetSlot(int slot, std::string text) override
    {
        if (CMainFrame* frame = window_.Frame())
            frame->SetTextSlot(slot, std::move(text));
        else
            own_.SetSlot(slot, std::move(text));
    }

private:
    CChildFrame& window_;
    grid::RowClipboard own_;
};

} // namespace

bool AskSortChoice(QWidget* owner, const std::vector<std::string>& names, grid::SortChoice& choice)
{
    SortOptions options{};
    options.nCount = static_cast<int>(std::min<std::size_t>(names.size(), PORTKIT_SORT_MAX_NAMES));
    for (int i = 0; i < options.nCount; ++i)
        options.pszNames[i] = names[static_cast<std::size_t>(i)].c_str();
    if (!Sort(owner, options))
        return false;
    choice = {options.nScope, options.nOrder, options.nFirstKey, options.nSecondKey};
    return true;
}

void InstallRowCommands(WindowCommands& commands, CChildFrame& window)
{
    struct Entry {
        int id;
        grid::RowCommand command;
        bool (*enabled)(CChildFrame&);
    };
    // Copy and Paste work in any channel grid, the others on the Memories sheet.
    static constexpr Entry kEntries[] = {
        {cmd::Cut, grid::RowCommand::Cut, OnMemoriesSheet},
        {cmd::Copy, grid::RowCommand::Copy, LastPressInChannelGrid},
        {cmd::Insert, grid::RowCommand::Insert, OnMemoriesSheet},
        {cmd::Delete, grid::RowCommand::Delete, OnMemoriesSheet},
        {cmd::Sort, grid::RowCommand::Sort, OnMemoriesSheet},
    };
    CMainView& view = window.View();
    view.SetRowSlots(std::make_shared<FrameSlots>(window));
    view.SetSortDialog([&view](const std::vector<std::string>& names, grid::SortChoice& choice) {
        return AskSortChoice(&view, names, choice);
    });
    for (const Entry& entry : kEntries)
        commands.Register(entry.id, {.run = [&window, command = entry.command] { window.View().RunRowCommand(command); },
                                     .enabled = [&window, enabled = entry.enabled] { return enabled(window); }});
    // Many channels at once: the view's own commands.
    struct ViewEntry {
        int id;
        void (*run)(CMainView&);
        bool (*enabled)(CChildFrame&);
    };
    static constexpr auto kAnySheet = [](CChildFrame&) { return true; };
    static constexpr ViewEntry kViewEntries[] = {
        {cmd::Fill, [](CMainView& v) { v.Fill(); }, [](CChildFrame& w) { return w.View().CurrentSheet() != radio::kSheetVfo; }},
        {cmd::MoveUp, [](CMainView& v) { v.MoveRows(-1); }, OnMemoriesSheet},
        {cmd::MoveDown, [](CMainView& v) { v.MoveRows(1); }, OnMemoriesSheet},
        {cmd::Find, [](CMainView& v) { v.OpenFindBar(); }, kAnySheet},
        {cmd::FindNext, [](CMainView& v) { v.FindNext(true); }, kAnySheet},
        {cmd::FindPrevious, [](CMainView& v) { v.FindNext(false); }, kAnySheet},
        {cmd::GoTo, [](CMainView& v) { v.AskGoTo(); }, kAnySheet},
    };
    for (const ViewEntry& entry : kViewEntries)
        commands.Register(entry.id, {.run = [&window, run = entry.run] { run(window.View()); },
                                     .enabled = [&window, enabled = entry.enabled] { return enabled(window); }});
    // Paste also takes text that another program put on the clipboard.
    commands.Register(cmd::Paste, {.run = [&window] { PasteRows(window); },
                                   .enabled = [&window] { return LastPressInChannelGrid(window); }});
}

} // namespace app
