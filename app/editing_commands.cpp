// The View menu's editing aids of a document window: "Bank Settings" (on the
// Memories sheet, checked while the bank layout is on), "Options" and
// "Allowed Characters...".

// own
#include "app/window_commands.h"

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "grid/ui/main_view.h"
#include "grid/ui/view_editing.h"

namespace app {

void InstallEditingCommands(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::BankSettings, {.run = [&window] { window.View().Editing().ToggleBankLayout(); },
                                          .enabled = [&window] { return OnMemoriesSheet(window); },
                                          .checked = [&window] { return window.View().Editing().BankLayout(); }});
    commands.Register(cmd::Options, {.run = [&window] { window.View().Editing().Options(); }});
    commands.Register(cmd::AllowedCharacters,
                      {.run = [&window] { window.View().Editing().ShowAllowedCharacters(); }});
}

} // namespace app
