// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/playfolder.h"

#include "support/testfolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray embeddedQuestions()
{
    QFile f{QLatin1String(playfolder::EmbeddedQuestionFile)};
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(PlayFolder, TheDefaultQuestionFileIsEmbedded)
{
    const QByteArray bytes = embeddedQuestions();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_GE(bytes.count('\n'), 5) << "at least one five-line question";
}

TEST(PlayFolder, IsMadeAndSeededOnceAndNeverOverwritten)
{
    TestFolder t;
    const QString folder = t.file(QStringLiteral("home/.local/share/quillora"));
    QString error;
    ASSERT_TRUE(playfolder::prepare(folder, &error)) << error.toStdString();
    const QString questions = folder + QStringLiteral("/Valdra.qtn");
    EXPECT_EQ(t.read(QStringLiteral("home/.local/share/quillora/Valdra.qtn")), embeddedQuestions());
    EXPECT_TRUE(QFileInfo(questions).isWritable()) << "a teacher may edit the copy";

    // The teacher's own questions and the scores stay as they are on every later start.
    t.write(QStringLiteral("home/.local/share/quillora/Valdra.qtn"), "Teacher's question\r\n");
    t.write(QStringLiteral("home/.local/share/quillora/Valdra.scr"), "Ann\r\n 900 \r\n");
    ASSERT_TRUE(playfolder::prepare(folder, &error)) << error.toStdString();
    EXPECT_EQ(t.read(QStringLiteral("home/.local/share/quillora/Valdra.qtn")), "Teacher's question\r\n");
    EXPECT_EQ(t.read(QStringLiteral("home/.local/share/quillora/Valdra.scr")), "Ann\r\n 900 \r\n");
}

TEST(PlayFolder, AFileInAnotherLetterCaseCountsAsTheQuestionFile)
{
    TestFolder t;
    t.write(QStringLiteral("class/valdra.QTN"), "Mine\r\n");
    ASSERT_TRUE(playfolder::prepare(t.file(QStringLiteral("class")), nullptr));
    EXPECT_EQ(QDir(t.file(QStringLiteral("class"))).entryList(QDir::Files), QStringList{QStringLiteral("valdra.QTN")});
}

TEST(PlayFolder, EnterMakesItTheCurrentFolder)
{
    TestFolder t;
    QString error;
    ASSERT_TRUE(playfolder::enter(t.file(QStringLiteral("a/b")), &error)) << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), QFileInfo(t.file(QStringLiteral("a/b"))).canonicalFilePath());
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("Valdra.qtn")));
}

TEST(PlayFolder, FailuresNameTheFolderAndTheReason)
{
    TestFolder t;
    t.write(QStringLiteral("taken"), "a file, not a folder");
    const QString before = QDir::currentPath();
    QString error;
    EXPECT_FALSE(playfolder::enter(t.file(QStringLiteral("taken")), &error));
    EXPECT_TRUE(error.contains(t.file(QStringLiteral("taken")))) << error.toStdString();
    EXPECT_FALSE(playfolder::prepare(t.file(QStringLiteral("taken/inside")), &error));
    EXPECT_TRUE(error.contains(QLatin1String("taken/inside"))) << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), before);
}
