#include "game/layout.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace layout {

namespace {

// Twips properties hold whole numbers; a computed size is rounded as it is stored.
int whole(float value) { return int(std::lround(value)); }

} // namespace

RightColumn rightColumn(int width, int height)
{
    // Single precision, as the window was designed.
    const float sx = (float(width) - 6000.0f) / 6000.0f;
    const float sy = float(height) / 9000.0f;
    RightColumn c;
    c.Text2 = QRect(whole(880 * sx + 6200), whole(4560 * sy), whole(4575 * sx), whole(765 * sy));
    c.CrestImage = QRect(whole(1960 * sx + 6200), whole(5400 * sy), whole(2895 * sx), whole(2775 * sy));
    static constexpr int rowTops[3] = {480, 1860, 3240};
    int k = 0;
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 4; ++col, ++k)
            c.Crest[k] = QRect(whole((1200 * col + 760) * sx + 6100), whole(rowTops[r] * sy), whole(1095 * sx),
                               whole(1215 * sy));
    return c;
}

QPoint moveQuestionBox(int index, QPoint box, QSize boxSize, QSize window)
{
    switch (index) {
    case 0:
        if (box.y() > 400)
            box.ry() -= 200;
        break;
    case 1:
        if (box.y() < window.height() - boxSize.height())
            box.ry() += 200;
        break;
    case 2:
        if (box.x() > 200)
            box.rx() -= 200;
        break;
    case 3: {
        // The width is taken as a 16-bit number; wider windows than that hold count as the
        // widest it can hold, so the arrow still stops at the edge.
        const int width = qBound(-32768, window.width(), 32767);
        if (box.x() < width - boxSize.width())
            box.rx() += 200;
        break;
    }
    default: break;
    }
    return box;
}

QPoint keepInside(QPoint topLeft, QSize limit)
{
    return QPoint(qBound(0, topLeft.x(), std::max(limit.width(), 0)), qBound(0, topLeft.y(), std::max(limit.height(), 0)));
}

} // namespace layout
