#pragma once
// The program's commands in one table: id, the menu that shows it, its text,
// its accelerators and its place on the toolbar. The main frame builds its
// menus, toolbar and shortcuts from this table and nothing else.

// std
#include <span>

namespace app {

// The pop-up menus of the menu bar, in the order they appear.
enum class MenuId { None, File, Edit, Radio, View, Window, Help };

// Which menu bars show an entry: menu 128 (no document open), menu 129 (a document open).
enum MenuBars : unsigned {
    kNoMenuBar = 0,
    kMenuNoDocument = 1u << 0,
    kMenuDocument = 1u << 1,
    kMenuAlways = kMenuNoDocument | kMenuDocument,
};

// Pictures of toolbar 128 (standard icons of the desktop theme).
enum class ToolIcon { None, New, Open, Save, Cut, Copy, Paste, Undo, Redo, Print, GetData, SendData, About };

// How a command reaches the program.
enum class Handler {
    Frame,     // the main frame carries it out
    View,      // the active document's view carries it out
};

struct CommandInfo {
    int id;
    MenuId menu;              // MenuId::None: accelerator only
    unsigned menuBars;        // MenuBars
    const char* text;         // menu text, "\t" then the key hint where there is one
    const char* keys;         // accelerators, "; " between key sequences; "" for none
    ToolIcon tool;            // ToolIcon::None: not on the toolbar
    int toolSlot;             // place on the toolbar: group * 10 + position; 0 when not there
    bool separatorBefore;     // in its menu
    bool checkable;
    bool needsDocument;       // available only while a document window is active
    Handler handler;
};

// Every command in menu order (menus in MenuId order; within a menu, top to bottom).
std::span<const CommandInfo> Commands();

// The command with this id, or nullptr.
const CommandInfo* FindCommand(int id);

// The status bar prompt of a command, "" when it has none.
const char* CommandPrompt(int id);

// The text of a pop-up menu ("&File", ...).
const char* MenuTitle(MenuId menu);

} // namespace app
