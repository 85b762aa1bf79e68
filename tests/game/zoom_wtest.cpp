// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom: the keys' steps, Fit to Window, a click on the map judged as at 100 %, the preference
// kept, and the window held to the screen.
#include "support/gamefixture.h"

#include "ui/twips.h"
#include "ui/zoom.h"

#include <QIcon>
#include <QProxyStyle>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTest>

using namespace modValdra;

namespace {

class Zoom : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
    }
    // What the window has above its client area at a zoom: the menu bar grows with the text.
    QSize chromeAt(double zoom)
    {
        const double was = ui::applicationZoom();
        ui::setApplicationZoom(zoom);
        const QSize chrome(0, form->menuBar->sizeHint().height());
        ui::setApplicationZoom(was);
        return chrome;
    }
};

TEST(ZoomRules, StepsAndTheFittingZoom)
{
    const struct { int from, up, down; } steps[] = {{100, 125, 100}, {175, 200, 150}, {250, 300, 200},
                                                    {300, 300, 250}, {160, 175, 150}};
    for (const auto& s : steps) {
        EXPECT_EQ(ui::zoomStepUp(s.from), s.up) << s.from;
        EXPECT_EQ(ui::zoomStepDown(s.from), s.down) << s.from;
    }
    EXPECT_DOUBLE_EQ(ui::fittingZoom({792, 554}, {1584, 2000}), 2.0);
    EXPECT_DOUBLE_EQ(ui::fittingZoom({792, 554}, {640, 400}), 1.0);   // never below 100 %
    EXPECT_DOUBLE_EQ(ui::fittingZoom({792, 554}, {5000, 5000}), 3.0);  // never above 300 %
    // Touching edges stay touching at any zoom.
    const QRect a(240, 840, 6375, 495), b(240, 1335, 6375, 495);
    for (double z : {1.25, 1.75, 2.5})
        EXPECT_EQ(ui::rectZoomed(a, z).bottom() + 1, ui::rectZoomed(b, z).top()) << z;
}

TEST_F(Zoom, KeysStepTheWholeWindowAndItsSizeAndTheStepIsKept)
{
    // The keys work in the active window.
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    const QRect designedAnswer = form->btnAnswer[1]->geometry();
    const QSize designedClient = form->client->size();
    QTest::keyClick(form.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form->zoomPercent(), 125);
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->zoomPercent(), 150);
    QApplication::processEvents();
    EXPECT_EQ(form->client->size(), designedClient * 1.5);
    EXPECT_EQ(form->btnAnswer[1]->geometry(), ui::rectZoomed(QRect(240, 840, 6375, 495), 1.5));
    EXPECT_EQ(form->btnAnswer[1]->font().pixelSize(), 20);  // 13 px, designed
    EXPECT_EQ(form->Picture1->zoom(), 1.5);
    EXPECT_EQ(QSettings(QStringLiteral("Quillora"), QStringLiteral("Quillora")).value("view/zoomPercent").toInt(), 150);

    QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(form->zoomPercent(), 125);
    QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form->zoomPercent(), 100);
    QApplication::processEvents();
    // Back at 100 % every length is the designed one again.
    EXPECT_EQ(form->btnAnswer[1]->geometry(), designedAnswer);
    EXPECT_EQ(form->client->size(), designedClient);
    EXPECT_EQ(form->Label5->geometry(), ui::rectTw(8670, 120, 780, 255));
}

TEST_F(Zoom, AStepTheScreenHasNoRoomForIsNotTaken)
{
    // 200 % of the designed client area is 1108 pixels high: more than a full-HD screen has.
    EXPECT_FALSE(form->setZoomStep(200));
    EXPECT_EQ(form->zoomPercent(), 100);
    EXPECT_TRUE(form->setZoomStep(175));
    EXPECT_EQ(form->zoomPercent(), 175);
    // Ctrl+Plus from there finds no room either, and the window says so.
    form->zoomIn();
    EXPECT_EQ(form->zoomPercent(), 175);
    const auto* note = form->findChild<QLabel*>(QStringLiteral("zoomNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("200 %"))) << note->text().toStdString();
    // The step not taken leaves the text at the zoom in force.
    EXPECT_EQ(QFontInfo(QApplication::font()).pixelSize(), 23);
}

TEST_F(Zoom, FitToWindowFollowsTheWindowAndIsRemembered)
{
    form->mnuFitToWindow_Click();
    EXPECT_TRUE(form->mnuFitToWindow->isChecked());
    form->resize(QSize(1584, 1108) + chromeAt(2.0));
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(form->zoom(), 2.0);
    // The menus follow the zoom in force.
    EXPECT_EQ(QFontInfo(QApplication::font()).pixelSize(), 26);
    EXPECT_EQ(form->Picture1->geometry(), ui::rectZoomed(QRect(0, 390, 6225, 4695), 2.0));

    // The next start comes back with it.
    form.reset();
    form = std::make_unique<Form1>();
    start();
    EXPECT_TRUE(form->fitToWindow());
    EXPECT_TRUE(form->mnuFitToWindow->isChecked());
}

TEST_F(Zoom, AClickInASmallProvinceIsJudgedRightAtEveryStep)
{
    form->btnBegin_Click();
    form->SampleRegionColours();
    form->mnuFitToWindow_Click();
    const Region& pei = RegionTable[8];
    for (int percent : ui::ZoomSteps) {
        const double z = percent / 100.0;
        form->resize(QSize(int(std::ceil(792 * z)), int(std::ceil(554 * z))) + chromeAt(z));
        QApplication::processEvents();
        ASSERT_DOUBLE_EQ(form->zoom(), z) << percent;
        TargetName = QString::fromLatin1(pei.name);
        AwaitingLocation = 1;
        const int found = FoundCount;
        // The pole's tip, 14 map pixels left of and below the hot spot, on the island's point.
        const QPoint press(int(std::floor((pei.x + 14 + 0.5) * z)), int(std::floor((pei.y - 14 + 0.5) * z)));
        QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, press);
        EXPECT_EQ(FoundCount, found + 1) << percent;
        EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("You found Prince Edward Island.")) << percent;
    }
}

TEST_F(Zoom, TheWindowNeverOpensLargerThanTheScreen)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {"Gamewidth: 40000", "Gameheight: 30000"});
    form.reset();
    form = std::make_unique<Form1>();
    start();
    const QSize avail = form->screen()->availableGeometry().size();
    EXPECT_LE(ui::px(form->widthTw()), avail.width());
    EXPECT_LE(ui::px(form->heightTw()), avail.height());
}

} // namespace

TEST(ZoomStyleIcons, TheMenuBarsOverflowArrowIsTheStylesOwnDrawnWhenAsked)
{
    ui::installGameStyle();
    const QStyle* style = QApplication::style();
    const QStyle* base = qobject_cast<const QProxyStyle*>(style) ? qobject_cast<const QProxyStyle*>(style)->baseStyle() : style;
    const QIcon deferred = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(deferred.isNull());
    const QImage shown = deferred.pixmap(QSize(16, 16)).toImage();
    const QImage own = base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(QSize(16, 16)).toImage();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown, own);
}
