#pragma once
// The question of Edit > Fill...: the value for one column of the selected
// channels, asked with that column's own editor (its list, a number or a
// text, a check box), starting from what the first row holds.

// std
#include <optional>
#include <string>

class QWidget;

namespace grid {

class GridModel;

// The value chosen, or nothing when the question was cancelled. `rows` is the
// count of selected rows, for the question's text.
std::optional<std::string> AskFillValue(QWidget* parent, GridModel& model, int col, int row, int rows);

} // namespace grid
