// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's rules: the high-score file named after a question file, and the end of a wait.
#include "symbols/chooser.h"

#include "support/testfolder.h"

#include <gtest/gtest.h>

TEST(ChooserRules, AQuestionFileKeepsItsScoresInTheCurrentFolderUnderItsStem)
{
    const struct { const char* quiz; const char* scores; } cases[] = {
        {"D:\\Quiz\\Birds.qtn", "Birds.scr"},
        {"/home/ann/quiz/Birds.qtn", "Birds.scr"},
        {"Birds.hard.qtn", "Birds.scr"},       // cut at the first "."
        {".qtn", ".qtn.scr"},                  // a leading "." belongs to the name
        {"C:\\Quiz\\.hidden.dat", ".hidden.scr"},
        {"/srv/class.7b/Rivers.dat", "Rivers.scr"},  // a dot in a folder does not count
        {"A:\\birds", "birds.scr"},
        {"Lakes..qtn", "Lakes.scr"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooser::scoreFileFor(QString::fromLatin1(c.quiz)), QString::fromLatin1(c.scores)) << c.quiz;
}

TEST(ChooserRules, AWaitEndsAWholeNumberOfSecondsAfterTheRoundedStart)
{
    const struct { double start; int n; double end; } cases[] = {
        {36000.0, 1, 36001.0},
        {36000.4, 1, 36001.0},  // 0.6 s
        {36000.6, 1, 36002.0},  // 1.4 s
        {36000.2, 3, 36003.0},
        {36000.0, 0, 36001.0},  // no wait shorter than a second
        {36000.0, -5, 36001.0},
        {86399.7, 1, 86401.0},  // the clock runs on past midnight
    };
    for (const auto& c : cases) {
        const double end = chooser::waitEnd(c.start, c.n);
        EXPECT_EQ(end, c.end) << c.start << " " << c.n;
        const int d = c.n > 0 ? c.n : 1;
        EXPECT_GE(end - c.start, d - 0.5) << c.start;
        EXPECT_LE(end - c.start, d + 0.5) << c.start;
    }
}
