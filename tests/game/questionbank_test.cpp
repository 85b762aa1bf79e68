// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/questionbank.h"
#include "game/state.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace modValdra;
using questionbank::loadQuestionBank;
using questionbank::LoadOutcome;

namespace {

QStringList questionLines(int count, const QString& tag)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 question %2").arg(tag).arg(i) << QStringLiteral("%1 right %2").arg(tag).arg(i)
              << QStringLiteral("%1 w1").arg(tag) << QStringLiteral("%1 w2").arg(tag) << QStringLiteral("%1 w3").arg(tag);
    return lines;
}

class QuestionBank : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { resetState(); }
    TestFolder folder;
};

TEST_F(QuestionBank, ReadsFiveLineBlocksAndStopsAfterTheHundredth)
{
    QStringList lines = questionLines(100, QStringLiteral("Q"));
    lines << QStringLiteral("extra one") << QStringLiteral("extra two") << QStringLiteral("extra three");
    ASSERT_EQ(lines.size(), 503);
    folder.writeLines(QStringLiteral("Valdra.qtn"), lines);

    EXPECT_EQ(loadQuestionBank(QStringLiteral("Valdra.qtn")), LoadOutcome::Loaded);
    EXPECT_EQ(QuestionCount, 100);
    EXPECT_EQ(QuestionText[1], QStringLiteral("Q question 1"));
    EXPECT_EQ(AnswerText[1][1], QStringLiteral("Q right 1"));
    EXPECT_EQ(AnswerText[1][4], QStringLiteral("Q w3"));
    EXPECT_EQ(QuestionText[100], QStringLiteral("Q question 100"));
    EXPECT_TRUE(QuestionText[101].isEmpty());
}

TEST_F(QuestionBank, AQuestionCutShortGetsEmptyAnswersNotThoseOfAnEarlierFile)
{
    folder.writeLines(QStringLiteral("long.qtn"), questionLines(3, QStringLiteral("Old")));
    ASSERT_EQ(loadQuestionBank(QStringLiteral("long.qtn")), LoadOutcome::Loaded);

    QStringList shortFile = questionLines(1, QStringLiteral("New"));
    shortFile << QStringLiteral("New question cut short") << QStringLiteral("New right 2");
    folder.writeLines(QStringLiteral("short.qtn"), shortFile);
    ASSERT_EQ(loadQuestionBank(QStringLiteral("short.qtn")), LoadOutcome::Loaded);

    EXPECT_EQ(QuestionCount, 2);
    EXPECT_EQ(AnswerText[2][1], QStringLiteral("New right 2"));
    for (int a = 2; a <= 4; ++a)
        EXPECT_TRUE(AnswerText[2][a].isEmpty()) << a;

    // A file that ends right after its question line still counts that question.
    folder.writeLines(QStringLiteral("bare.qtn"), {QStringLiteral("Only a question")});
    ASSERT_EQ(loadQuestionBank(QStringLiteral("bare.qtn")), LoadOutcome::Loaded);
    EXPECT_EQ(QuestionCount, 1);
    EXPECT_EQ(QuestionText[1], QStringLiteral("Only a question"));
    for (int a = 1; a <= 4; ++a)
        EXPECT_TRUE(AnswerText[1][a].isEmpty()) << a;
}

TEST_F(QuestionBank, TinyFilesAndMissingFiles)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int expectedCount;
    };
    const Case cases[] = {
        {"empty", QByteArray(), -1},
        {"one byte", QByteArray("x"), -1},
        {"a lone line break", QByteArray("\r\n"), 1},
    };
    for (const Case& c : cases) {
        resetState();
        folder.write(QStringLiteral("f.qtn"), c.bytes);
        loadQuestionBank(QStringLiteral("f.qtn"));
        EXPECT_EQ(QuestionCount, c.expectedCount) << c.name;
    }
    EXPECT_TRUE(QuestionText[1].isEmpty());

    // A missing file leaves the bank and its count as they were.
    folder.writeLines(QStringLiteral("seven.qtn"), questionLines(7, QStringLiteral("S")));
    loadQuestionBank(QStringLiteral("seven.qtn"));
    EXPECT_EQ(loadQuestionBank(QStringLiteral("nowhere.qtn")), LoadOutcome::NotOpened);
    EXPECT_EQ(QuestionCount, 7);
    EXPECT_EQ(QuestionText[7], QStringLiteral("S question 7"));
}

TEST_F(QuestionBank, AShorterFileReplacesTheCountOfALongerOne)
{
    folder.writeLines(QStringLiteral("fifty.qtn"), questionLines(50, QStringLiteral("Fifty")));
    folder.writeLines(QStringLiteral("twenty.qtn"), questionLines(20, QStringLiteral("Twenty")));
    loadQuestionBank(QStringLiteral("fifty.qtn"));
    loadQuestionBank(QStringLiteral("twenty.qtn"));
    EXPECT_EQ(QuestionCount, 20);
    EXPECT_EQ(QuestionText[20], QStringLiteral("Twenty question 20"));
}

TEST_F(QuestionBank, DecodesWindows1252Utf8AndLfOnlyFiles)
{
    // "Trois-Rivières" and a curly apostrophe in Windows-1252.
    folder.write(QStringLiteral("cp.qtn"), QByteArray("Where is Trois-Rivi\xE8res?\r\nQu\x92\x62\x65\x63\r\nB\r\nC\r\nD\r\n"));
    loadQuestionBank(QStringLiteral("cp.qtn"));
    EXPECT_EQ(QuestionText[1], QString::fromUtf8("Where is Trois-Rivières?"));
    EXPECT_EQ(AnswerText[1][1], QString::fromUtf8("Qu’bec"));

    folder.write(QStringLiteral("utf8.qtn"), QByteArray("\xEF\xBB\xBFQu\xC3\xA9\x62\x65\x63 City?\nA\nB\nC\nD\n"));
    loadQuestionBank(QStringLiteral("utf8.qtn"));
    EXPECT_EQ(QuestionCount, 1);
    EXPECT_EQ(QuestionText[1], QString::fromUtf8("Québec City?"));
    EXPECT_EQ(AnswerText[1][4], QStringLiteral("D"));

    folder.write(QStringLiteral("nobom.qtn"), QByteArray("Montr\xC3\xA9\x61l?\nA\nB\nC\nD\nSecond one?\nA\nB\nC\nD"));
    loadQuestionBank(QStringLiteral("nobom.qtn"));
    EXPECT_EQ(QuestionCount, 2);
    EXPECT_EQ(QuestionText[1], QString::fromUtf8("Montréal?"));
    EXPECT_EQ(AnswerText[2][4], QStringLiteral("D"));
}

} // namespace
