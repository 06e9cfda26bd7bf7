#pragma once
// The cell store measures widths and heights in twips (1/1440 inch); the
// screen wants pixels. Every conversion goes through these two functions.

// Qt
#include <QWidget>

namespace grid {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsToPixels(int twips, int dpi)
{
    return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch);
}

// Horizontal sizes use the widget's horizontal resolution, vertical ones its
// vertical resolution.
inline int TwipsToPixelsX(const QWidget& widget, int twips)
{
    return TwipsToPixels(twips, widget.logicalDpiX());
}

inline int TwipsToPixelsY(const QWidget& widget, int twips)
{
    return TwipsToPixels(twips, widget.logicalDpiY());
}

} // namespace grid
