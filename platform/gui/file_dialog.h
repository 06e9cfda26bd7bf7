#pragma once
// Every file dialog of the program opens through here, at a size that shows
// its name, size, type and date columns whole.

// Qt
#include <QString>

class QFileDialog;

namespace platform {

// Sizes and runs the dialog; the chosen file, empty when cancelled.
QString RunFileDialog(QFileDialog& dialog);

} // namespace platform
