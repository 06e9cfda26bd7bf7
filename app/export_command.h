#pragma once
// File > Export: writes the sheet being shown as tab- or comma-delimited text.

class CMainView;

namespace app {

// Hands the Export command to the view of one document window.
void InstallExportCommand(CMainView& view);

} // namespace app
