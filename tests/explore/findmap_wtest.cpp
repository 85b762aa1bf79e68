// SPDX-License-Identifier: GPL-3.0-or-later
// Find on the Map from the menu, by mouse and by keyboard, beside a running game.
#include "explore/findmapwindow.h"
#include "game/regions.h"
#include "support/gamefixture.h"
#include "ui/announce.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace modValdra;
using explore::FindMapWindow;

namespace {

class FindMap : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
    }
    FindMapWindow* open()
    {
        form->mnuFindMap->trigger();
        FindMapWindow* window = form->existingFindMap();
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
    // Walks the map with the arrow keys to `region` and presses Enter.
    void chooseByKeyboard(FindMapWindow* window, int region)
    {
        for (int steps = 0; steps < 14 && window->map->hovered() != region; ++steps)
            QTest::keyClick(window->map, Qt::Key_Right);
        QTest::keyClick(window->map, Qt::Key_Return);
    }
};

} // namespace

TEST_F(FindMap, AWholeRoundByKeyboardWithOneMissLeavesTheGameAlone)
{
    form->btnBegin_Click();
    const int score = Score;
    const double endTime = EndTime;
    const QString question = CurrentQuestion;

    FindMapWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), ProgramTitle + QStringLiteral("--Find on the Map"));
    EXPECT_EQ(form->mnuFindMap->text(), QStringLiteral("Find on the &Map"));
    ASSERT_FALSE(window->drill().finished());
    EXPECT_EQ(window->drill().total(), 13);

    // The first asked is missed once (Enter on the wrong region), the rest found.
    const int first = window->drill().current();
    EXPECT_EQ(window->lblQuestion->text(),
              QStringLiteral("Where is %1?").arg(regions::displayName(first)));
    const int wrong = (first + 1) % 13;
    chooseByKeyboard(window, wrong);
    EXPECT_EQ(window->drill().missed(), QList<int>({first}));
    EXPECT_TRUE(window->lblFeedback->text().contains(QStringLiteral("The hatching on the map shows")));
    // Said to a screen reader with the next question.
    QApplication::processEvents();
    ASSERT_NE(ui::announcer(window), nullptr);
    // After the steps walked to it, said in the same breath.
    EXPECT_TRUE(ui::announcer(window)->text().contains(QStringLiteral("No, that is %1.").arg(regions::displayName(wrong))));
    int guard = 0;
    while (!window->drill().finished() && ++guard < 40)
        chooseByKeyboard(window, window->drill().current());
    ASSERT_TRUE(window->drill().finished());
    EXPECT_EQ(window->drill().rightFirstTime(), 12);
    EXPECT_TRUE(window->lblQuestion->text().startsWith(QStringLiteral("Round over: 12 of 13 right the first time, in ")));
    EXPECT_TRUE(window->lblQuestion->text().contains(regions::displayName(first)));
    ASSERT_TRUE(window->btnAgain->isVisible());

    // Again: a round of the missed one only.
    window->btnAgain->click();
    EXPECT_EQ(window->drill().total(), 1);
    EXPECT_EQ(window->drill().current(), first);

    // The game went on untouched.
    EXPECT_EQ(Score, score);
    EXPECT_EQ(EndTime, endTime);
    EXPECT_EQ(CurrentQuestion, question);
    EXPECT_EQ(ClockRunning, 1);
    window->close();
}

TEST_F(FindMap, EachModeAsksInItsOwnWayAndTheMouseFindsASmallIsland)
{
    FindMapWindow* window = open();
    ASSERT_NE(window, nullptr);
    window->cboMode->setCurrentIndex(1);  // capital
    const int asked = window->drill().current();
    const QString capital = QStringLiteral("as its capital?");
    EXPECT_TRUE(window->lblQuestion->text().endsWith(capital)) << window->lblQuestion->text().toStdString();
    EXPECT_TRUE(window->lblQuestion->text().startsWith(explore::isTerritory(asked) ? QStringLiteral("Which territory")
                                                                                   : QStringLiteral("Which province")));
    EXPECT_FALSE(window->imgSymbol->isVisibleTo(window));
    for (int mode : {2, 3, 4}) {
        window->cboMode->setCurrentIndex(mode);
        EXPECT_TRUE(window->imgSymbol->isVisibleTo(window)) << mode;
        EXPECT_FALSE(window->imgSymbol->picture().isNull()) << mode;
        EXPECT_EQ(window->drill().foundCount(), 0) << "a new mode starts a new round";
    }

    // A click in the sea two screen pixels off Prince Edward Island counts for it.
    const explore::RegionMap map{QImage(QStringLiteral(":/map.bmp"))};
    QPoint sea(-1, -1);
    for (int y = 230; y < 250 && sea.x() < 0; ++y)
        for (int x = 340; x < 365 && sea.x() < 0; ++x)
            if (map.regionAt(QPoint(x, y)) == 8 && map.regionAt(QPoint(x, y - 1)) == -1)
                sea = QPoint(x, y - 1);
    ASSERT_GE(sea.x(), 0);
    const QPoint at = window->map->widgetPoint(sea);
    ASSERT_EQ(window->map->regionAtWidget(at), 8);
    window->cboMode->setCurrentIndex(0);
    window->newRound({8});
    QTest::mouseClick(window->map, Qt::LeftButton, Qt::KeyboardModifiers(), at);
    EXPECT_EQ(window->drill().found(), QList<int>({8}));
    EXPECT_TRUE(window->drill().missed().isEmpty());
    window->close();
}
