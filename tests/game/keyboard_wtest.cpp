// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard alone, the map pointer on a high-density screen, and the question box
// above everything else.
#include "support/gamefixture.h"
#include "ui/twips.h"

#include <QPainter>
#include <QSet>
#include <QTest>

using namespace modValdra;

namespace {

class KeyboardGame : public GameFixture {
protected:
    QWidget* focused() const { return form->focusWidget(); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = focused();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, modifiers);
    }

    // The button that shows `caption`, 1..4, or 0.
    int buttonWith(const QString& caption) const
    {
        for (int i = 1; i <= 4; ++i)
            if (!form->btnAnswer[i]->isHidden() && form->btnAnswer[i]->text() == caption)
                return i;
        return 0;
    }

    // Tabs from the first answer to answer `i` and presses Enter there.
    void enterOn(int i)
    {
        ASSERT_EQ(focused(), form->btnAnswer[1]);
        for (int k = 1; k < i; ++k)
            key(Qt::Key_Tab);
        ASSERT_EQ(focused(), form->btnAnswer[i]);
        key(Qt::Key_Return);
    }

    // Arrow keys, ten at a time with Shift, until the pointer's hot spot stands at `hot`.
    void movePointerTo(QPoint hot)
    {
        const QPoint d = hot - form->Picture1->keyPoint();
        const auto steps = [&](int delta, Qt::Key forward, Qt::Key back) {
            for (int i = 0; i < std::abs(delta) / 10; ++i)
                key(delta > 0 ? forward : back, Qt::ShiftModifier);
            for (int i = 0; i < std::abs(delta) % 10; ++i)
                key(delta > 0 ? forward : back);
        };
        steps(d.x(), Qt::Key_Right, Qt::Key_Left);
        steps(d.y(), Qt::Key_Down, Qt::Key_Up);
        ASSERT_EQ(form->Picture1->keyPoint(), hot);
    }

    // Where a mouse must press for the pole's tip to stand on the region's sampling point.
    static QPoint pressFor(const QString& region)
    {
        for (const Region& r : RegionTable)
            if (region == QLatin1String(r.name))
                return QPoint(r.x + 14, r.y - 14);
        return QPoint(-1, -1);
    }
};

TEST_F(KeyboardGame, AWholeGameWithKeysOnly)
{
    writeQuestions(12);
    script.inputs = {QStringLiteral("Kay")};
    start();

    ASSERT_EQ(focused(), form->btnBegin) << "the keyboard starts on BEGIN NEW GAME";
    key(Qt::Key_Return);
    ASSERT_EQ(ClockRunning, 1);

    int finds = 0;
    for (int turn = 0; turn < 12; ++turn) {
        ASSERT_FALSE(form->Frame2->isHidden()) << turn;
        ASSERT_EQ(focused(), form->btnAnswer[1]) << "a question takes the keyboard, turn " << turn;
        const int right = buttonWith(CorrectAnswer);
        ASSERT_GT(right, 0);
        if (turn == 3) {
            // A wrong number: the correct answer is shown, then picked with Enter, for nothing.
            key(Qt::Key(Qt::Key_0 + (right % 4) + 1));
            ASSERT_EQ(script.messages.size(), 1);
            EXPECT_EQ(AwaitingAnswer, 0);
            enterOn(buttonWith(CorrectAnswer));
            EXPECT_EQ(AwaitingLocation, 0);
            continue;
        }
        if (turn % 2 == 0) {
            key(Qt::Key(Qt::Key_0 + right));
            // While the map waits, a number picks nothing.
            QTest::keyClick(form.get(), Qt::Key(Qt::Key_0 + right));
        } else {
            enterOn(right);
        }

        ASSERT_EQ(AwaitingLocation, 1) << turn;
        ASSERT_EQ(focused(), form->Picture1) << "the map takes the keyboard, turn " << turn;
        EXPECT_TRUE(form->Picture1->keyPointerShown());
        const QString target = TargetName;
        if (turn == 5) {
            // Aimed elsewhere on purpose: judged as the mouse would judge it there.
            const QString elsewhere = target == QLatin1String("Quebec") ? QStringLiteral("Ontario") : QStringLiteral("Quebec");
            movePointerTo(pressFor(elsewhere));
            key(Qt::Key_Space);
            EXPECT_EQ(form->Text2->toPlainText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("You went to ") + elsewhere + QStringLiteral(" instead of ") + target);
        } else {
            movePointerTo(pressFor(target));
            key(turn % 4 == 0 ? Qt::Key_Enter : Qt::Key_Return);
            ++finds;
            EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("You found ") + target + QStringLiteral("."));
        }
        EXPECT_EQ(AwaitingLocation, 0);
        EXPECT_FALSE(form->Picture1->hasPointer());
        EXPECT_FALSE(form->Picture1->keyPointerShown());
    }

    // The end: the name asked for, the list shown, and the keyboard ready for the next game.
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(finds, 10);
    EXPECT_EQ(HighScoreNames[0], QStringLiteral("Kay"));
    EXPECT_EQ(focused(), form->btnBegin);
    Form6* scores = form->existingForm6();
    ASSERT_NE(scores, nullptr);
    ASSERT_TRUE(scores->isVisible());
    QTest::keyClick(scores->Command1, Qt::Key_Escape);
    EXPECT_FALSE(scores->isVisible());
}

// The pole's tip: the lowest opaque pixel of the picture, leftmost in its row.
QPointF tipOf(const QImage& picture)
{
    const QImage p = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = p.height() - 1; y >= 0; --y)
        for (int x = 0; x < p.width(); ++x)
            if (qAlpha(p.pixel(x, y)) > 128)
                return QPointF(x, y);
    return QPointF(-1, -1);
}

TEST_F(KeyboardGame, ThePointersTipStaysFourteenPixelsFromItsHotSpotAtEveryRatio)
{
    const QPixmap picture = form->Image1->picture();
    ASSERT_EQ(picture.size(), QSize(32, 32));
    for (qreal ratio : {1.0, 2.0}) {
        const QCursor cursor = ui::pointerCursor(picture, QPoint(16, 16), ratio);
        const QPixmap shown = cursor.pixmap();
        EXPECT_EQ(shown.size(), QSize(32, 32) * ratio) << ratio;
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        const QPointF hot = ui::cursorHotSpotInDevicePixels() ? QPointF(cursor.hotSpot()) / ratio : QPointF(cursor.hotSpot());
        EXPECT_EQ(hot, QPointF(16, 16)) << ratio;
        // In logical pixels the tip is where the game reads a press: 14 left, 14 down.
        const QPointF tip = tipOf(shown.toImage()) / ratio;
        EXPECT_EQ(QPointF(std::floor(tip.x()), std::floor(tip.y())), hot + QPointF(-14, 14)) << ratio;
    }
}

// Renders a control as a screen of device pixel ratio 2 shows it.
QImage renderedAtRatio2(QWidget* w)
{
    QImage image(w->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::black);
    w->render(&image);
    return image;
}

QSet<QRgb> coloursOf(const QImage& image, QRect area)
{
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(rgb.pixel(x, y) | 0xFF000000);
    return colours;
}

TEST_F(KeyboardGame, ASymbolShownAtItsOwnSizeStaysSharpAtRatio2)
{
    start();
    const QPixmap symbol = form->form3()->Image1[0]->picture();
    ASSERT_FALSE(symbol.isNull());
    ui::PictureImage image;
    image.setPicture(symbol);
    image.resize(symbol.size());
    const QImage shownSymbol = renderedAtRatio2(&image);
    const QImage source = symbol.toImage();
    EXPECT_TRUE(coloursOf(shownSymbol, shownSymbol.rect()).subtract(coloursOf(source, source.rect())).isEmpty());
}

TEST_F(KeyboardGame, TheQuestionBoxStaysAboveTheGalleryAndTheHintBox)
{
    writeQuestions(20);
    start();
    // Moved into the right-hand column, as a settings file may place it.
    form->setQuizBoxTw(QPoint(6600, 2400));
    form->btnBegin_Click();
    for (int k = 0; k < 12; ++k) {
        form->Crest[k]->setPicture(form->form3()->Image1[k]->picture());
        form->Crest[k]->show();
    }
    form->Text2->show();
    form->CrestImage->show();
    form->NextQuestion();
    ASSERT_FALSE(form->Frame2->isHidden());
    const auto insideTheBox = [&](QPoint at) {
        QWidget* hit = form->client->childAt(at);
        return hit && (hit == form->Frame2 || form->Frame2->isAncestorOf(hit));
    };
    for (QWidget* other : {static_cast<QWidget*>(form->Crest[4]), static_cast<QWidget*>(form->Crest[9]),
                           static_cast<QWidget*>(form->Text2), static_cast<QWidget*>(form->CrestImage)}) {
        const QRect overlap = other->geometry() & form->Frame2->geometry();
        ASSERT_FALSE(overlap.isEmpty());
        EXPECT_TRUE(insideTheBox(overlap.center())) << other->metaObject()->className();
    }

    // A window 700 wide and 900 high, the box at its designed place: the hint box grows into
    // the box's right arrow, and the arrow stays whole above it.
    form->setQuizBoxTw(QPoint(90, 5100));
    form->setWidthTw(10500);
    form->setHeightTw(13500);
    QApplication::processEvents();
    const QRect arrow(form->cmdMove[3]->mapTo(form->client, QPoint()), form->cmdMove[3]->size());
    const QRect covered = arrow & form->Text2->geometry();
    ASSERT_FALSE(covered.isEmpty());
    EXPECT_EQ(form->client->childAt(covered.center()), form->cmdMove[3]);
}

} // namespace
