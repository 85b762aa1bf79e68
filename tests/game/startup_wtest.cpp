// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gamefixture.h"
#include "ui/twips.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

using namespace modValdra;

namespace {

using StartUp = GameFixture;

TEST_F(StartUp, SetsTheDefaultsAndLoadsTheQuestionBankFromTheCurrentFolder)
{
    writeQuestions(7);
    start();

    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quillora"));
    EXPECT_EQ(ProgramTitle, QStringLiteral("Quillora"));
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_EQ(ScoreFile, QStringLiteral("Valdra.scr"));
    EXPECT_EQ(CustomSetName, QStringLiteral("Custom Symbols"));
    EXPECT_EQ(QFileInfo(StartFolder).canonicalFilePath(), QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_TRUE(PicListFile.isEmpty());
    EXPECT_EQ(GameSeconds, 180);
    EXPECT_EQ(SymbolCount, 12);
    EXPECT_EQ(DifficultyLevel, 0);
    EXPECT_EQ(SymbolSetChoice, 0);
    EXPECT_EQ(QuestionCount, 7);
    EXPECT_EQ(QuestionText[7], QStringLiteral("Question number 7?"));
    EXPECT_EQ(form->Timer1->interval(), 1000);

    // No game is on: the begin button shows and the labels keep their first captions.
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_TRUE(form->btnBegin->isVisible());
    EXPECT_EQ(form->btnBegin->text(), QStringLiteral("&BEGIN NEW GAME"));
    EXPECT_TRUE(form->Command1->isEnabled());
    for (QLabel* label : {form->lblScore, form->lblBonus, form->lblTurnsLeft, form->lblmin, form->lblsec})
        EXPECT_EQ(label->text(), QStringLiteral("0"));
    EXPECT_EQ(form->lblMessage->text(), QStringLiteral("Select the best answer."));
}

TEST_F(StartUp, WithoutAQuestionFileTheBankIsEmptyAndNothingIsShown)
{
    start();
    EXPECT_EQ(QuestionCount, 0);
    EXPECT_TRUE(script.messages.isEmpty());
}

TEST_F(StartUp, TheMenuBarCarriesEveryCommandWithItsAccessKeys)
{
    start();
    QStringList captions;
    for (QAction* top : form->menuBar->actions()) {
        captions << top->text();
        if (QMenu* menu = top->menu())
            for (QAction* a : menu->actions())
                captions << (a->isSeparator() ? QStringLiteral("-") : QStringLiteral("  ") + a->text());
    }
    const QStringList expected = {
        "&Files", "  &Begin New Game", "  &End Game", "-", "  New &Questions", "  New &Symbols", "  E&dit Questions", "-",
        "  E&xit",
        "&Options", "  &Game Options", "-", "  &Add New Symbols", "-", "  &Save Options", "-", "  Class &Results", "-",
        "  Fit to &Window", "  E&xplore the Map", "  Find on the &Map", "  Read &Questions Aloud", "-", "  &Language",
        "High &Scores",
        "&Help", "  &About", "-", "  &Help",
    };
    EXPECT_EQ(captions, expected);
    for (QAction* top : form->menuBar->actions())
        EXPECT_TRUE(top->isEnabled());
}

TEST_F(StartUp, TheControlsStandWhereTheWindowWasDesigned)
{
    start();
    // Designed in twips, 15 to a pixel.
    EXPECT_EQ(form->client->size(), QSize(792, 554));
    EXPECT_EQ(form->Picture1->geometry(), QRect(0, 26, 415, 313));
    EXPECT_EQ(form->Frame2->geometry(), QRect(6, 340, 461, 211));
    EXPECT_EQ(form->btnAnswer[4]->geometry(), QRect(16, 152, 425, 33));
    EXPECT_EQ(form->btnBegin->geometry(), QRect(0, 6, 220, 23));
    // Exit stands 900 twips in from the window's outer right edge, as the window is framed.
    EXPECT_EQ(form->Command1->geometry().right() + 1, ui::px(form->widthTw() - 900) + 57);
    EXPECT_EQ(form->lblQuestion->caption(), QStringLiteral("Question"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(form->btnAnswer[i]->text(), QStringLiteral("Answer %1").arg(i));
}

TEST_F(StartUp, ExitFromTheButtonOrTheMenuEndsTheProgram)
{
    start();
    form->Command1->click();
    EXPECT_TRUE(form->shutDownRequested);

    form->shutDownRequested = false;
    form->mnuExit->trigger();
    EXPECT_TRUE(form->shutDownRequested);
}

} // namespace
