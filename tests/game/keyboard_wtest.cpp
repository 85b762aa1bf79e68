// Playing from the keyboard alone, the map pointer on a high-density screen, and the question box
// above everything else.
#include "support/gamefixture.h"
#include "ui/keyboard.h"
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
        if (turn % 2 == 0)
            key(Qt::Key(Qt::Key_0 + right));
        else
            enterOn(right);

        ASSERT_EQ(AwaitingLocation, 1) << turn;
        ASSERT_EQ(focused(), form->Picture1) << "the map takes the keyboard, turn " << turn;
        EXPECT_TRUE(form->Picture1->keyPointerShown());
        const QString target = TargetName;
        if (turn == 5) {
            // Aimed elsewhere on purpose: judged as the mouse would judge it there.
            const QString elsewhere = target == QLatin1String("Quebec") ? QStringLiteral("Ontario") : QStringLiteral("Quebec");
            movePointerTo(pressFor(elsewhere));
            key(Qt::Key_Space);
            EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("You went to ") + elsewhere + QStringLiteral(" instead of ") + target);
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

TEST_F(KeyboardGame, KeysDoNothingWhereTheyHaveNothingToDo)
{
    writeQuestions(12);
    start();
    form->btnBegin_Click();
    // A held key answers one question, not the next one too.
    const int right = buttonWith(CorrectAnswer);
    QTest::keyClick(form.get(), Qt::Key(Qt::Key_0 + right), Qt::NoModifier);
    ASSERT_EQ(AwaitingLocation, 1);
    QTest::keyEvent(QTest::Press, form.get(), Qt::Key(Qt::Key_0 + right), Qt::NoModifier);
    EXPECT_EQ(QuestionsAnswered, 1);

    // While the map waits, digits pick nothing; arrows stop at the map's edge.
    QTest::keyClick(form.get(), Qt::Key_1);
    EXPECT_EQ(AwaitingLocation, 1);
    for (int i = 0; i < 60; ++i)
        QTest::keyClick(form->Picture1, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(form->Picture1->keyPoint().x(), 0);

    // Once placed, the map no longer answers keys.
    QTest::keyClick(form->Picture1, Qt::Key_Return);
    ASSERT_EQ(AwaitingLocation, 0);
    const QString outcome = form->Text2->toPlainText();
    const int score = Score;
    QTest::keyClick(form->Picture1, Qt::Key_Return);
    EXPECT_EQ(form->Text2->toPlainText(), outcome);
    EXPECT_EQ(Score, score);

    // A key beyond the answers on show picks nothing.
    QuestionText[1] = QStringLiteral("True or false?");
    AnswerText[1][1] = QStringLiteral("True");
    AnswerText[1][2] = QStringLiteral("False");
    AnswerText[1][3] = AnswerText[1][4] = QString();
    QuestionsLeft = 1;
    form->NextQuestion();
    ASSERT_TRUE(form->btnAnswer[3]->isHidden());
    const int answered = QuestionsAnswered;
    QTest::keyClick(form.get(), Qt::Key_3);
    QTest::keyClick(form.get(), Qt::Key_4);
    EXPECT_EQ(QuestionsAnswered, answered);
}

TEST_F(KeyboardGame, TheMouseTakesThePointerBackFromTheKeys)
{
    writeQuestions(12);
    start();
    form->btnBegin_Click();
    QTest::mouseClick(form->btnAnswer[buttonWith(CorrectAnswer)], Qt::LeftButton);
    ASSERT_EQ(AwaitingLocation, 1);
    // Answered with the mouse: the mouse's own pointer shows, not a drawn one.
    EXPECT_FALSE(form->Picture1->keyPointerShown());
    EXPECT_EQ(form->Picture1->cursor().shape(), Qt::BitmapCursor);

    QTest::keyClick(form->Picture1, Qt::Key_Up);
    EXPECT_TRUE(form->Picture1->keyPointerShown());
    EXPECT_EQ(form->Picture1->cursor().shape(), Qt::BlankCursor);

    // A key press goes on from where the mouse last pointed.
    const QPoint yukon = pressFor(QStringLiteral("Yukon"));
    QTest::mouseMove(form->Picture1, yukon);
    EXPECT_FALSE(form->Picture1->keyPointerShown());
    EXPECT_EQ(form->Picture1->keyPoint(), yukon);
    EXPECT_EQ(form->Picture1->cursor().shape(), Qt::BitmapCursor);
    const QString target = TargetName;
    QTest::keyClick(form->Picture1, Qt::Key_Space);
    EXPECT_TRUE(form->Text2->toPlainText().startsWith(target == QLatin1String("Yukon") ? QStringLiteral("You found Yukon")
                                                                                      : QStringLiteral("You went to Yukon ")));
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
        // Scaled pixel for pixel: no colour the picture does not have.
        QSet<QRgb> colours;
        const QImage original = picture.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(original.pixel(x, y));
        const QImage scaled = shown.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                ASSERT_TRUE(colours.contains(scaled.pixel(x, y))) << ratio << " at " << x << "," << y;
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

TEST_F(KeyboardGame, TheMapAndAWholeSizeSymbolStaySharpAtRatio2)
{
    start();
    const QImage& map = form->Picture1->picture();
    const QImage shownMap = renderedAtRatio2(form->Picture1);
    EXPECT_TRUE(coloursOf(shownMap, QRect(QPoint(), map.size() * 2)).subtract(coloursOf(map, map.rect())).isEmpty());

    // A symbol shown at its own size: doubled, not blurred.
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

TEST(EscapeKey, ClosesTheWindowFromAnyControlButNotOnOtherKeys)
{
    QWidget window;
    auto* button = new ui::PictureButton(QStringLiteral("OK"), &window);
    ui::closeOnEscape(&window);
    window.show();
    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(button, Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(PictureButtonKeys, EnterPressesItAndItsFocusMarkShowsOnlyToTheKeyboard)
{
    QWidget window;
    auto* button = new ui::PictureButton(QStringLiteral("Answer"), &window);
    button->resize(200, 33);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QImage plain = button->grab().toImage();

    button->setFocus();
    ui::noteKeyboardUse(button, false);
    EXPECT_EQ(button->grab().toImage(), plain) << "no mark for a mouse player";

    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(ui::keyboardInUse(button));
    EXPECT_NE(button->grab().toImage(), plain) << "a clear mark once the keyboard plays";

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(ui::keyboardInUse(button));
}

} // namespace
