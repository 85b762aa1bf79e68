// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictureoption.h"

#include "ui/widgets.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace ui {

PictureOption::PictureOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PictureOption::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_picture.isNull())
        p.drawPixmap(rect(), m_picture);

    QStyleOptionButton option;
    initStyleOption(&option);
    // The circle at the left, centred in the strip's height.
    const int size = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    QStyleOptionButton indicator = option;
    indicator.rect = QRect(1, (height() - size) / 2, size, size);
    indicator.state &= ~QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicator, &p, this);

    // The caption just after it, shown as it stands (a custom set's name may hold a "&"). Too
    // long a caption is cut with "...", never drawn over the frame.
    // A long caption is first set a little narrower, as the other captions of the game are.
    const QRect textRect = captionRect();
    const QFont font = captionFont();
    const QString caption = QFontMetrics(font).elidedText(text(), Qt::ElideRight, textRect.width());
    p.setPen(isEnabled() ? palette().color(QPalette::WindowText) : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(font);
    QRect drawn;
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption, &drawn);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0, 140), 1, Qt::DotLine));
        p.drawRect(drawn.adjusted(-2, 0, 1, 0));
    }
}

QFont PictureOption::captionFont() const
{
    // A pixel to spare: the ink of the last letter may reach a little past its advance.
    return fontToFit(font(), text(), captionRect().width() - 1);
}

QRect PictureOption::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int size = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    // A few pixels short of the right, so no caption touches the frame it stands in.
    return rect().adjusted(size + 4, 0, -3, 0);
}

bool PictureOption::hitButton(const QPoint& pos) const { return rect().contains(pos); }

} // namespace ui
