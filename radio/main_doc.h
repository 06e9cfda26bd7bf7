#pragma once
// CMainDoc: one radio's data (file header, image and per-channel comments) and
// its radio data file. Qt-free; the caller shows load errors with the caption
// "File Error".

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// project
#include "radio/document_data.h"
#include "radio/history.h"
#include "radio/radio_model.h"

namespace radio {

class CMainDoc : public RadioModel {
public:
    // `separator` is the decimal separator of the frequency texts.
    explicit CMainDoc(char separator);

    // A fresh document from the template image, with no comments.
    bool OnNewDocument();

    // Opens a radio data file. On failure returns false, keeps the document as it
    // was and leaves the message in ErrorText().
    bool Load(const std::string& path);
    // The same for file content already in memory (at most 67205 bytes are used).
    bool LoadBytes(const std::uint8_t* data, std::size_t size, const std::string& path);
    // Writes the 67205-byte file and marks the current state clean; on failure
    // the old file stays as it was, the document stays modified and ErrorText() says why.
    bool Save(const std::string& path);
    // The 67205 bytes that Save writes (the total size field set to 67205).
    std::array<std::uint8_t, kRdfFileSize> Bytes() const;
    const std::string& ErrorText() const { return error_; }

    RadioImage& Image() override { return data_.image; }
    const RadioImage& Image() const override { return data_.image; }
    const DocumentDataArea& Data() const { return data_; }

    std::string Comment(int row) const override;
    // Cuts to 30 characters.
    void SetComment(int row, const std::string& text) override;
    void ClearComments();

    std::string SourceName() const;
    void SetSourceName(const std::string& name);

    // --- History of committed states (the whole data area).
    // Adds the current data area as a step named `label` when it differs from
    // the current state; drops the redo branch. True when added.
    bool CommitStep(const std::string& label);
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // "Typing in Memories 12", ...; empty when there is nothing to undo / redo.
    std::string UndoLabel() const { return history_.UndoLabel(); }
    std::string RedoLabel() const { return history_.RedoLabel(); }
    // Restore the data area of the previous / next state. Changes not yet
    // committed are dropped: callers commit first.
    bool Undo();
    bool Redo();
    // The data area differs from the state last saved or opened.
    bool IsModified() const { return !(data_ == history_.Clean()); }
    // The current data area becomes the saved one (Save and Open call it).
    void MarkClean();
    // Forgets every step: the current data area becomes the only state and
    // the clean one (the view calls it once the first load settled the image).
    void StartHistory() { history_.Reset(data_); }
    const DocumentHistory& History() const { return history_; }

private:
    DocumentDataArea data_;
    DocumentHistory history_;
    std::string error_;
};

} // namespace radio
