// Printing a grid: which rows print (everything in use, or the selection),
// hidden columns left out, and pages written to a PDF file.

// lib
#include "grid/spreadsheet.h"
#include "grid/ui/grid_printer.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

// std
#include <cstdlib>
#include <string>
#include <vector>

// test
#include "support/temp_config.h"
#include <gtest/gtest.h>

namespace {

using grid::CellKind;
using grid::GridPrinter;

class GridPrinterTest : public ::testing::Test {
protected:
    GridPrinterTest()
    {
        sheet.SetColCount(4);
        sheet.SetRowCount(200);
        sheet.SetRowHeight(0, 600);
        sheet.SetKind({3, 1, 3, 200}, CellKind::CheckBox);
        for (int row = 1; row <= 200; ++row)
            sheet.SetText(0, row, std::to_string(row));
        for (int c = 1; c <= 4; ++c)
            sheet.SetText(c, 0, "Col\n" + std::to_string(c));
    }

    QPrinter& PdfPrinter(const std::string& name)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        path = QString::fromStdString(dir.path() + "/" + name);
        printer.setOutputFileName(path);
        return printer;
    }

    grid::CSpreadSheet1 sheet;
    test_support::TempDir dir;
    QPrinter printer{QPrinter::HighResolution};
    QString path;
};

TEST_F(GridPrinterTest, EverythingStopsAtTheLastRowInUse)
{
    EXPECT_EQ(GridPrinter::LastRowInUse(sheet), 0) << "row labels and clear boxes are no content";
    sheet.SetText(1, 12, "146.52000");
    sheet.SetChecked(3, 40, true);
    sheet.SetText(4, 90, "hidden");
    sheet.SetColHidden(4, true);
    EXPECT_EQ(GridPrinter::LastRowInUse(sheet), 40);

    GridPrinter printer(sheet, "Title");
    ASSERT_EQ(printer.Rows().size(), 40u);
    EXPECT_EQ(printer.Rows().front(), 1);
    EXPECT_EQ(printer.Rows().back(), 40);
}

TEST_F(GridPrinterTest, ASelectionPrintsExactlyItsRows)
{
    sheet.SetText(1, 150, "x");
    GridPrinter gridPrinter(sheet, "Title");
    gridPrinter.SetRows(5, 7);
    EXPECT_EQ(gridPrinter.Rows(), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(gridPrinter.PageCount(PdfPrinter("selection.pdf")), 1);
    gridPrinter.Print(printer, 1, 99);
    EXPECT_GT(QFileInfo(path).size(), 0);

    gridPrinter.SetRows(199, 250);
    EXPECT_EQ(gridPrinter.Rows(), (std::vector<int>{199, 200})) << "clipped to the sheet";
}

TEST_F(GridPrinterTest, LongGridsTakeSeveralPagesAndAPageRangePrints)
{
    sheet.SetText(2, 200, "last");
    GridPrinter gridPrinter(sheet, "Ostrel - Memories");
    const int pages = gridPrinter.PageCount(PdfPrinter("all.pdf"));
    EXPECT_GE(pages, 3);
    gridPrinter.Print(printer, 2, 2);
    EXPECT_GT(QFileInfo(path).size(), 0);
    if (const char* shots = std::getenv("OSTREL_SCREENSHOT_DIR")) {
        gridPrinter.Print(PdfPrinter("all.pdf"), 1, 1);
        QFile::copy(path, QString::fromLatin1(shots) + "/grid_print.pdf");
    }
}

} // namespace
