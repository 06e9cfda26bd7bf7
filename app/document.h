#pragma once
// The program's side of one open radio data file: the radio document
// (radio::CMainDoc) with the file's path and the window title. Qt-free; the
// frames ask the questions and show the messages.

// std
#include <memory>
#include <string>

namespace radio {
class CMainDoc;
}

namespace app {

class Document {
public:
    // untitledName: the title while the document has no file ("Untitled", "Untitled2", ...).
    explicit Document(std::string untitledName);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    radio::CMainDoc& Data() { return *doc_; }
    const radio::CMainDoc& Data() const { return *doc_; }

    // A new document from the template image.
    bool NewFile();
    // Reads a radio data file; on failure ErrorText() says why and the document
    // keeps no path.
    bool OpenFile(const std::string& path);
    // Writes the file; on success the document takes the path and is no longer
    // modified; on failure it keeps its old path, stays modified and
    // ErrorText() says why.
    bool SaveFile(const std::string& path);
    const std::string& ErrorText() const;

    const std::string& Path() const { return path_; }
    // The document keeps its data but no longer belongs to its file: it is
    // untitled, shown as `untitledName`.
    void ForgetPath(std::string untitledName)
    {
        path_.clear();
        untitledName_ = std::move(untitledName);
    }
    bool HasPath() const { return !path_.empty(); }
    // The file name without its folder, or the untitled name.
    std::string Title() const;

    bool IsModified() const;

private:
    std::unique_ptr<radio::CMainDoc> doc_;
    std::string untitledName_;
    std::string path_;
};

// The name a new document gets: "Untitled" for the first, then "Untitled2", ...
std::string UntitledName(int ordinal);

// The path with ".rdf" added when the file name has no extension.
std::string WithDefaultExtension(const std::string& path);

} // namespace app
