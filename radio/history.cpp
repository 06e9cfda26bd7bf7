// DocumentHistory: committed states, undo and redo.

// own
#include "radio/history.h"

namespace radio {

DocumentHistory::DocumentHistory(std::size_t budgetBytes) : budget_(budgetBytes)
{
    Reset(DocumentDataArea{});
}

void DocumentHistory::Reset(const DocumentDataArea& state)
{
    states_.clear();
    states_.push_back({std::make_shared<const DocumentDataArea>(state), std::string()});
    current_ = 0;
    clean_ = states_.front().data;
}

bool DocumentHistory::Push(const DocumentDataArea& state, const std::string& label)
{
    if (state == Current())
        return false;
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
    states_.push_back({std::make_shared<const DocumentDataArea>(state), label});
    current_ = states_.size() - 1;
    Trim();
    return true;
}

void DocumentHistory::Trim()
{
    while (states_.size() > kMinStates && states_.size() * sizeof(DocumentDataArea) > budget_) {
        states_.pop_front();
        --current_;
    }
}

void DocumentHistory::MarkClean(const DocumentDataArea& state)
{
    clean_ = state == Current() ? states_[current_].data : std::make_shared<const DocumentDataArea>(state);
}

std::string DocumentHistory::UndoLabel() const
{
    return CanUndo() ? states_[current_].label : std::string();
}

std::string DocumentHistory::RedoLabel() const
{
    return CanRedo() ? states_[current_ + 1].label : std::string();
}

const DocumentDataArea* DocumentHistory::Undo()
{
    if (!CanUndo())
        return nullptr;
    --current_;
    return states_[current_].data.get();
}

const DocumentDataArea* DocumentHistory::Redo()
{
    if (!CanRedo())
        return nullptr;
    ++current_;
    return states_[current_].data.get();
}

} // namespace radio
