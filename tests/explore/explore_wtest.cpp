// SPDX-License-Identifier: GPL-3.0-or-later
// Explore the Map from the menu, the mouse and the keyboard, beside a running game.
#include "explore/explorewindow.h"
#include "game/regions.h"
#include "support/gamefixture.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <set>

using namespace modValdra;
using explore::ExploreWindow;
using explore::RegionMap;

namespace {

class Explore : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
    }
    ExploreWindow* open()
    {
        form->mnuExplore_Click();
        ExploreWindow* window = form->existingExplore();
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
};

TEST_F(Explore, TheOptionsMenuOpensOneWindowWithItsTitle)
{
    QMenu* options = nullptr;
    for (QAction* a : form->menuBar->actions())
        if (a->text() == QStringLiteral("&Options"))
            options = a->menu();
    ASSERT_NE(options, nullptr);
    std::set<QChar> keys;
    int named = 0;
    for (QAction* a : options->actions()) {
        if (a->isSeparator())
            continue;
        const int amp = a->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << a->text().toStdString();
        keys.insert(a->text().at(amp + 1).toLower());
        ++named;
    }
    EXPECT_EQ(int(keys.size()), named) << "access keys clash in the Options menu";
    ASSERT_TRUE(options->actions().contains(form->mnuExplore));

    form->mnuExplore->trigger();
    ExploreWindow* window = form->existingExplore();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillora--Explore the Map"));
    EXPECT_FALSE(window->isModal());
    form->mnuExplore_Click();
    EXPECT_EQ(form->existingExplore(), window);
}

TEST_F(Explore, TheKeyboardWalksAllThirteenWestToEastAndEnterShowsTheFacts)
{
    ExploreWindow* window = open();
    ASSERT_NE(window, nullptr);
    std::vector<int> walked;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(window->map, Qt::Key_Right);
        walked.push_back(window->map->hovered());
    }
    EXPECT_EQ(std::set<int>(walked.begin(), walked.end()).size(), 13u);
    EXPECT_EQ(walked.front(), 10);  // Yukon, westmost
    EXPECT_EQ(walked.back(), 9);    // Newfoundland, eastmost
    // Round again, and back.
    QTest::keyClick(window->map, Qt::Key_Right);
    EXPECT_EQ(window->map->hovered(), walked.front());
    QTest::keyClick(window->map, Qt::Key_Left);
    EXPECT_EQ(window->map->hovered(), walked.back());
    EXPECT_EQ(window->map->selected(), -1);

    QTest::keyClick(window->map, Qt::Key_Return);
    EXPECT_EQ(window->map->selected(), 9);
    EXPECT_EQ(window->lblName->text(), QStringLiteral("Newfoundland"));
    EXPECT_EQ(window->lblOfficialName->text(), QStringLiteral("Newfoundland and Labrador"));
    EXPECT_EQ(window->lblCapital->text(), QStringLiteral("St. John's"));
    EXPECT_EQ(window->lblJoined->text(), QStringLiteral("1949"));
    EXPECT_TRUE(window->lblPopulationCaption->text().contains(QStringLiteral("2021")));
    EXPECT_EQ(window->lblFlower->text(), QStringLiteral("Pitcher plant"));
    for (auto* image : {window->imgCrest, window->imgFloral, window->imgFlag})
        EXPECT_FALSE(image->picture().isNull());
    EXPECT_TRUE(window->map->accessibleName().contains(QStringLiteral("Newfoundland")));
}

TEST_F(Explore, TheMapGrowsWithTheWindowAndThePointerFindsTheRegionUnderIt)
{
    ExploreWindow* window = open();
    ASSERT_NE(window, nullptr);
    const QSize before = window->map->pictureRect().size();
    EXPECT_GE(before.width(), 415);
    EXPECT_GE(before.height(), 308);
    window->resize(window->width() + 400, window->height() + 300);
    QApplication::processEvents();
    const QRect grown = window->map->pictureRect();
    EXPECT_GT(grown.width(), before.width());

    // Prince Edward Island is small: its own point, magnified, still finds it.
    for (int region : {3, 8, 12}) {
        const QPoint at = window->map->widgetPoint(RegionMap::anchor(region));
        QMouseEvent move(QEvent::MouseMove, QPointF(at), window->map->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->map, &move);
        EXPECT_EQ(window->map->hovered(), region) << region;
        EXPECT_TRUE(window->lblPointing->text().contains(regions::displayName(region))) << region;
        QTest::mouseClick(window->map, Qt::LeftButton, {}, at);
        EXPECT_EQ(window->map->selected(), region) << region;
        EXPECT_EQ(window->lblName->text(), regions::displayName(region));
    }
    // A click on the sea keeps the choice.
    QTest::mouseClick(window->map, Qt::LeftButton, {}, window->map->widgetPoint(QPoint(300, 100)));
    EXPECT_EQ(window->map->selected(), 12);
}

TEST_F(Explore, ARunningGameNeverNoticesIt)
{
    form->btnBegin_Click();
    for (int i = 1; i <= 4; ++i)
        if (form->btnAnswer[i]->text().startsWith(QStringLiteral("Right"))) {
            form->btnAnswer_Click(i);
            break;
        }
    ASSERT_EQ(AwaitingLocation, 1);
    const auto colours = RegionColours;
    const QString target = TargetName;
    const auto endTime = EndTime;
    const int score = Score, left = QuestionsLeft, answered = QuestionsAnswered;

    ExploreWindow* window = open();
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(window->map, Qt::Key_Right);
    QTest::keyClick(window->map, Qt::Key_Return);
    QTest::mouseClick(window->map, Qt::LeftButton, {}, window->map->widgetPoint(RegionMap::anchor(0)));
    window->close();
    QApplication::processEvents();

    EXPECT_EQ(RegionColours, colours);
    EXPECT_EQ(TargetName, target);
    EXPECT_EQ(EndTime, endTime);
    EXPECT_EQ(Score, score);
    EXPECT_EQ(QuestionsLeft, left);
    EXPECT_EQ(QuestionsAnswered, answered);
    EXPECT_EQ(AwaitingLocation, 1);
    EXPECT_EQ(ClockRunning, 1);
    EXPECT_TRUE(form->Picture1->hasPointer());
}

} // namespace
