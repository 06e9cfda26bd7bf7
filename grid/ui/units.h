#pragma once
// The cell store measures widths and heights in twips (1/1440 inch); the
// screen wants pixels. Every conversion goes through these functions.

// lib
#include "grid/spreadsheet.h"

// Qt
#include <QFontMetrics>
#include <QWidget>

namespace grid {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsToPixels(int twips, int dpi)
{
    return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch);
}

// Heights follow the screen's vertical resolution.
inline int TwipsToPixelsY(const QWidget& widget, int twips)
{
    return TwipsToPixels(twips, widget.logicalDpiY());
}

// Column widths are counted in characters of the grid's font (kCharWidth
// twips each); on screen a character is a digit of the widget's font plus a
// pixel, so that a column keeps room for as many digits whatever the font.
inline int ColumnPixels(const QWidget& widget, int twips)
{
    const int charPixels = widget.fontMetrics().horizontalAdvance(QLatin1Char('0')) + 1;
    return static_cast<int>(static_cast<long long>(twips) * charPixels / kCharWidth);
}

} // namespace grid
