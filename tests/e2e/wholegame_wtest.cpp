// SPDX-License-Identifier: GPL-3.0-or-later
// One whole game through the real widgets: mouse clicks on the buttons and the map, the clock
// moved by the script, the name typed into the scripted input box.
#include "support/gamefixture.h"

#include <QTest>

using namespace modValdra;

namespace {

class WholeGame : public GameFixture {
protected:
    ui::PictureButton* buttonWith(const QString& caption, bool wanted)
    {
        for (int i = 1; i <= 4; ++i)
            if (form->btnAnswer[i]->isVisible() && (form->btnAnswer[i]->text() == caption) == wanted)
                return form->btnAnswer[i];
        return nullptr;
    }

    void click(QWidget* w, QPoint at = QPoint(-1, -1))
    {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, Qt::KeyboardModifiers(), at.x() < 0 ? w->rect().center() : at);
    }

    // Presses the map so that the pointer's tip lands on the region's sampling point.
    void placeOn(const QString& region)
    {
        for (const Region& r : RegionTable)
            if (region == QLatin1String(r.name))
                return click(form->Picture1, QPoint(r.x + 14, r.y - 14));
        ADD_FAILURE() << "no region " << region.toStdString();
    }
};

TEST_F(WholeGame, AnswersPlacementsAndTheHighScoreEntry)
{
    writeQuestions(12);
    script.inputs = {QStringLiteral("Ada")};
    start();

    click(form->btnBegin);
    ASSERT_EQ(ClockRunning, 1);
    EXPECT_FALSE(form->btnBegin->isVisible());
    script.clock += 60;
    form->Timer1_Timer();
    EXPECT_EQ(form->lblmin->text(), QStringLiteral("2"));
    EXPECT_EQ(form->lblTurnsLeft->text(), QStringLiteral("12"));

    int finds = 0;
    for (int turn = 0; turn < 12; ++turn) {
        ASSERT_TRUE(form->Frame2->isVisible()) << turn;
        EXPECT_FALSE(form->Command1->isEnabled());
        if (turn == 2) {
            // A wrong answer: the correct one is shown, then must be picked, for nothing.
            click(buttonWith(CorrectAnswer, false));
            ASSERT_EQ(script.messages.size(), 1);
            EXPECT_EQ(script.messages.back().title, QStringLiteral("WRONG!  The correct answer is:"));
            EXPECT_TRUE(form->Frame2->isVisible());
            click(buttonWith(CorrectAnswer, true));
            continue;
        }
        click(buttonWith(CorrectAnswer, true));
        EXPECT_FALSE(form->Frame2->isVisible());
        EXPECT_TRUE(form->Command1->isEnabled());
        EXPECT_EQ(form->Picture1->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("Hint:  Locate ") + TargetName);
        if (turn == 5) {
            click(form->Picture1, QPoint(20, 20));  // the tip lands outside the picture
            EXPECT_TRUE(form->Text2->toPlainText().startsWith(QStringLiteral("You went to  instead of ")));
        } else {
            const QString target = TargetName;
            placeOn(target);
            ++finds;
            EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("You found ") + target + QStringLiteral("."));
            EXPECT_EQ(form->Crest[finds - 1]->tag(), target);
        }
        EXPECT_EQ(form->Picture1->cursor().shape(), Qt::ArrowCursor);
    }

    // The last placement ended the game: bonus paid, the name asked for, the list shown.
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_TRUE(form->btnBegin->isVisible());
    EXPECT_EQ(finds, 10);
    const int expected = 11 * 125 + 10 * 100 + 120 * 50;
    ASSERT_EQ(script.prompts.size(), 1);
    EXPECT_TRUE(script.prompts.front().startsWith(QStringLiteral("Your score of %1 adds your name").arg(expected)));
    EXPECT_EQ(HighScoreNames[0], QStringLiteral("Ada"));
    EXPECT_EQ(HighScoreValues[0], expected);
    ASSERT_NE(form->existingForm6(), nullptr);
    EXPECT_TRUE(form->existingForm6()->isVisible());
    EXPECT_EQ(form->existingForm6()->lblHighScores[0]->text(), QStringLiteral("Ada"));
    EXPECT_EQ(form->existingForm6()->lblScores[0]->text(), QString::number(expected));
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr")).startsWith("Ada\r\n " + QByteArray::number(expected) + " \r\n"));

    // The board stays on show; a press on the map after the end changes nothing.
    EXPECT_TRUE(form->Crest[9]->isVisible());
    placeOn(QStringLiteral("Ontario"));
    EXPECT_FALSE(form->Frame2->isVisible());
}

} // namespace
