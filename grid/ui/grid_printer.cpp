#include "grid/ui/grid_printer.h"

// Qt
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

// std
#include <algorithm>
#include <utility>

namespace grid {

namespace {

constexpr double kMarginInch = 0.5;
constexpr int kTitlePoints = 14;
constexpr int kTextPadding = 40; // twips on each side of a cell's text

} // namespace

// Sizes in the painter's units after scaling: twips of the grid.
struct GridPrinter::Geometry {
    double scale = 1.0;  // device pixels per twip
    int pageWidth = 0;   // twips
    int pageHeight = 0;  // twips
    int titleHeight = 0; // twips, title and the gap under it
    int footHeight = 0;  // twips
    int rowsPerPage = 1;
    int pageCount = 1;
};

GridPrinter::GridPrinter(const CSpreadSheet1& sheet, QString title) : sheet_(sheet), title_(std::move(title))
{
    for (int col = 1; col <= sheet_.ColCount(); ++col) {
        if (!sheet_.ColHidden(col))
            columns_.push_back(col);
    }
    SetRows();
}

int GridPrinter::LastRowInUse(const CSpreadSheet1& sheet)
{
    for (int row = sheet.RowCount(); row >= 1; --row) {
        for (int col = 1; col <= sheet.ColCount(); ++col) {
            if (sheet.ColHidden(col))
                continue;
            const bool used = sheet.Kind(col, row) == CellKind::CheckBox ? sheet.IsChecked(col, row)
                                                                          : !sheet.GetText(col, row).empty();
            if (used)
                return row;
        }
    }
    return 0;
}

void GridPrinter::SetRows(int firstRow, int lastRow)
{
    rows_.clear();
    if (firstRow < 1 || lastRow < firstRow) {
        firstRow = 1;
        lastRow = LastRowInUse(sheet_);
    }
    for (int row = firstRow; row <= std::min(lastRow, sheet_.RowCount()); ++row)
        rows_.push_back(row);
}

GridPrinter::Geometry GridPrinter::Measure(QPrinter& printer) const
{
    printer.setPageMargins(QMarginsF(kMarginInch, kMarginInch, kMarginInch, kMarginInch), QPageLayout::Inch);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    Geometry g;
    int tableWidth = sheet_.ColWidth(0);
    for (int col : columns_)
        tableWidth += sheet_.ColWidth(col);
    const double twipsToDevice = printer.resolution() / 1440.0;
    // Wide grids shrink to the page width; narrow ones keep their size.
    g.scale = std::min(twipsToDevice, page.width() / static_cast<double>(std::max(tableWidth, 1)));
    g.pageWidth = static_cast<int>(page.width() / g.scale);
    g.pageHeight = static_cast<int>(page.height() / g.scale);
    g.titleHeight = title_.isEmpty() ? 0 : 3 * kTitlePoints * 20;
    g.footHeight = 2 * kDefaultRowHeight;
    const int rowHeight = std::max(sheet_.RowHeight(1), 1);
    const int room = g.pageHeight - g.titleHeight - g.footHeight - sheet_.RowHeight(0);
    g.rowsPerPage = std::max(1, room / rowHeight);
    const int rows = static_cast<int>(rows_.size());
    g.pageCount = std::max(1, (rows + g.rowsPerPage - 1) / g.rowsPerPage);
    return g;
}

int GridPrinter::PageCount(QPrinter& printer) const
{
    return Measure(printer).pageCount;
}

void GridPrinter::Print(QPrinter& printer, int firstPage, int lastPage) const
{
    const Geometry g = Measure(printer);
    firstPage = std::max(firstPage, 1);
    lastPage = std::min(lastPage, g.pageCount);
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    painter.scale(g.scale, g.scale);
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage)
            printer.newPage();
        PrintPage(painter, g, page);
    }
}

QString GridPrinter::CellText(int col, int row) const
{
    if (sheet_.Kind(col, row) == CellKind::CheckBox)
        return sheet_.IsChecked(col, row) ? QStringLiteral("X") : QString();
    return QString::fromLatin1(sheet_.ShownText(col, row));
}

void GridPrinter::PrintPage(QPainter& painter, const Geometry& g, int page) const
{
    // Fonts are sized in twips (20 per point) since the painter counts twips.
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(8 * 20);
    QFont titleFont(font);
    titleFont.setPixelSize(kTitlePoints * 20);
    titleFont.setBold(true);

    if (!title_.isEmpty()) {
        painter.setFont(titleFont);
        painter.drawText(QRect(0, 0, g.pageWidth, 2 * kTitlePoints * 20), Qt::AlignCenter, title_);
    }
    painter.setFont(font);
    painter.drawText(QRect(0, g.pageHeight - g.footHeight, g.pageWidth, g.footHeight), Qt::AlignCenter,
                     QString::number(page));

    const int first = (page - 1) * g.rowsPerPage;
    const int last = std::min<int>(first + g.rowsPerPage, static_cast<int>(rows_.size()));
    const int headerHeight = sheet_.RowHeight(0);
    const int rowHeight = sheet_.RowHeight(1);
    int x = 0;
    auto drawColumn = [&](int col, int width) {
        int y = g.titleHeight;
        const QRect headerRect(x, y, width, headerHeight);
        painter.fillRect(headerRect, QColor(0xE8, 0xE8, 0xE8));
        painter.drawRect(headerRect);
        painter.drawText(headerRect, Qt::AlignCenter, QString::fromLatin1(sheet_.GetText(col, 0)));
        y += headerHeight;
        for (int i = first; i < last; ++i, y += rowHeight) {
            const int row = rows_[static_cast<std::size_t>(i)];
            const QRect cell(x, y, width, rowHeight);
            painter.drawRect(cell);
            const Qt::Alignment align = col == 0 || sheet_.Kind(col, row) == CellKind::CheckBox ? Qt::AlignCenter
                                        : sheet_.Kind(col, row) == CellKind::Number ? Qt::AlignRight | Qt::AlignVCenter
                                                                                    : Qt::AlignLeft | Qt::AlignVCenter;
            painter.drawText(cell.adjusted(kTextPadding, 0, -kTextPadding, 0), align,
                             col == 0 ? QString::fromLatin1(sheet_.GetText(0, row)) : CellText(col, row));
        }
        x += width;
    };
    drawColumn(0, sheet_.ColWidth(0));
    for (int col : columns_)
        drawColumn(col, sheet_.ColWidth(col));
}

} // namespace grid
