#include "ui/widgets.h"

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
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0, 120), 1, Qt::DotLine));
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }

    const QColor ink = isEnabled() ? QColor(Qt::black) : QColor(110, 110, 110);
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
    p.setPen(ink);
    p.setFont(font());
    p.drawText(r.adjusted(4, 0, -4, 0).translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, text());
}

PictureImage::PictureImage(QWidget* parent) : QWidget(parent) {}

void PictureImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch) {
        p.drawPixmap(rect(), m_picture);
        return;
    }
    QSize size = m_picture.size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size);
    target.moveCenter(rect().center());
    p.drawPixmap(target, m_picture);
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

MapPicture::MapPicture(QWidget* parent) : QWidget(parent) {}

void MapPicture::setPicture(const QImage& picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
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
    p.fillRect(rect(), palette().window());
    if (!m_picture.isNull())
        p.drawImage(0, 0, m_picture);
}

void MapPicture::mousePressEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    emit mouseDown(int(event->button()), int(event->modifiers()), float(pos.x()), float(pos.y()));
}

} // namespace ui
