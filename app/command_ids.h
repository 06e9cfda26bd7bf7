#pragma once
// Command identifiers of the menus, toolbar and accelerators. The numbers are
// the ones the program has always used; the menus, the dispatch in the main
// frame and the window command route refer to them by these names.

namespace cmd {

enum Id : int {
    // File
    New = 57600,
    Open = 57601,
    Close = 57602,
    Save = 57603,
    SaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintDirect = 57608,
    PrintPreview = 57609,
    RecentFile1 = 57616, // 57616 .. 57619
    Import = 32771,
    Export = 32773,
    CompareWith = 32850,
    KeptReads = 32851,
    Exit = 57665,
    // Edit
    Copy = 57634,
    Cut = 57635,
    Paste = 57637,
    Undo = 57643,
    Redo = 57644,
    Insert = 32774,
    Delete = 32775,
    Sort = 32776,
    // Edit: many channels at once (the view owns their keys)
    Fill = 32840,
    MoveUp = 32841,
    MoveDown = 32842,
    Find = 32843,
    FindNext = 32844,
    FindPrevious = 32845,
    GoTo = 32846,
    // Radio
    GetData = 32777,
    SendData = 32778,
    ComportSetup = 32779,
    // View
    Settings = 32782,
    Options = 32783,
    BankSettings = 32829,
    AllowedCharacters = 32830,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    // Window
    Cascade = 57650,
    Tile = 57651,
    NextPane = 57680,
    PrevPane = 57681,
    // Help
    HelpContents = 32827,
    HelpKey = 57670,
    About = 57664,
};

inline constexpr int kRecentFileCount = 4;

} // namespace cmd
