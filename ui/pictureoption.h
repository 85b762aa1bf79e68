// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An option button that shows a picture behind its caption, the way the game's dialogs dress
// their buttons. The whole strip takes the click, not only the circle and the text.
#include <QPixmap>
#include <QRadioButton>

namespace ui {

class PictureOption : public QRadioButton {
    Q_OBJECT
public:
    explicit PictureOption(const QString& caption = QString(), QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture) { m_picture = picture; update(); }
    const QPixmap& picture() const { return m_picture; }
    // Where the caption is drawn, right of the circle.
    QRect captionRect() const;
    // The font the caption is drawn in: its own, set a little narrower where a long caption
    // needs it to fit its room.
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QPixmap m_picture;
};

} // namespace ui
