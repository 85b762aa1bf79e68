// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture controls the windows need and Qt lacks: a button whose face is a picture, an image
// that stretches its picture and carries a tag, and a label whose caption may hold a carriage
// return.
#include "ui/finepicture.h"

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
    // A right or wrong mark: a coloured frame and a sign (a tick or a cross) beside the caption,
    // so it never rests on colour alone. The caption itself stays as it is.
    enum class Mark { None, Right, Wrong };
    void setMark(Mark mark) { m_mark = mark; update(); }
    Mark mark() const { return m_mark; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Return press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_disabledPicture;
    Qt::ArrowType m_arrow = Qt::NoArrow;
    Mark m_mark = Mark::None;
};

// An image control: stretches its picture over its whole size and keeps a text tag.
class PictureImage : public QWidget {
    Q_OBJECT
public:
    explicit PictureImage(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture) { m_pictureFile.clear(); m_picture = picture; update(); }
    // A built-in picture (a resource), read the first time it is needed: a store of many
    // pictures costs nothing at start-up.
    void setPictureFile(const QString& fileName) { m_pictureFile = fileName; m_picture = QPixmap(); update(); }
    const QPixmap& picture() const
    {
        if (!m_pictureFile.isEmpty()) {
            m_picture = builtInPixmap(m_pictureFile);
            m_pictureFile.clear();
        }
        return m_picture;
    }
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
    mutable QPixmap m_picture;
    mutable QString m_pictureFile;
    QString m_tag;
    bool m_stretch = true;
};

// A label that keeps its caption exactly as set (a carriage return included) and shows a
// carriage return as a line break; a leading one only as a small gap above the text, so a
// two-line question still fits its box.
class PictureImage;

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& caption = QString(), QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // The picture the caption stands on: its ink and edge then follow the picture's brightness
    // under the text, so it reads over a dark picture as over a light one.
    void setBackdrop(const PictureImage* backdrop) { m_backdrop = backdrop; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    const PictureImage* m_backdrop = nullptr;
};

// Ink and edge of a caption over a picture.
struct CaptionInk {
    QColor ink;
    QColor edge;
};
// Dark ink with a light edge over a light picture (brightness 0..1), light ink with a dark edge
// over a dark one.
CaptionInk inkOver(double brightness, bool enabled = true);
// The mean brightness (0..1) of `picture`, stretched over `whole`, under `area`; 1 (white
// paper) where there is no picture.
double brightnessUnder(const QPixmap& picture, QSize whole, const QRect& area);
// Text with an edge one pixel wide all round, so it reads whatever lies under it.
void drawEdgedText(QPainter& painter, const QRect& rect, int flags, const QString& text, const CaptionInk& ink);
// The same, for a caller that has laid the text out already: `bounds` is the painter's
// fontMetrics().boundingRect(rect, flags, text).
void drawEdgedText(QPainter& painter, const QRect& rect, int flags, const QString& text, const CaptionInk& ink,
                   const QRect& bounds);

// The map: shows its picture at the zoom (1:1 at 100 %), reports presses in the picture's own
// pixels whatever the zoom, and reads the colour of a pixel of the picture, so a region is judged
// exactly as at 100 %. Zoomed, it shows a master drawn at a higher resolution, so the map stays
// sharp. While a pointer is set, the keyboard can play it too: the arrow keys move the pointer
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
    // The same map drawn at a higher resolution, read from `fileName` the first time a zoom
    // needs it; only ever shown, never read for a colour.
    void setMasterFile(const QString& fileName);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The colour at (x, y) as 0xRRGGBB, or NoColour outside the picture.
    qint64 point(double x, double y) const;
    // A picture-sized image drawn over the map at every zoom (a highlight); only ever shown,
    // never read for a colour. A null image takes it away.
    void setOverlay(const QImage& overlay);
    const QImage& overlay() const { return m_overlay; }

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
    void updateCursor();
    // The pointer as it is drawn at the zoom, with its hot spot.
    QPixmap zoomedPointer() const;
    QPointF toPicture(QPointF widgetPoint) const { return widgetPoint / m_zoom; }

    QImage m_picture;
    QString m_masterFile;
    QImage m_master;
    QPixmap m_shown;  // what paints at the zoom in force
    QImage m_overlay;
    double m_zoom = 1.0;
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

// The font that `text` needs to fit in `width` pixels: `designed` where it fits already, else
// narrowed (down to three quarters of its width), then smaller (down to 9 pixels).
QFont fontToFit(const QFont& designed, const QString& text, int width);

// Dresses a caption of the windows: transparent over their pictures, in the font, and always
// plain text, so a name or a path from a file can never render as markup. Returns the label.
QLabel* plainLabel(QLabel* label, const QFont& font);

} // namespace ui
