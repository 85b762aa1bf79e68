// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor saves is what the game reads; what it opens is what the game read, and what
// it cannot open it says why.
#include "editor/questionfile.h"
#include "game/questionbank.h"
#include "game/state.h"
#include "support/testfolder.h"
#include "files/textfile.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace editor;

namespace {

Question q(const QString& text, const QString& right, const QString& w1 = {}, const QString& w2 = {}, const QString& w3 = {})
{
    return Question{text, {right, w1, w2, w3}};
}

TEST(QuestionFile, SavesWindows1252WhenEveryCharacterFitsAndUtf8WithAMarkOtherwise)
{
    TestFolder folder;
    struct Case {
        const char* name;
        Questions questions;
        QByteArray start;  // the bytes the file begins with
    } cases[] = {
        {"ASCII", {q("Capital of Yukon?", "Whitehorse", "Dawson", "Haines", "Mayo")}, "Capital of Yukon?\r\nWhitehorse\r\n"},
        {"Windows-1252", {q("Où est Trois-Rivières?", "Québec", "Ontario")}, "O\xF9 est Trois-Rivi\xE8res?\r\nQu\xE9" "bec\r\n"},
        {"beyond Windows-1252", {q("Capital of Nunavut?", "Iqaluit ᐃᖃᓗᐃᑦ", "Rankin")}, "\xEF\xBB\xBF" "Capital of Nunavut?\r\n"},
        {"1252 bytes that read as UTF-8", {q("Ã‰ric's question?", "Yes")}, "\xEF\xBB\xBF"},
        {"1252 bytes that look like UTF-16", {q("ÿþ is no question?", "Yes")}, "\xEF\xBB\xBF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        ASSERT_TRUE(saveQuestionFile(QStringLiteral("Valdra.qtn"), c.questions, &error)) << error.toStdString();
        const QByteArray bytes = folder.read(QStringLiteral("Valdra.qtn"));
        EXPECT_TRUE(bytes.startsWith(c.start));
        EXPECT_EQ(bytes.count("\r\n"), 5 * c.questions.size());
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

        // The game reads it back as saved, and so does the editor.
        modValdra::resetState();
        ASSERT_EQ(questionbank::loadQuestionBank(QStringLiteral("Valdra.qtn")), questionbank::LoadOutcome::Loaded);
        ASSERT_EQ(modValdra::QuestionCount, c.questions.size());
        EXPECT_EQ(modValdra::QuestionText[1], c.questions[0].text);
        for (int a = 1; a <= 4; ++a)
            EXPECT_EQ(modValdra::AnswerText[1][a], c.questions[0].answers[size_t(a - 1)]);
        const ReadResult back = readQuestionFile(QStringLiteral("Valdra.qtn"));
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.questions, c.questions);
    }
    modValdra::resetState();
}

TEST(QuestionFile, ALineBreakInAFieldBecomesASpaceSoNoLineShifts)
{
    TestFolder folder;
    const Questions questions = {q(QStringLiteral("Capital of\r\nYukon?"), QStringLiteral("White\nhorse")), q(QStringLiteral("Next?"), QStringLiteral("Yes"))};
    ASSERT_TRUE(saveQuestionFile(QStringLiteral("a.qtn"), questions, nullptr));
    const ReadResult back = readQuestionFile(QStringLiteral("a.qtn"));
    ASSERT_EQ(back.questions.size(), 2);
    EXPECT_EQ(back.questions[0].text, QStringLiteral("Capital of Yukon?"));
    EXPECT_EQ(back.questions[0].answers[0], QStringLiteral("White horse"));
    EXPECT_EQ(back.questions[1].text, QStringLiteral("Next?"));
}

TEST(QuestionFile, OpensAShiftedFileAsTheGameReadsItAndRefusesWhatIsNoQuestionFile)
{
    TestFolder folder;
    // Seven lines: the second block is cut short and gets empty answers, as in the game.
    folder.writeLines(QStringLiteral("short.qtn"), {"Q1?", "A", "B", "C", "D", "Q2?", "A2"});
    const ReadResult shifted = readQuestionFile(QStringLiteral("short.qtn"));
    ASSERT_TRUE(shifted.ok);
    ASSERT_EQ(shifted.questions.size(), 2);
    EXPECT_EQ(shifted.questions[1], q(QStringLiteral("Q2?"), QStringLiteral("A2")));

    folder.write(QStringLiteral("one.qtn"), "x");
    EXPECT_TRUE(readQuestionFile(QStringLiteral("one.qtn")).questions.isEmpty());

    struct Refused {
        const char* name;
        QByteArray bytes;
        const char* why;
    } refused[] = {
        {"picture.qtn", QByteArray("GIF89a\x01\x00\x00\x00junk", 14), "NUL"},
        {"unicode.qtn", QByteArray("\xFF\xFEQ\0?\0", 6), "UTF-16"},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.name);
        folder.write(QString::fromLatin1(r.name), r.bytes);
        const ReadResult result = readQuestionFile(QString::fromLatin1(r.name));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QString::fromLatin1(r.why))) << result.error.toStdString();
    }

    QFile big(folder.file(QStringLiteral("big.qtn")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.resize(MostBytes + 1);
    big.close();
    const ReadResult tooBig = readQuestionFile(QStringLiteral("big.qtn"));
    EXPECT_FALSE(tooBig.ok);
    EXPECT_TRUE(tooBig.error.contains(QStringLiteral("MB"))) << tooBig.error.toStdString();

    EXPECT_FALSE(readQuestionFile(QStringLiteral("missing.qtn")).ok);
}

TEST(QuestionFile, AFailedSaveNamesTheReasonAndLeavesNoFile)
{
    TestFolder folder;
    QString error;
    EXPECT_FALSE(saveQuestionFile(QStringLiteral("no/such/folder/a.qtn"), {q(QStringLiteral("Q?"), QStringLiteral("A"))}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(QuestionFile, FindsTheFileWhoseNameDiffersOnlyInCase)
{
    TestFolder folder;
    folder.write(QStringLiteral("Birds.QTN"), "x");
    EXPECT_EQ(QFileInfo(sameNameOtherCase(folder.file(QStringLiteral("birds.qtn")))).fileName(), QStringLiteral("Birds.QTN"));
    // The exact name exists: nothing else to ask about.
    EXPECT_TRUE(sameNameOtherCase(folder.file(QStringLiteral("Birds.QTN"))).isEmpty());
    EXPECT_TRUE(sameNameOtherCase(folder.file(QStringLiteral("fish.qtn"))).isEmpty());
}

} // namespace
