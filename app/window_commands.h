#pragma once
// WindowCommands: the commands one document window carries out. Each entry
// is a command id with what it does, when it is available, whether it shows a
// check mark and, for entries whose menu text names something (Undo, Redo),
// that text. The main frame runs an entry after its one commit of the
// window's grids.
//
// A group of commands is added by one installer function, listed once in
// kInstallers (window_commands.cpp):
//     void InstallTransferCommands(app::WindowCommands& commands, CChildFrame& window);
// which calls commands.Register(cmd::GetData, {.run = ..., .enabled = ...}).
// The command's line in the command table (command_table.cpp) says
// Handler::View; an id without a registered entry stays disabled.

// std
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

class CChildFrame;
class QWidget;

namespace grid {
struct SortChoice;
}

namespace app {

class WindowCommands {
public:
    struct Command {
        std::function<void()> run{};
        std::function<bool()> enabled{};     // unset: always available
        std::function<bool()> checked{};     // unset: never checked
        std::function<std::string()> text{}; // unset: the command table's text
    };

    // Registers the commands of every installer for `window`.
    explicit WindowCommands(CChildFrame& window);
    WindowCommands(const WindowCommands&) = delete;
    WindowCommands& operator=(const WindowCommands&) = delete;

    // Adds (or replaces) the entry of a command id.
    void Register(int id, Command command);
    bool Handles(int id) const;
    // Runs an available command; false when there is no entry or it is not
    // available. The caller has committed the grids already.
    bool Run(int id);
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // The entry's own menu text, "" when it has none.
    std::string Text(int id) const;

private:
    CChildFrame& window_;
    std::map<int, Command> commands_;
};

// One group of a window's commands.
using CommandInstaller = void (*)(WindowCommands& commands, CChildFrame& window);

// Every installer, in the order they run.
std::span<const CommandInstaller> CommandInstallers();

// --- The installers (one line each).
void InstallHistoryCommands(WindowCommands& commands, CChildFrame& window); // Undo, Redo
void InstallViewCommands(WindowCommands& commands, CChildFrame& window);    // Print
void InstallExportCommand(WindowCommands& commands, CChildFrame& window);   // Export
void InstallSettingsCommand(WindowCommands& commands, CChildFrame& window); // Settings...
void InstallRowCommands(WindowCommands& commands, CChildFrame& window);     // Cut, Copy, Paste, Insert, Delete, Sort
void InstallImportCommand(WindowCommands& commands, CChildFrame& window);   // Import
void InstallEditingCommands(WindowCommands& commands, CChildFrame& window); // Bank Settings, Options, Allowed Characters
void InstallTransferCommands(WindowCommands& commands, CChildFrame& window); // Get data from, Send data to
void InstallCompareCommands(WindowCommands& commands, CChildFrame& window);  // Compare With, Kept Reads

// The utility library's Sort dialog over `owner`, offering `names`; false
// for Cancel (or when the library is missing, after its message).
bool AskSortChoice(QWidget* owner, const std::vector<std::string>& names, grid::SortChoice& choice);

// --- Availability rules shared by the entries, from the view's facts.
// The Memories sheet is shown.
bool OnMemoriesSheet(CChildFrame& window);
// The last mouse press in the window was in a channel grid (not a settings grid).
bool LastPressInChannelGrid(CChildFrame& window);

} // namespace app
