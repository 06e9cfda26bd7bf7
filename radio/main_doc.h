#pragma once
// CMainDoc: one radio's data (file header, image and per-channel comments) and
// its radio data file. Qt-free; the caller shows load errors with the caption
// "File Error".

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
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
    // An image read from the radio becomes the document's: comments cleared,
    // source "ReadRadio", the radio's current state taken into the active
    // Hyper Memory and every record settled. Not a history step by itself.
    void AdoptRead(const RadioImage& image);
    // Every record in the form the record rules give it (record_rules.h).
    void Settle();
    // Makes Hyper Memory `hyper` (0..4) the active one: the radio's current
    // state becomes its area. Not a history step by itself.
    void ChooseActiveHyper(int hyper);

    // Opens a radio data file (the radio's current state taken into the active
    // Hyper Memory, every record settled). On failure returns false, keeps the
    // document as it was and leaves the message in ErrorText().
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
    const DocumentHistory& History() const { return history_; }
    // Settles the document and makes it the one state of a new history, the
    // clean one: the document as its window first shows it.
    void StartHistory();

    // Told after every change of the history: a step added, undone or redone,
    // a new history, a save; and, apart, whenever the document turns modified
    // or clean.
    struct HistoryListener {
        std::function<void()> stepsChanged;
        std::function<void(bool modified)> modifiedChanged;
    };
    void SetHistoryListener(HistoryListener listener);

private:
    void Begin();
    bool Restore(const DocumentDataArea* state);
    void Announce();

    DocumentDataArea data_;
    DocumentHistory history_;
    std::string error_;
    HistoryListener listener_;
    bool announcedModified_ = false;
};

} // namespace radio
