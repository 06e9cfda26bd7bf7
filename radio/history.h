#pragma once
// DocumentHistory: the committed states of one document, each a whole copy of
// its data area under the name of the step that made it. Undo and redo move
// along the list; a new step drops the redo branch. The oldest states leave
// once there are more than kMinStates and their total size passes the budget.

// std
#include <cstddef>
#include <deque>
#include <memory>
#include <string>

// project
#include "radio/document_data.h"

namespace radio {

class DocumentHistory {
public:
    static constexpr std::size_t kMinStates = 200;
    static constexpr std::size_t kDefaultBudget = 32u * 1024u * 1024u;

    explicit DocumentHistory(std::size_t budgetBytes = kDefaultBudget);

    // Starts over with one state, which is also the clean one.
    void Reset(const DocumentDataArea& state);
    // Adds `state` after the current one when it differs from it; drops the
    // redo branch. True when added.
    bool Push(const DocumentDataArea& state, const std::string& label);

    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < states_.size(); }
    // Name of the step an undo takes back / a redo brings again; "" when none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // Moves one step and gives the state to restore; nullptr when there is none.
    const DocumentDataArea* Undo();
    const DocumentDataArea* Redo();

    const DocumentDataArea& Current() const { return *states_[current_].data; }
    // The state last saved or opened (kept even after it left the list).
    const DocumentDataArea& Clean() const { return *clean_; }
    // `state` is what was saved; usually the current state itself.
    void MarkClean(const DocumentDataArea& state);

    std::size_t Size() const { return states_.size(); }
    std::size_t Position() const { return current_; }

private:
    struct Step {
        std::shared_ptr<const DocumentDataArea> data;
        std::string label; // of the step that led to this state
    };
    void Trim();

    std::size_t budget_;
    std::deque<Step> states_;
    std::size_t current_ = 0;
    std::shared_ptr<const DocumentDataArea> clean_;
};

} // namespace radio
