// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zoom.h"

#include "ui/twips.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
const char* const kDesignedRect = "quilloraDesignedRect";
const char* const kDesignedFont = "quilloraDesignedFont";
} // namespace

int zoomStepUp(int percent)
{
    for (int step : ZoomSteps)
        if (step > percent)
            return step;
    return std::max(percent, ZoomSteps.back());
}

int zoomStepDown(int percent)
{
    for (auto it = ZoomSteps.rbegin(); it != ZoomSteps.rend(); ++it)
        if (*it < percent)
            return *it;
    return std::min(percent, ZoomSteps.front());
}

double fittingZoom(QSize designed, QSize available)
{
    if (designed.isEmpty() || available.isEmpty())
        return 1.0;
    const double z = std::min(double(available.width()) / designed.width(),
                              double(available.height()) / designed.height());
    return std::clamp(z, MinZoomPercent / 100.0, MaxZoomPercent / 100.0);
}

int pxZoomed(double twips, double zoom) { return px(twips * zoom); }

QRect rectZoomed(const QRect& tw, double zoom)
{
    if (zoom == 1.0)
        return rectTw(tw.x(), tw.y(), tw.width(), tw.height());
    // Edges rather than sizes are rounded, so neighbours that touch by design still touch.
    const int left = pxZoomed(tw.x(), zoom), top = pxZoomed(tw.y(), zoom);
    const int right = pxZoomed(double(tw.x()) + tw.width(), zoom);
    const int bottom = pxZoomed(double(tw.y()) + tw.height(), zoom);
    return QRect(left, top, right - left, bottom - top);
}

void placeDesigned(QWidget* control, const QRect& twips, double zoom)
{
    setDesignedRect(control, twips);
    rememberDesignedFont(control);
    control->setGeometry(rectZoomed(twips, zoom));
}

QRect designedRect(const QWidget* control) { return control->property(kDesignedRect).toRect(); }

void setDesignedRect(QWidget* control, const QRect& twips) { control->setProperty(kDesignedRect, twips); }

void rememberDesignedFont(QWidget* control)
{
    if (control->testAttribute(Qt::WA_SetFont))
        control->setProperty(kDesignedFont, control->font());
}

void setDesignedFont(QWidget* control, const QFont& font, double zoom)
{
    control->setProperty(kDesignedFont, font);
    control->setFont(zoomedFont(font, zoom));
}

QFont zoomedFont(const QFont& font, double zoom)
{
    QFont f = font;
    if (zoom == 1.0)
        return f;
    if (font.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * zoom))));
    else if (font.pointSizeF() > 0)
        f.setPointSizeF(font.pointSizeF() * zoom);
    return f;
}

void zoomControls(QWidget* root, double zoom)
{
    const QList<QWidget*> controls = root->findChildren<QWidget*>();
    for (QWidget* w : controls) {
        const QVariant font = w->property(kDesignedFont);
        if (font.isValid())
            w->setFont(zoomedFont(font.value<QFont>(), zoom));
        const QRect tw = designedRect(w);
        if (tw.isValid())
            w->setGeometry(rectZoomed(tw, zoom));
    }
}

} // namespace ui
