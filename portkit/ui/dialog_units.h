#pragma once
// Dialog units: a quarter of the average character width across, an eighth
// of the character height down, measured on a widget's font. Templates given
// in dialog units keep their proportions with any font.

// Qt
#include <QFontMetrics>
#include <QRect>
#include <QWidget>

namespace portkit {

class DialogUnits {
public:
    explicit DialogUnits(const QWidget& widget)
        : charWidth_(QFontMetrics(widget.font()).averageCharWidth()),
          charHeight_(QFontMetrics(widget.font()).height())
    {
    }

    int X(int units) const { return (units * charWidth_ + 2) / 4; }
    int Y(int units) const { return (units * charHeight_ + 4) / 8; }
    QRect Rect(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }

private:
    int charWidth_;
    int charHeight_;
};

} // namespace portkit
