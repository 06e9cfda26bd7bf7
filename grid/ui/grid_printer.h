#pragma once
// GridPrinter: prints a channel grid the way the screen shows it: a centred
// title in 14-point type, the header row and the row labels, every visible
// column scaled to the page width, and the page number centred at the foot.
// Everything prints up to the last row holding data; a selection prints its
// rows; a page range prints those pages.

// lib
#include "grid/spreadsheet.h"

// Qt
#include <QString>

// std
#include <vector>

class QPainter;
class QPrinter;

namespace grid {

class GridPrinter {
public:
    GridPrinter(const CSpreadSheet1& sheet, QString title);

    // The rows to print: the selected rows (clipped to the sheet) when
    // `firstRow` and `lastRow` are given, else rows 1 to the last one in use.
    void SetRows(int firstRow = -1, int lastRow = -1);
    const std::vector<int>& Rows() const { return rows_; }

    // Pages the rows take on this printer (at least 1).
    int PageCount(QPrinter& printer) const;
    // Prints pages first..last (1-based, clipped to the page count).
    void Print(QPrinter& printer, int firstPage, int lastPage) const;

    // The last row with any content (text, a choice or a set check box) in
    // a visible column; 0 when the sheet is empty.
    static int LastRowInUse(const CSpreadSheet1& sheet);

private:
    struct Geometry;
    Geometry Measure(QPrinter& printer) const;
    void PrintPage(QPainter& painter, const Geometry& g, int page) const;
    QString CellText(int col, int row) const;

    const CSpreadSheet1& sheet_;
    QString title_;
    std::vector<int> columns_; // visible data columns
    std::vector<int> rows_;
};

} // namespace grid
