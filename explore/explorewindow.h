// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Explore the Map: a modeless window where a pupil points at (or walks with the keyboard) the
// provinces and territories and reads each one's facts and symbols. It reads only the region
// table and the built-in pictures; a running game never notices it.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

#include "explore/regionfacts.h"
#include "explore/regionmap.h"

class QLabel;
class QPushButton;
namespace ui {
class PictureImage;
}

namespace explore {

// The look both map windows share: their own window, deleted when closed, closed by Esc.
void dressMapWindow(QWidget* window, const QString& title);

// The built-in picture of a region in a built-in set of the picture store (Form3's offsets).
QPixmap builtInSymbol(int set, int region);

// The map, scaled to the room it has, drawn smoothly from the finer master so it stays sharp at
// any size; the regions are read from the small map's flat colours. A region is outlined and named while the pointer or the keyboard is on it; a click,
// Enter or Space selects it.
class ExploreMap : public QWidget {
    Q_OBJECT
public:
    explicit ExploreMap(const RegionMap& map, QWidget* parent = nullptr);

    int hovered() const { return m_hovered; }
    int selected() const { return m_selected; }
    void setHovered(int region);
    void setSelected(int region);
    // Where the picture stands in the widget, and the picture pixel at a widget point.
    QRect pictureRect() const;
    QPoint picturePoint(QPointF widgetPoint) const;
    QPoint widgetPoint(QPoint picturePoint) const;
    // A click within `pixels` of the screen next to a region, on no other, counts for the
    // nearest region (0: only a click on the region itself).
    void setNearRadius(int pixels) { m_nearRadius = pixels; }
    // The region a click at a widget point chooses.
    int regionAtWidget(QPointF widgetPoint) const;
    // Whether the pointed region's name is drawn beside it (a drill hides it: it would answer).
    void setNamesShown(bool shown) { m_namesShown = shown; update(); }
    // A picture-sized overlay drawn under the pointer's outline (found regions, a reveal).
    void setBackdrop(const QImage& overlay) { m_backdrop = overlay; update(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void hoveredChanged(int region);
    void selectedChanged(int region);
    // Every click on the picture and every Enter, even on the region already selected (-1: a
    // click on no region).
    void chosen(int region);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QImage& overlay(int region, bool selected);
    // The map as drawn at `size` (logical pixels).
    const QPixmap& shownMap(QSize size);
    void step(int by);
    void nameMap();

    const RegionMap& m_map;
    int m_hovered = -1;
    int m_selected = -1;
    // Where the name of the hovered region is shown, in picture pixels.
    QPoint m_namePoint;
    std::array<QImage, 13> m_hoverOverlays;
    std::array<QImage, 13> m_selectOverlays;
    QImage m_backdrop;
    int m_nearRadius = 0;
    bool m_namesShown = true;
    QImage m_master;
    QPixmap m_shown;
};

class ExploreWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExploreWindow(QWidget* parent = nullptr);
    ~ExploreWindow() override;

    // Shows the facts and symbols of a region (-1: none yet).
    void showRegion(int region);

    ExploreMap* map = nullptr;
    QLabel* lblPointing = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblOfficialName = nullptr;
    QLabel* lblCapital = nullptr;
    QLabel* lblJoined = nullptr;
    QLabel* lblArea = nullptr;
    QLabel* lblPopulation = nullptr;
    QLabel* lblPopulationCaption = nullptr;
    ui::PictureImage* imgCrest = nullptr;
    ui::PictureImage* imgFloral = nullptr;
    ui::PictureImage* imgFlag = nullptr;
    QLabel* lblFlower = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void showPointing(int region);
    // Fills the panel with a region's facts and symbols; the facts shown, or none.
    const RegionFacts* showFacts(int region);

    std::unique_ptr<RegionMap> m_regionMap;
    FactsBook m_facts;
    QWidget* m_factsPanel = nullptr;
    QLabel* m_intro = nullptr;
    // Captions of the facts and the symbols, in the order they are shown.
    std::array<QLabel*, 6> m_captions{};
};

} // namespace explore
