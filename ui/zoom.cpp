// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zoom.h"

#include "ui/twips.h"
#include "ui/widgets.h"
#include "ui/windowsize.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QIconEngine>
#include <QLayout>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
const char* const kDesignedRect = "quilloraDesignedRect";
const char* const kDesignedFont = "quilloraDesignedFont";
// What zoomWindow() remembers of a window and its controls, in pixels at 100 %.
const char* const kWindowZoom = "quilloraWindowZoom";
const char* const kZoomsItself = "quilloraZoomsItself";
const char* const kDesignedGeometry = "quilloraDesignedGeometry";
const char* const kDesignedMin = "quilloraDesignedMin";
const char* const kDesignedMax = "quilloraDesignedMax";
const char* const kDesignedSize = "quilloraDesignedSize";

double g_zoom = 1.0;

int scaled(int length, double zoom) { return int(std::lround(length * zoom)); }

QSize scaledSize(QSize size, double zoom, bool keepMax)
{
    // QWIDGETSIZE_MAX means "no limit", which stays no limit.
    auto one = [&](int v) { return keepMax && v >= QWIDGETSIZE_MAX ? v : std::min(scaled(v, zoom), QWIDGETSIZE_MAX); };
    return QSize(one(size.width()), one(size.height()));
}

// A control that its parent places by hand, not a layout nor a compound widget's own insides.
bool placedByHand(const QWidget* w, const QWidget* window)
{
    const QWidget* parent = w->parentWidget();
    if (!parent || w->isWindow() || parent->layout())
        return false;
    const QMetaObject* kind = parent->metaObject();
    return parent == window || kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject
        || kind == &QGroupBox::staticMetaObject;
}

// The style's own lengths (margins, spacings, indicators, icons, scroll bars) at the zoom, so a
// box grows as a whole, not only its text.
// A style's icon, asked of the style only when first drawn. A menu bar asks for its overflow
// arrow as it is made, and the style reads that picture by a route that loads every image
// plugin (Qt SVG and libjpeg among them): a cost at start-up for an arrow seldom shown.
class DeferredStyleIcon : public QIconEngine {
public:
    explicit DeferredStyleIcon(QStyle::StandardPixmap which) : m_which(which) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override { return icon().pixmap(size, mode, state); }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override { return icon().availableSizes(mode, state); }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredStyleIcon(m_which); }

private:
    const QIcon& icon()
    {
        if (m_icon.isNull()) {
            // From the style under the game's own, which draws the real picture.
            const QStyle* style = QApplication::style();
            if (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
                style = proxy->baseStyle();
            m_icon = style->standardIcon(m_which);
        }
        return m_icon;
    }

    QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

class ZoomStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredStyleIcon(which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_LayoutLeftMargin: case PM_LayoutTopMargin: case PM_LayoutRightMargin: case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing: case PM_LayoutVerticalSpacing: case PM_DefaultFrameWidth:
        case PM_ButtonMargin: case PM_MenuHMargin: case PM_MenuVMargin: case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin: case PM_MenuBarVMargin: case PM_MenuBarPanelWidth:
        case PM_IndicatorWidth: case PM_IndicatorHeight: case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: case PM_SmallIconSize: case PM_LargeIconSize: case PM_IconViewIconSize:
        case PM_ListViewIconSize: case PM_ButtonIconSize: case PM_MessageBoxIconSize: case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin: case PM_ToolBarIconSize: case PM_TabBarIconSize: case PM_HeaderMargin:
        case PM_FocusFrameHMargin: case PM_FocusFrameVMargin: case PM_ComboBoxFrameWidth: case PM_SpinBoxFrameWidth:
        case PM_TabBarTabHSpace: case PM_TabBarTabVSpace: case PM_ToolTipLabelFrameWidth:
            return base > 0 ? int(std::lround(base * g_zoom)) : base;
        default:
            return base;
        }
    }
};

// Zooms every window as it is shown, so a box made anywhere opens at the zoom in force.
class ZoomOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            const Qt::WindowType type = w->windowType();
            if (w->isWindow() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
                zoomWindow(w, g_zoom);
        }
        return false;
    }
};

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

void installGameStyle()
{
    // Takes the style in use as it is and scales its lengths with the zoom.
    if (qApp && !dynamic_cast<ZoomStyle*>(QApplication::style()))
        QApplication::setStyle(new ZoomStyle(QStyleFactory::create(QApplication::style()->name())));
}

double applicationZoom() { return g_zoom; }

QFont applicationFont(double zoom) { return zoomedFont(gameFont(9.75, false), zoom); }

void setApplicationZoom(double zoom)
{
    if (zoom <= 0)
        return;
    static ZoomOnShow* filter = nullptr;
    const bool changed = zoom != g_zoom || QApplication::font() != applicationFont(zoom);
    g_zoom = zoom;
    if (!filter && zoom != 1.0 && qApp) {
        filter = new ZoomOnShow(qApp);
        qApp->installEventFilter(filter);
        installGameStyle();
    }
    if (!changed)
        return;
    // Menus, tooltips, message boxes, file dialogs and every control without a font of its own.
    QApplication::setFont(applicationFont(zoom));
    // Windows that exist already hear of the change by a posted event; let them hear it now, so
    // what is measured next is measured in the new font.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible() && !w->isHidden() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            zoomWindow(w, zoom);
}

void setZoomsItself(QWidget* window) { window->setProperty(kZoomsItself, true); }

void zoomWindow(QWidget* window, double zoom)
{
    if (window->property(kZoomsItself).toBool())
        return;
    const QVariant was = window->property(kWindowZoom);
    const double from = was.isValid() ? was.toDouble() : 1.0;
    if (from == zoom)
        return;
    window->setProperty(kWindowZoom, zoom);
    const bool fixed = window->minimumSize() == window->maximumSize();
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    for (QWidget* w : controls) {
        if (w != window && w->window() != window)
            continue;  // a window of its own, zoomed as it is shown
        // Fonts: what the control was given, at the zoom.
        if (w->testAttribute(Qt::WA_SetFont)) {
            QVariant font = w->property(kDesignedFont);
            if (!font.isValid()) {
                // Set at 100 % when the control was made.
                font = w->font();
                w->setProperty(kDesignedFont, font);
            }
            w->setFont(zoomedFont(font.value<QFont>(), zoom));
        }
        // Fixed widths and heights.
        QVariant min = w->property(kDesignedMin), max = w->property(kDesignedMax);
        if (!min.isValid()) {
            min = scaledSize(w->minimumSize(), 1.0 / from, false);
            max = scaledSize(w->maximumSize(), 1.0 / from, true);
            w->setProperty(kDesignedMin, min);
            w->setProperty(kDesignedMax, max);
        }
        if (min.toSize() != QSize(0, 0) || max.toSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) {
            w->setMinimumSize(scaledSize(min.toSize(), zoom, false));
            w->setMaximumSize(scaledSize(max.toSize(), zoom, true));
        }
        // Places, in a window laid out by hand to a fixed size.
        if (fixed && placedByHand(w, window)) {
            QVariant g = w->property(kDesignedGeometry);
            if (!g.isValid()) {
                const QRect r = w->geometry();
                g = QRect(scaled(r.x(), 1 / from), scaled(r.y(), 1 / from), scaled(r.width(), 1 / from),
                          scaled(r.height(), 1 / from));
                w->setProperty(kDesignedGeometry, g);
            }
            const QRect d = g.toRect();
            const int left = scaled(d.x(), zoom), top = scaled(d.y(), zoom);
            w->setGeometry(QRect(left, top, scaled(d.x() + d.width(), zoom) - left,
                                 scaled(d.y() + d.height(), zoom) - top));
        }
    }
    if (fixed)
        return;
    // A window sized by its code keeps its proportion to the text; one sized by its layout is
    // sized by it again. Either stays on the screen, frame and title included (before the
    // window system frames it, with the designed allowance for them).
    const QRect avail = window->screen() ? window->screen()->availableGeometry() : QRect();
    const QSize decoration = window->frameGeometry().size() != window->size()
        ? window->frameGeometry().size() - window->size()
        : QSize(px(OuterAllowanceWidthTw), px(OuterAllowanceHeightTw));
    if (window->testAttribute(Qt::WA_Resized)) {
        QVariant designed = window->property(kDesignedSize);
        if (!designed.isValid()) {
            designed = scaledSize(window->size(), 1.0 / from, false);
            window->setProperty(kDesignedSize, designed);
        }
        QSize size = scaledSize(designed.toSize(), zoom, false).expandedTo(window->minimumSizeHint());
        if (avail.isValid())
            size = size.boundedTo(avail.size() - decoration);
        window->resize(size);
    } else if (window->layout()) {
        window->layout()->activate();
        window->adjustSize();
        window->setAttribute(Qt::WA_Resized, false);
    }
    if (avail.isValid()) {
        // A window's position is its frame's.
        const QSize frame = window->size() + decoration;
        QPoint at = window->pos();
        at.setX(std::max(avail.left(), std::min(at.x(), avail.right() + 1 - frame.width())));
        at.setY(std::max(avail.top(), std::min(at.y(), avail.bottom() + 1 - frame.height())));
        if (at != window->pos())
            window->move(at);
    }
}

QRect atZoom(const QRect& d)
{
    const int left = scaled(d.x(), g_zoom), top = scaled(d.y(), g_zoom);
    return QRect(left, top, scaled(d.x() + d.width(), g_zoom) - left, scaled(d.y() + d.height(), g_zoom) - top);
}

int atZoom(int designed) { return scaled(designed, g_zoom); }

} // namespace ui
