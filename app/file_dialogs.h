#pragma once
// The file dialogs for radio data files.

// std
#include <string>

class QString;
class QWidget;

namespace app {

// A radio data file to open; empty when cancelled. `title`: the dialog's
// caption, "Open" when null.
std::string AskOpenPath(QWidget* parent, const char* title = nullptr);
// File paths are the file system's bytes (UTF-8), not Latin-1 texts.
QString PathText(const std::string& path);
std::string PathBytes(const QString& path);

// Where to save; ".rdf" is added to a name without extension; empty when cancelled.
std::string AskSavePath(QWidget* parent, const std::string& suggested);

} // namespace app
