#include "app/command_table.h"

// project
#include "app/command_ids.h"

// std
#include <algorithm>
#include <iterator>

namespace app {
namespace {

constexpr unsigned kBoth = kMenuAlways;
constexpr unsigned kDoc = kMenuDocument;
constexpr unsigned kNone = kNoMenuBar;
constexpr Handler kFrame = Handler::Frame;
constexpr Handler kView = Handler::View;

// clang-format off
constexpr CommandInfo kCommands[] = {
    // id                     menu            bars   text                      keys                         tool             slot sep    check  doc    handler
    {cmd::New,                MenuId::File,   kBoth, "&New\tCtrl+N",           "Ctrl+N",                    ToolIcon::New,   11,  false, false, false, kFrame},
    {cmd::Open,               MenuId::File,   kBoth, "&Open...\tCtrl+O",       "Ctrl+O",                    ToolIcon::Open,  12,  false, false, false, kFrame},
    {cmd::Close,              MenuId::File,   kDoc,  "&Close",                 "",                          ToolIcon::None,  0,   false, false, true,  kFrame},
    {cmd::Save,               MenuId::File,   kDoc,  "&Save\tCtrl+S",          "Ctrl+S",                    ToolIcon::Save,  13,  false, false, true,  kFrame},
    {cmd::SaveAs,             MenuId::File,   kDoc,  "Save &As...",            "",                          ToolIcon::None,  0,   false, false, true,  kFrame},
    {cmd::Import,             MenuId::File,   kDoc,  "&Import",                "",                          ToolIcon::None,  0,   true,  false, true,  kView},
    {cmd::Export,             MenuId::File,   kDoc,  "&Export",                "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::CompareWith,        MenuId::File,   kDoc,  "Co&mpare With...",       "",                          ToolIcon::None,  0,   true,  false, true,  kView},
    {cmd::KeptReads,          MenuId::File,   kDoc,  "&Kept Reads...",         "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::Print,              MenuId::File,   kDoc,  "&Print...\tCtrl+P",      "Ctrl+P",                    ToolIcon::Print, 31,  true,  false, true,  kView},
    {cmd::RecentFile1,        MenuId::File,   kBoth, "Recent File",            "",                          ToolIcon::None,  0,   true,  false, false, kFrame},
    {cmd::RecentFile1 + 1,    MenuId::File,   kBoth, "",                       "",                          ToolIcon::None,  0,   false, false, false, kFrame},
    {cmd::RecentFile1 + 2,    MenuId::File,   kBoth, "",                       "",                          ToolIcon::None,  0,   false, false, false, kFrame},
    {cmd::RecentFile1 + 3,    MenuId::File,   kBoth, "",                       "",                          ToolIcon::None,  0,   false, false, false, kFrame},
    {cmd::Exit,               MenuId::File,   kBoth, "E&xit",                  "",                          ToolIcon::None,  0,   true,  false, false, kFrame},

    // The menu texts of Undo and Redo name the step (see the window's commands).
    {cmd::Undo,               MenuId::Edit,   kDoc,  "Undo\tCtrl+Z",           "Ctrl+Z; Alt+Backspace",     ToolIcon::Undo,  24,  false, false, true,  kView},
    {cmd::Redo,               MenuId::Edit,   kDoc,  "Redo\tCtrl+Y",           "Ctrl+Y; Ctrl+Shift+Z",      ToolIcon::Redo,  25,  false, false, true,  kView},
    // Shift+Insert and Shift+Delete belong to Paste and Cut, so Insert and
    // Delete show no key hint.
    {cmd::Cut,                MenuId::Edit,   kDoc,  "Cu&t\tCtrl+X",           "Ctrl+X; Shift+Del",         ToolIcon::Cut,   21,  true,  false, true,  kView},
    {cmd::Copy,               MenuId::Edit,   kDoc,  "&Copy\tCtrl+C",          "Ctrl+C; Ctrl+Ins",          ToolIcon::Copy,  22,  false, false, true,  kView},
    {cmd::Paste,              MenuId::Edit,   kDoc,  "&Paste\tCtrl+V",         "Ctrl+V; Shift+Ins",         ToolIcon::Paste, 23,  false, false, true,  kView},
    {cmd::Insert,             MenuId::Edit,   kDoc,  "&Insert",                "",                          ToolIcon::None,  0,   true,  false, true,  kView},
    {cmd::Delete,             MenuId::Edit,   kDoc,  "&Delete",                "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::Sort,               MenuId::Edit,   kDoc,  "Sort",                   "",                          ToolIcon::None,  0,   false, false, true,  kView},

    // Many channels at once. Their keys (Ctrl+D, Alt+Up, Alt+Down, Ctrl+F,
    // F3, Shift+F3, Ctrl+G) belong to the view, so the menu shows no hint.
    {cmd::Fill,               MenuId::Edit,   kDoc,  "&Fill...",               "",                          ToolIcon::None,  0,   true,  false, true,  kView},
    {cmd::MoveUp,             MenuId::Edit,   kDoc,  "Move &Up",               "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::MoveDown,           MenuId::Edit,   kDoc,  "Move Do&wn",             "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::Find,               MenuId::Edit,   kDoc,  "F&ind...",               "",                          ToolIcon::None,  0,   true,  false, true,  kView},
    {cmd::FindNext,           MenuId::Edit,   kDoc,  "Find &Next",             "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::FindPrevious,       MenuId::Edit,   kDoc,  "Find Pre&vious",         "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::GoTo,               MenuId::Edit,   kDoc,  "&Go To Channel...",      "",                          ToolIcon::None,  0,   false, false, true,  kView},

    {cmd::GetData,            MenuId::Radio,  kDoc,  "Get data from...",       "",                          ToolIcon::GetData, 41, false, false, true,  kView},
    {cmd::SendData,           MenuId::Radio,  kDoc,  "Send data to...",        "",                          ToolIcon::SendData, 42, false, false, true, kView},
    {cmd::ComportSetup,       MenuId::Radio,  kDoc,  "Comport setup",          "",                          ToolIcon::None,  0,   true,  false, false, kFrame},

    {cmd::Settings,           MenuId::View,   kDoc,  "Settings...",            "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::BankSettings,       MenuId::View,   kDoc,  "Bank Settings",          "",                          ToolIcon::None,  0,   false, true,  true,  kView},
    {cmd::Options,            MenuId::View,   kDoc,  "Options",                "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::AllowedCharacters,  MenuId::View,   kDoc,  "Allowed Characters...",  "",                          ToolIcon::None,  0,   false, false, true,  kView},
    {cmd::ViewToolbar,        MenuId::View,   kBoth, "&Toolbar",               "",                          ToolIcon::None,  0,   true,  true,  false, kFrame},
    {cmd::ViewStatusBar,      MenuId::View,   kBoth, "&Status Bar",            "",                          ToolIcon::None,  0,   false, true,  false, kFrame},

    {cmd::Cascade,            MenuId::Window, kDoc,  "&Cascade",               "",                          ToolIcon::None,  0,   false, false, true,  kFrame},
    {cmd::Tile,               MenuId::Window, kDoc,  "&Tile",                  "",                          ToolIcon::None,  0,   false, false, true,  kFrame},

    {cmd::HelpContents,       MenuId::Help,   kBoth, "Contents",               "",                          ToolIcon::None,  0,   false, false, false, kFrame},
    {cmd::About,              MenuId::Help,   kBoth, "&About Ostrel...",       "",                          ToolIcon::About, 41,  true,  false, false, kFrame},

    // Accelerators without a menu entry.
    {cmd::NextPane,           MenuId::None,   kNone, "Next Pane",              "F6",                        ToolIcon::None,  0,   false, false, true,  kFrame},
    {cmd::PrevPane,           MenuId::None,   kNone, "Previous Pane",          "Shift+F6",                  ToolIcon::None,  0,   false, false, true,  kFrame},
    {cmd::HelpKey,            MenuId::None,   kNone, "Help",                   "F1",                        ToolIcon::None,  0,   false, false, false, kFrame},
};
// clang-format on

} // namespace

std::span<const CommandInfo> Commands()
{
    return kCommands;
}

const CommandInfo* FindCommand(int id)
{
    const auto* found =
        std::find_if(std::begin(kCommands), std::end(kCommands), [id](const CommandInfo& c) { return c.id == id; });
    return found != std::end(kCommands) ? found : nullptr;
}

const char* CommandPrompt(int id)
{
    struct Prompt {
        int id;
        const char* text;
    };
    static constexpr Prompt kPrompts[] = {
        {cmd::New, "Create a new radio data file"},
        {cmd::Open, "Open an existing radio data file"},
        {cmd::Close, "Close the active radio data file"},
        {cmd::Save, "Save the active radio data file"},
        {cmd::SaveAs, "Save the active radio data file with a new name"},
        {cmd::Import, "Import a text data file"},
        {cmd::Export, "Export current file to a text file"},
        {cmd::CompareWith, "Compare the active radio data file with another one"},
        {cmd::KeptReads, "List the reads of the radio kept on this computer"},
        {cmd::Print, "Print the channels of the sheet shown"},
        {cmd::RecentFile1, "Open this radio data file"},
        {cmd::RecentFile1 + 1, "Open this radio data file"},
        {cmd::RecentFile1 + 2, "Open this radio data file"},
        {cmd::RecentFile1 + 3, "Open this radio data file"},
        {cmd::Exit, "Quit the program; asks to save modified files"},
        {cmd::Undo, "Take back the last change"},
        {cmd::Redo, "Bring back the change last taken back"},
        {cmd::Cut, "Cut the selected channels"},
        {cmd::Copy, "Copy the selected channels"},
        {cmd::Paste, "Paste the copied channels"},
        {cmd::Insert, "Insert empty channels"},
        {cmd::Delete, "Delete the selected channels"},
        {cmd::Sort, "Sort the channels"},
        {cmd::Fill, "Write one value into the selected column of the channels (Ctrl+D fills down)"},
        {cmd::MoveUp, "Move the selected channels up one row (Alt+Up)"},
        {cmd::MoveDown, "Move the selected channels down one row (Alt+Down)"},
        {cmd::Find, "Find a channel by name, frequency or comment (Ctrl+F)"},
        {cmd::FindNext, "Go to the next channel found (F3)"},
        {cmd::FindPrevious, "Go to the previous channel found (Shift+F3)"},
        {cmd::GoTo, "Go to a channel by its number (Ctrl+G)"},
        {cmd::GetData, "Read the data from the radio"},
        {cmd::SendData, "Write the data to the radio"},
        {cmd::ComportSetup, "Choose the serial port of the radio"},
        {cmd::Settings, "Edit the radio's settings"},
        {cmd::BankSettings, "Show the bank columns"},
        {cmd::Options, "Choose the columns shown"},
        {cmd::AllowedCharacters, "Show the characters a name may hold"},
        {cmd::ViewToolbar, "Show or hide the toolbar"},
        {cmd::ViewStatusBar, "Show or hide the status bar"},
        {cmd::Cascade, "Arrange the windows so they overlap"},
        {cmd::Tile, "Arrange the windows side by side"},
        {cmd::HelpContents, "Show the help contents"},
        {cmd::About, "Show the program's version"},
    };
    for (const Prompt& prompt : kPrompts)
        if (prompt.id == id)
            return prompt.text;
    return "";
}

const char* MenuTitle(MenuId menu)
{
    switch (menu) {
    case MenuId::File:
        return "&File";
    case MenuId::Edit:
        return "&Edit";
    case MenuId::Radio:
        return "&Radio";
    case MenuId::View:
        return "&View";
    case MenuId::Window:
        return "&Window";
    case MenuId::Help:
        return "&Help";
    case MenuId::None:
        break;
    }
    return "";
}

} // namespace app
