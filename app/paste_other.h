#pragma once
// Edit > Paste of a document window: the rows this program copied (the main
// frame's text slots), or text that another program put on the clipboard,
// read as tab-separated rows through the import's row conversion.

// std
#include <string>

class CChildFrame;
class CMainView;

namespace app {

// Shown when text from another program is pasted on a sheet other than Memories.
inline constexpr const char* kPasteOnMemoriesOnly = "Rows from other programs are pasted on the Memories sheet";

// Pastes what the clipboard holds into the window, reporting in the main
// frame's status bar when the rows came from another program.
void PasteRows(CChildFrame& window);

// Places another program's text from the selected row of the Memories sheet
// on (overwriting, one row after another) as one step "Paste of N Channels";
// returns the status bar's report, empty when no row was selected.
std::string PasteOtherProgramsText(CMainView& view, const std::string& text);

} // namespace app
