// The Edit menu's channel row commands of a document window.

// own
#include "app/window_commands.h"

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "grid/ui/main_view.h"
#include "grid/ui/row_command_runner.h"

namespace app {

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
        {cmd::Paste, grid::RowCommand::Paste, LastPressInChannelGrid},
        {cmd::Insert, grid::RowCommand::Insert, OnMemoriesSheet},
        {cmd::Delete, grid::RowCommand::Delete, OnMemoriesSheet},
        {cmd::Sort, grid::RowCommand::Sort, OnMemoriesSheet},
    };
    for (const Entry& entry : kEntries)
        commands.Register(entry.id, {.run = [&window, command = entry.command] { window.View().RunRowCommand(command); },
                                     .enabled = [&window, enabled = entry.enabled] { return enabled(window); }});
}

} // namespace app
