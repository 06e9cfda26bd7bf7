// WindowCommands: the command route of one document window.

// own
#include "app/window_commands.h"

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"

namespace app {
namespace {

constexpr CommandInstaller kInstallers[] = {
    InstallHistoryCommands,
    InstallViewCommands,
    InstallExportCommand,
    InstallSettingsCommand,
    InstallRowCommands,
    InstallImportCommand,
    InstallEditingCommands,
    InstallTransferCommands,
    InstallCompareCommands,
};

} // namespace

std::span<const CommandInstaller> CommandInstallers()
{
    return kInstallers;
}

WindowCommands::WindowCommands(CChildFrame& window) : window_(window)
{
    for (CommandInstaller install : kInstallers)
        install(*this, window_);
}

void WindowCommands::Register(int id, Command command)
{
    commands_[id] = std::move(command);
}

bool WindowCommands::Handles(int id) const
{
    return commands_.count(id) > 0;
}

bool WindowCommands::IsEnabled(int id) const
{
    const auto found = commands_.find(id);
    return found != commands_.end() && (!found->second.enabled || found->second.enabled());
}

bool WindowCommands::IsChecked(int id) const
{
    const auto found = commands_.find(id);
    return found != commands_.end() && found->second.checked && found->second.checked();
}

std::string WindowCommands::Text(int id) const
{
    const auto found = commands_.find(id);
    return found != commands_.end() && found->second.text ? found->second.text() : std::string();
}

bool WindowCommands::Run(int id)
{
    if (!IsEnabled(id))
        return false;
    // A copy: the entry may replace itself.
    const std::function<void()> run = commands_[id].run;
    if (run)
        run();
    return true;
}

bool OnMemoriesSheet(CChildFrame& window)
{
    return window.View().CurrentSheet() == radio::kSheetMemories;
}

bool LastPressInChannelGrid(CChildFrame& window)
{
    return window.View().Controller().lastPressInChannelGrid;
}

// --- Undo and Redo: the document's history.

void InstallHistoryCommands(WindowCommands& commands, CChildFrame& window)
{
    const grid::DocumentController& steps = window.View().Controller();
    commands.Register(cmd::Undo, {.run = [&window] { window.View().Undo(); },
                                  .enabled = [&steps] { return steps.CanUndo(); },
                                  .text = [&steps] { return steps.CanUndo() ? "Undo " + steps.UndoLabel() : "Undo"; }});
    commands.Register(cmd::Redo, {.run = [&window] { window.View().Redo(); },
                                  .enabled = [&steps] { return steps.CanRedo(); },
                                  .text = [&steps] { return steps.CanRedo() ? "Redo " + steps.RedoLabel() : "Redo"; }});
}

void InstallViewCommands(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::Print, {.run = [&window] { window.View().Print(); }});
}

} // namespace app
