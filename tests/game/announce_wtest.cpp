// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of a game: the map's name, the counters, and the changes announced.
#include "support/gamefixture.h"
#include "ui/announce.h"

#include <QLabel>
#include <QTest>

#include "ui/keyboard.h"

using namespace modValdra;

namespace {

class Announce : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
        form->btnBegin_Click();
    }
    QString heard()
    {
        QApplication::processEvents();
        QLabel* label = ui::announcer(form.get());
        return label ? label->text() : QString();
    }
    // Answers the question on show rightly, drawing the region of pool position `j`.
    void answerRightly(int j)
    {
        script.randoms.push_back((j + 0.5f) / float(std::max(SymbolPoolTop, 1)));
        for (int i = 1; i <= 4; ++i)
            if (form->btnAnswer[i]->text().startsWith(QStringLiteral("Right"))) {
                form->btnAnswer_Click(i);
                return;
            }
        FAIL() << "no right answer on show";
    }
    void pressAt(int region)
    {
        form->Picture1_MouseDown(1, 0, float(RegionTable[region].x + 14), float(RegionTable[region].y - 14));
    }
};

TEST_F(Announce, AQuestionIsReadWithItsAnswers)
{
    const QString said = heard();
    EXPECT_TRUE(said.startsWith(QStringLiteral("Question: ") + CurrentQuestion.trimmed())) << said.toStdString();
    for (int a = 1; a <= 4; ++a)
        EXPECT_TRUE(said.contains(CurrentAnswers[a])) << a;
}

TEST_F(Announce, TheMapSaysWhatItWaitsForAndTheOutcomeIsHeard)
{
    EXPECT_EQ(form->Picture1->accessibleName(), QStringLiteral("Map of Canada."));
    heard();
    answerRightly(10);
    ASSERT_EQ(TargetName, QStringLiteral("Yukon"));
    EXPECT_EQ(form->Picture1->accessibleName(), QStringLiteral("Map of Canada. Place the symbol of Yukon."));
    EXPECT_TRUE(heard().startsWith(QStringLiteral("Right.")));

    pressAt(10);
    EXPECT_EQ(form->Picture1->accessibleName(), QStringLiteral("Map of Canada."));
    // The outcome first, then the next question, in one announcement.
    const QString found = heard();
    EXPECT_TRUE(found.startsWith(QStringLiteral("Found: Yukon Question: "))) << found.toStdString();
    EXPECT_EQ(form->Crest[0]->accessibleName(), QStringLiteral("Crest of Yukon"));

    answerRightly(6);  // the pool moved on: whatever it draws, miss it on Quebec
    heard();
    const QString target = TargetName;
    ASSERT_NE(target, QStringLiteral("Quebec"));
    pressAt(5);
    EXPECT_TRUE(heard().startsWith(QStringLiteral("You went to Quebec instead of ") + target)) << heard().toStdString();
}

TEST_F(Announce, TheKeyboardPointerNamesTheRegionUnderIt)
{
    answerRightly(3);
    ui::noteKeyboardUse(form->Picture1, true);
    form->Picture1->setFocus();
    // Walk the pointer's tip onto Manitoba's point: the hot spot stands 14 right and 14 up.
    const QPoint goal(RegionTable[3].x + 14, RegionTable[3].y - 14);
    for (int guard = 0; guard < 400 && form->Picture1->keyPoint() != goal; ++guard) {
        const QPoint k = form->Picture1->keyPoint();
        const Qt::Key key = k.x() < goal.x() ? Qt::Key_Right : k.x() > goal.x() ? Qt::Key_Left
                          : k.y() < goal.y() ? Qt::Key_Down : Qt::Key_Up;
        QTest::keyClick(form->Picture1, key);
    }
    ASSERT_EQ(form->Picture1->keyPoint(), goal);
    EXPECT_TRUE(form->Picture1->accessibleName().endsWith(QStringLiteral("The pointer is over Manitoba.")))
        << form->Picture1->accessibleName().toStdString();
}

TEST_F(Announce, CountersReadWithTheirLabelsTheLastMinuteAndTheEnd)
{
    script.clock += 10;
    form->Timer1_Timer();
    EXPECT_EQ(form->lblScore->accessibleName(), QStringLiteral("Score: 0"));
    EXPECT_EQ(form->lblTurnsLeft->accessibleName(), QStringLiteral("Turns Left: 12"));
    EXPECT_EQ(form->lblmin->accessibleName(), QStringLiteral("Time Left: 2 min. 50 sec."));
    EXPECT_FALSE(heard().contains(QStringLiteral("One minute left.")));

    script.clock += 120;
    form->Timer1_Timer();
    EXPECT_EQ(heard(), QStringLiteral("One minute left."));
    // Said once, not at every tick of the last minute.
    ui::announcer(form.get())->clear();
    script.clock += 1;
    form->Timer1_Timer();
    EXPECT_EQ(heard(), QString());

    form->mnuEndGame_Click();
    EXPECT_TRUE(heard().startsWith(QStringLiteral("Game over. Score: "))) << heard().toStdString();
    EXPECT_TRUE(form->lblScore->accessibleName().startsWith(QStringLiteral("Score: ")));
}

} // namespace
