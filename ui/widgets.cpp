// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets.h"
#include "ui/picture.h"

#include "ui/keyboard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <cmath>

namespace ui {

QFont gameFont(double pointSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Designed in points at 96 dpi; pixel sizes keep the captions inside their designed boxes.
    font.setPixelSize(int(std::lround(pointSize * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont fontToFit(const QFont& designed, const QString& text, int width)
{
    QFont font = designed;
    auto fits = [&] { return QFontMetrics(font).horizontalAdvance(text) <= width; };
    for (int stretch = 100; stretch >= 75 && !fits(); stretch -= 5)
        font.setStretch(stretch);
    while (!fits() && font.pixelSize() > 9)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QLabel* plainLabel(QLabel* label, const QFont& font)
{
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

void centreOver(QWidget* window, const QWidget* over)
{
    if (!over)
        return;
    QRect r(QPoint(), window->size());
    r.moveCenter(over->geometry().center());
    window->move(std::max(r.left(), 0), std::max(r.top(), 0));
}

void returnFocusTo(QWidget* window)
{
    if (window && window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
}

PictureButton::PictureButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setFont(gameFont());
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const QPixmap& face = (!isEnabled() && !m_disabledPicture.isNull()) ? m_disabledPicture : m_picture;
    if (!face.isNull())
        p.drawPixmap(r, face);
    else
        p.fillRect(r, palette().button());

    // A raised, bevelled edge; sunken while pressed.
    const bool down = isDown() || isChecked();
    const QColor light(255, 255, 255, 200), dark(0, 0, 0, 150);
    p.setPen(down ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (hasFocus() && keyboardInUse(this)) {
        // A dotted line is lost on a busy picture: a dark frame with a light edge inside reads
        // on any face.
        p.setPen(QPen(QColor(0, 40, 120), 2));
        p.drawRect(QRectF(r).adjusted(2, 2, -2, -2));
        p.setPen(QPen(QColor(255, 255, 255, 220), 1));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }

    const QColor ink = isEnabled() ? QColor(Qt::black) : QColor(110, 110, 110);  // on a plain face
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    if (m_arrow != Qt::NoArrow) {
        const QPointF c = QRectF(r).center() + shift;
        const double s = std::min(r.width(), r.height()) * 0.28;
        QPainterPath tri;
        switch (m_arrow) {
        case Qt::UpArrow: tri.moveTo(c.x() - s, c.y() + s * 0.6); tri.lineTo(c.x() + s, c.y() + s * 0.6); tri.lineTo(c.x(), c.y() - s * 0.6); break;
        case Qt::DownArrow: tri.moveTo(c.x() - s, c.y() - s * 0.6); tri.lineTo(c.x() + s, c.y() - s * 0.6); tri.lineTo(c.x(), c.y() + s * 0.6); break;
        case Qt::LeftArrow: tri.moveTo(c.x() + s * 0.6, c.y() - s); tri.lineTo(c.x() + s * 0.6, c.y() + s); tri.lineTo(c.x() - s * 0.6, c.y()); break;
        default: tri.moveTo(c.x() - s * 0.6, c.y() - s); tri.lineTo(c.x() - s * 0.6, c.y() + s); tri.lineTo(c.x() + s * 0.6, c.y()); break;
        }
        tri.closeSubpath();
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(tri, ink);
        return;
    }
    QRect textRect = r.adjusted(4, 0, -4, 0).translated(shift);
    if (m_mark != Mark::None) {
        const QColor colour = m_mark == Mark::Right ? QColor(0, 130, 0) : QColor(200, 0, 0);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
        const int d = std::clamp(r.height() - 10, 12, 24);
        const QRectF badge(r.left() + 6, r.top() + (r.height() - d) / 2.0, d, d);
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(colour);
        p.drawEllipse(badge);
        // Drawn as strokes, so the sign needs no font that has it.
        p.setPen(QPen(Qt::white, std::max(2.0, d / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = badge.center();
        const double s = d * 0.24;
        if (m_mark == Mark::Right) {
            QPainterPath tick;
            tick.moveTo(c.x() - s, c.y());
            tick.lineTo(c.x() - s * 0.25, c.y() + s * 0.8);
            tick.lineTo(c.x() + s * 1.1, c.y() - s * 0.8);
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        } else {
            p.drawLine(QPointF(c.x() - s, c.y() - s), QPointF(c.x() + s, c.y() + s));
            p.drawLine(QPointF(c.x() - s, c.y() + s), QPointF(c.x() + s, c.y() - s));
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        // The caption stays centred, clear of the sign.
        textRect.adjust(d + 6, 0, -(d + 6), 0);
    }
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
    p.setFont(font());
    if (face.isNull()) {
        p.setPen(ink);
        p.drawText(textRect, flags, text());
        return;
    }
    // Over a picture: ink and edge from the picture's brightness under the text.
    const QRect under = p.fontMetrics().boundingRect(textRect, flags, text());
    drawEdgedText(p, textRect, flags, text(), inkOver(brightnessUnder(face, r.size(), under), isEnabled()), under);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    noteKeyboardUse(this, true);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    noteKeyboardUse(this, false);
    QPushButton::mousePressEvent(event);
}

namespace {

// Whether `target` shows `picture` at a whole number of device pixels per picture pixel: then
// smoothing would only blur it.
bool wholeScale(const QPainter& p, const QRect& target, const QPixmap& picture)
{
    const qreal ratio = p.device()->devicePixelRatio();
    const QSizeF device = QSizeF(target.size()) * ratio;
    const QSizeF source = picture.size();
    const qreal sx = device.width() / source.width(), sy = device.height() / source.height();
    return sx >= 1 && sy >= 1 && std::abs(sx - std::round(sx)) < 1e-6 && std::abs(sy - std::round(sy)) < 1e-6;
}

} // namespace

PictureImage::PictureImage(QWidget* parent) : QWidget(parent) {}

void PictureImage::paintEvent(QPaintEvent*)
{
    if (picture().isNull())
        return;
    QPainter p(this);
    QRect target = rect();
    if (!m_stretch) {
        QSize size = m_picture.size();
        size.scale(this->size(), Qt::KeepAspectRatio);
        target = QRect(QPoint(), size);
        target.moveCenter(rect().center());
    }
    // A built-in symbol is drawn from its fine copy at the size shown, device pixels included.
    const QPixmap fine = fineRendering(m_picture, (QSizeF(target.size()) * devicePixelRatioF()).toSize());
    p.setRenderHint(QPainter::SmoothPixmapTransform, !fine.isNull() || !wholeScale(p, target, m_picture));
    p.drawPixmap(target, fine.isNull() ? m_picture : fine);
}

void PictureImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(parent)
{
    // Captions come from data files: never read them as markup.
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void CaptionLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    QString shown = caption;
    const bool gapAbove = shown.startsWith(QLatin1Char('\r'));
    if (gapAbove)
        shown.remove(0, shown.startsWith(QStringLiteral("\r\n")) ? 2 : 1);
    setContentsMargins(0, gapAbove ? fontMetrics().height() / 2 : 0, 0, 0);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    if (!m_backdrop || m_backdrop->picture().isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect bounds = p.fontMetrics().boundingRect(r, flags, text());
    const QRect under = bounds.translated(mapTo(window(), QPoint()) - m_backdrop->mapTo(window(), QPoint()));
    drawEdgedText(p, r, flags, text(), inkOver(brightnessUnder(m_backdrop->picture(), m_backdrop->size(), under)), bounds);
}

CaptionInk inkOver(double brightness, bool enabled)
{
    if (brightness >= 0.5)
        return {enabled ? QColor(Qt::black) : QColor(96, 96, 96), QColor(255, 255, 255, 150)};
    return {enabled ? QColor(Qt::white) : QColor(190, 190, 190), QColor(0, 0, 0, 190)};
}

double brightnessUnder(const QPixmap& picture, QSize whole, const QRect& area)
{
    if (picture.isNull() || whole.isEmpty())
        return 1.0;
    // A small copy of each picture is enough to judge light from dark; keep the last few, as
    // every caption of a window stands on the same picture.
    static QList<QPair<qint64, QImage>> small;
    QImage thumb;
    for (const auto& entry : std::as_const(small))
        if (entry.first == picture.cacheKey())
            thumb = entry.second;
    if (thumb.isNull()) {
        thumb = picture.toImage()
                    .scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
        small.prepend({picture.cacheKey(), thumb});
        if (small.size() > 8)
            small.removeLast();
    }
    const double fx = double(thumb.width()) / whole.width(), fy = double(thumb.height()) / whole.height();
    QRect cells(int(std::floor(area.left() * fx)), int(std::floor(area.top() * fy)),
                int(std::ceil(area.width() * fx)) + 1, int(std::ceil(area.height() * fy)) + 1);
    cells &= thumb.rect();
    if (cells.isEmpty())
        return 1.0;
    double sum = 0;
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x) {
            const QRgb c = thumb.pixel(x, y);
            // Perceived brightness (Rec. 601 weights).
            sum += 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
        }
    return sum / (255.0 * cells.width() * cells.height());
}

void drawEdgedText(QPainter& painter, const QRect& rect, int flags, const QString& text, const CaptionInk& ink)
{
    drawEdgedText(painter, rect, flags, text, ink, painter.fontMetrics().boundingRect(rect, flags, text));
}

void drawEdgedText(QPainter& painter, const QRect& rect, int flags, const QString& text, const CaptionInk& ink,
                   const QRect& textBounds)
{
    // The text is laid out and drawn once, as coverage, into a picture just round it; the edge
    // is that picture in the edge's colour at the eight places around, the ink on top: what
    // nine passes of drawText give, for one.
    const QRect bounds = textBounds.adjusted(-1, -1, 1, 1) & rect.adjusted(-1, -1, 1, 1);
    const QPaintDevice* device = painter.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    QImage coverage((QSizeF(bounds.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (coverage.isNull())
        return;
    coverage.setDevicePixelRatio(ratio);
    if (device) {
        // The same resolution, so a font sized in points comes out as on the device.
        coverage.setDotsPerMeterX(int(std::lround(device->logicalDpiX() / 0.0254)));
        coverage.setDotsPerMeterY(int(std::lround(device->logicalDpiY() / 0.0254)));
    }
    coverage.fill(Qt::transparent);
    {
        QPainter g(&coverage);
        g.setRenderHints(painter.renderHints());
        g.setFont(painter.font());
        g.setPen(Qt::white);
        g.drawText(rect.translated(-bounds.topLeft()), flags, text);
    }
    const auto tinted = [&](const QColor& colour) {
        QImage image = coverage;
        QPainter g(&image);
        g.setCompositionMode(QPainter::CompositionMode_SourceIn);
        g.fillRect(QRect(QPoint(), bounds.size()), colour);
        return image;
    };
    const QImage edge = tinted(ink.edge);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                painter.drawImage(bounds.topLeft() + QPoint(dx, dy), edge);
    painter.drawImage(bounds.topLeft(), tinted(ink.ink));
}

MapPicture::MapPicture(QWidget* parent) : QWidget(parent) {}

void MapPicture::setPicture(const QImage& picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_shown = QPixmap();
    update();
}

void MapPicture::setMasterFile(const QString& fileName)
{
    m_masterFile = fileName;
    m_master = QImage();
    m_shown = QPixmap();
}

void MapPicture::setOverlay(const QImage& overlay)
{
    m_overlay = overlay;
    update();
}

void MapPicture::setZoom(double zoom)
{
    if (zoom <= 0 || zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_shown = QPixmap();
    if (hasPointer())
        updateCursor();
    update();
}

qint64 MapPicture::point(double x, double y) const
{
    const int ix = int(std::floor(x));
    const int iy = int(std::floor(y));
    if (!m_picture.valid(ix, iy))
        return NoColour;
    return qint64(m_picture.pixel(ix, iy) & 0xFFFFFF);
}

void MapPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Pixel for pixel on a high-density screen too: the regions keep their flat colours.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.fillRect(rect(), palette().window());
    if (!m_picture.isNull()) {
        if (m_zoom == 1.0) {
            p.drawImage(0, 0, m_picture);
        } else {
            if (m_shown.isNull()) {
                // Scaled once per zoom from the master, so a repaint is a plain copy.
                if (m_master.isNull() && !m_masterFile.isEmpty())
                    m_master = builtInImage(m_masterFile).convertToFormat(QImage::Format_RGB32);
                const QImage& source = m_master.isNull() ? m_picture : m_master;
                const QSize target = (QSizeF(m_picture.size()) * m_zoom).toSize() * devicePixelRatioF();
                QPixmap shown = QPixmap::fromImage(
                    source.size() == target ? source
                                            : source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                shown.setDevicePixelRatio(devicePixelRatioF());
                m_shown = shown;
            }
            p.drawPixmap(0, 0, m_shown);
        }
        // Magnified pixel for pixel with the picture, so it lies exactly on the regions.
        if (!m_overlay.isNull())
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size()) * m_zoom), m_overlay);
    }
    if (m_keyPointerShown && !m_pointer.isNull()) {
        const QPixmap pointer = zoomedPointer();
        p.drawPixmap((QPointF(m_keyPoint) * m_zoom - QPointF(m_hotSpot) * m_zoom).toPoint(), pointer);
    }
}

QPixmap MapPicture::zoomedPointer() const
{
    if (m_zoom == 1.0 || m_pointer.isNull())
        return m_pointer;
    const bool whole = std::abs(m_zoom - std::round(m_zoom)) < 1e-6;
    return m_pointer.scaled((QSizeF(m_pointer.deviceIndependentSize()) * m_zoom).toSize(), Qt::IgnoreAspectRatio,
                            whole ? Qt::FastTransformation : Qt::SmoothTransformation);
}

void MapPicture::updateCursor()
{
    setCursor(pointerCursor(zoomedPointer(), (QPointF(m_hotSpot) * m_zoom).toPoint(), devicePixelRatioF()));
}

void MapPicture::mousePressEvent(QMouseEvent* event)
{
    noteKeyboardUse(this, false);
    const QPointF pos = toPicture(event->position());
    emit mouseDown(int(event->button()), int(event->modifiers()), float(pos.x()), float(pos.y()));
}

void MapPicture::mouseMoveEvent(QMouseEvent* event)
{
    // The mouse takes over: a key press goes on from where it points.
    if (hasPointer()) {
        // The pixel a press there reads (a high-density screen reports fractions).
        const QPointF at = toPicture(event->position());
        m_keyPoint = QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
        showKeyPointer(false);
    }
    QWidget::mouseMoveEvent(event);
}

void MapPicture::keyPressEvent(QKeyEvent* event)
{
    if (!hasPointer()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left: move = QPoint(-step, 0); break;
    case Qt::Key_Right: move = QPoint(step, 0); break;
    case Qt::Key_Up: move = QPoint(0, -step); break;
    case Qt::Key_Down: move = QPoint(0, step); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (event->isAutoRepeat())
            return;
        noteKeyboardUse(this, true);
        // The press of a mouse whose pointer stands there.
        emit mouseDown(int(Qt::LeftButton), int(event->modifiers()), float(m_keyPoint.x()), float(m_keyPoint.y()));
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    noteKeyboardUse(this, true);
    // The hot spot stays over the map, as the mouse's does while it presses the map.
    const QSize room = (QSizeF(size()) / m_zoom).toSize();
    m_keyPoint = QPoint(std::clamp(m_keyPoint.x() + move.x(), 0, room.width() - 1),
                        std::clamp(m_keyPoint.y() + move.y(), 0, room.height() - 1));
    showKeyPointer(true);
    update();
    emit keyPointMoved(m_keyPoint);
}

void MapPicture::setPointer(const QPixmap& picture, QPoint hotSpot)
{
    m_pointer = picture;
    m_hotSpot = hotSpot;
    const QRect room(QPoint(), (QSizeF(size()) / m_zoom).toSize());
    if (!room.contains(m_keyPoint))
        m_keyPoint = room.center();
    updateCursor();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A keyboard player sees at once where Enter would place the symbol.
    showKeyPointer(keyboardInUse(this));
}

void MapPicture::clearPointer()
{
    showKeyPointer(false);
    m_pointer = QPixmap();
    setMouseTracking(false);
    setFocusPolicy(Qt::NoFocus);
    unsetCursor();
}

void MapPicture::showKeyPointer(bool shown)
{
    if (shown == m_keyPointerShown)
        return;
    m_keyPointerShown = shown;
    // One pointer on the map: the mouse's hides while the keyboard's is drawn.
    if (shown)
        setCursor(Qt::BlankCursor);
    else if (hasPointer())
        updateCursor();
    update();
}

QCursor pointerCursor(const QPixmap& picture, QPoint hotSpot, qreal ratio)
{
    if (picture.isNull() || ratio <= 0)
        return QCursor(picture, hotSpot.x(), hotSpot.y());
    const QSize logical = picture.deviceIndependentSize().toSize();
    const QSize device = (QSizeF(logical) * ratio).toSize();
    const bool whole = std::abs(ratio - std::round(ratio)) < 1e-6;
    QPixmap scaled = picture.scaled(device, Qt::IgnoreAspectRatio, whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    const QPoint spot = cursorHotSpotInDevicePixels() ? (QPointF(hotSpot) * ratio).toPoint() : hotSpot;
    return QCursor(scaled, spot.x(), spot.y());
}

bool cursorHotSpotInDevicePixels()
{
    // The X11 plug-in hands the hot spot to the server as it stands, in the picture's own
    // pixels; elsewhere Qt reads it in logical pixels.
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace ui
