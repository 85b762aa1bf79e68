// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Find on the Map: a modeless window that asks for the provinces and territories one by one,
// by name, by capital or by a symbol, and the pupil clicks (or walks to with the keyboard and
// chooses) each on the map Explore the Map uses. It keeps its own round and its own time; a
// running game never notices it.
#include <QWidget>
#include <memory>

#include "explore/explorewindow.h"
#include "explore/finddrill.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace explore {

class FindMapWindow : public QWidget {
    Q_OBJECT
public:
    explicit FindMapWindow(QWidget* parent = nullptr);
    ~FindMapWindow() override;

    // How far off a small region a click may land, in screen pixels.
    static constexpr int NearPixels = 5;

    const FindDrill& drill() const { return m_drill; }
    FindMode mode() const;
    // A new round over all thirteen (or only `regions`), in the mode chosen.
    void newRound(const QList<int>& regions = FindDrill::allRegions());
    // The pupil's choice on the map (-1: no region).
    void choose(int region);
    // The clock line, when the pupil has chosen to see it.
    void tickClock();

    ExploreMap* map = nullptr;
    QComboBox* cboMode = nullptr;
    QCheckBox* chkClock = nullptr;
    QLabel* lblQuestion = nullptr;
    ui::PictureImage* imgSymbol = nullptr;
    QLabel* lblFeedback = nullptr;
    QLabel* lblProgress = nullptr;
    QLabel* lblClock = nullptr;
    QPushButton* btnAgain = nullptr;
    QPushButton* btnNewRound = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    // What the last choice of the round was told, in the language in use.
    QString feedback() const;
    void askCurrent();
    void showMarks();
    void showProgress();
    void roundOver();

    std::unique_ptr<RegionMap> m_regionMap;
    FactsBook m_facts;
    FindDrill m_drill;
    int m_revealed = -1;  // the region a miss shows, until the next choice
    struct LastChoice {
        int asked = -1;   // none yet in this round
        int chosen = -1;  // -1: off every region
        bool right = false;
    } m_last;
    QLabel* m_modeLabel = nullptr;
    QTimer* m_clock = nullptr;
};

} // namespace explore
