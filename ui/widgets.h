#pragma once
// Picture controls the windows need and Qt lacks: a button whose face is a picture, an image
// that stretches its picture and carries a tag, and a label whose caption may hold a carriage
// return.
#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace ui {

class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(const QString& caption = QString(), QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture) { m_picture = picture; update(); }
    void setDisabledPicture(const QPixmap& picture) { m_disabledPicture = picture; update(); }
    const QPixmap& picture() const { return m_picture; }
    const QPixmap& disabledPicture() const { return m_disabledPicture; }
    // Draws a triangle instead of a caption (the arrow buttons).
    void setArrow(Qt::ArrowType arrow) { m_arrow = arrow; update(); }
    Qt::ArrowType arrow() const { return m_arrow; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Return press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_disabledPicture;
    Qt::ArrowType m_arrow = Qt::NoArrow;
};

// An image control: stretches its picture over its whole size and keeps a text tag.
class PictureImage : public QWidget {
    Q_OBJECT
public:
    explicit PictureImage(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture) { m_picture = picture; update(); }
    const QPixmap& picture() const { return m_picture; }
    void setTag(const QString& tag) { m_tag = tag; }
    const QString& tag() const { return m_tag; }
    // false: fit the picture inside, centred, keeping its proportions.
    void setStretch(bool stretch) { m_stretch = stretch; update(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QString m_tag;
    bool m_stretch = true;
};

// A label that keeps its caption exactly as set (a carriage return included) and shows a
// carriage return as a line break; a leading one only as a small gap above the text, so a
// two-line question still fits its box.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& caption = QString(), QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

private:
    QString m_caption;
};

// The map: shows its picture at 1:1, reports presses in picture pixels and reads the colour of
// a pixel. While a pointer is set, the keyboard can play it too: the arrow keys move the pointer
// (ten pixels with Shift) and Enter or Space press the map where its hot spot stands, exactly
// as the mouse would there.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    // What a read outside the picture gives: no region can have it.
    static constexpr qint64 NoColour = -1;

    explicit MapPicture(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // The colour at (x, y) as 0xRRGGBB, or NoColour outside the picture.
    qint64 point(double x, double y) const;

    // The custom pointer over the map, with its hot spot in the picture's own pixels.
    void setPointer(const QPixmap& picture, QPoint hotSpot);
    void clearPointer();
    bool hasPointer() const { return !m_pointer.isNull(); }
    // Where a key press would press the map, and whether the pointer is drawn there (it is
    // once the keyboard moves it, until the mouse takes over again).
    QPoint keyPoint() const { return m_keyPoint; }
    bool keyPointerShown() const { return m_keyPointerShown; }

signals:
    void mouseDown(int button, int shift, float x, float y);
    // The keyboard moved the pointer: a press now would come at `point`.
    void keyPointMoved(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showKeyPointer(bool shown);

    QImage m_picture;
    QPixmap m_pointer;
    QPoint m_hotSpot;
    QPoint m_keyPoint{-1, -1};
    bool m_keyPointerShown = false;
};

// The pointer picture as a mouse pointer on a screen of the given device pixel ratio: the
// picture scaled with the ratio, so that its tip and its hot spot stay where they are in
// logical pixels. Whole ratios scale pixel for pixel, so the picture stays sharp.
QCursor pointerCursor(const QPixmap& picture, QPoint hotSpot, qreal ratio);
// Whether the window system reads a cursor's hot spot in the pixels of its scaled picture
// rather than in logical pixels.
bool cursorHotSpotInDevicePixels();

// Places a secondary window over the middle of another, so it opens in sight even where no
// window manager places it.
void centreOver(QWidget* window, const QWidget* over);

// Gives the keyboard back to the main window when a secondary window closes; without a window
// manager nobody else would, and the menus' access keys would stop working.
void returnFocusTo(QWidget* window);

// The bold sans-serif of the game's texts, at a point size.
QFont gameFont(double pointSize = 9.75, bool bold = true);

// Dresses a caption of the windows: transparent over their pictures, in the font, and always
// plain text, so a name or a path from a file can never render as markup. Returns the label.
QLabel* plainLabel(QLabel* label, const QFont& font);

} // namespace ui
