// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a text fits is the game's verdict: the question label of the real main window needs
// no more room than it has exactly when the checker says the question fits.
#include "checker/textfit.h"
#include "support/gamefixture.h"

namespace {

class TextFitAgainstTheGame : public GameFixture {};

TEST_F(TextFitAgainstTheGame, AQuestionFitsWhenTheGamesLabelHoldsIt)
{
    start();
    ui::CaptionLabel* label = form->lblQuestion;
    QString text = QStringLiteral("Which");
    bool sawFit = false, sawOverflow = false;
    // Grow the question a word at a time, across the point where it stops fitting.
    for (int words = 0; words < 40; ++words) {
        label->setCaption(QString(QChar(13)) + text);
        const bool gameFits = label->heightForWidth(label->width()) <= label->height();
        EXPECT_EQ(checker::questionFit(text).fits, gameFits) << text.toStdString();
        sawFit = sawFit || gameFits;
        sawOverflow = sawOverflow || !gameFits;
        text += QStringLiteral(" province");
    }
    EXPECT_TRUE(sawFit);
    EXPECT_TRUE(sawOverflow);
}

TEST_F(TextFitAgainstTheGame, AnAnswerFitsOnTwoLinesOfItsButton)
{
    EXPECT_TRUE(checker::answerFit(QStringLiteral("Prince Edward Island")).fits);
    const checker::TextFit twoLines = checker::answerFit(QString(QStringLiteral("Prince Edward Island ")).repeated(4));
    EXPECT_TRUE(twoLines.fits);
    EXPECT_EQ(twoLines.linesNeeded, 2);
    const checker::TextFit threeLines = checker::answerFit(QString(QStringLiteral("Prince Edward Island ")).repeated(8));
    EXPECT_FALSE(threeLines.fits);
    EXPECT_EQ(threeLines.linesRoom, 2);
}

} // namespace
