// SPDX-License-Identifier: GPL-3.0-or-later
// The quillora-check command line: what it prints and the exit status for each outcome.
#include "checker/run.h"
#include "support/testfolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using checker::run;

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome check(const QStringList& arguments)
{
    Outcome o;
    QTextStream out(&o.out), err(&o.err);
    o.status = run(arguments, out, err);
    return o;
}

class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeLines(QStringLiteral("good.qtn"), {QStringLiteral("What is the capital of Yukon?"),
            QStringLiteral("Whitehorse"), QStringLiteral("Dawson"), QStringLiteral("Faro"), QStringLiteral("Mayo")});
        folder.writeLines(QStringLiteral("short.qtn"), {QStringLiteral("Why?"), QStringLiteral("Because"),
            QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("What is the capital of Nunavut?"),
            QStringLiteral("Iqaluit"), QStringLiteral("Arviat"), QStringLiteral("Igloolik"), QStringLiteral("Alert")});
    }
    TestFolder folder;
};

TEST_F(CheckCommand, ExitStatusForEachOutcome)
{
    EXPECT_EQ(check({QStringLiteral("good.qtn")}).status, 0);
    EXPECT_EQ(check({QStringLiteral("good.qtn"), QStringLiteral("short.qtn")}).status, 1);
    // A file that cannot be read outweighs the problems of the others.
    EXPECT_EQ(check({QStringLiteral("short.qtn"), QStringLiteral("gone.qtn")}).status, 2);
    EXPECT_EQ(check({QStringLiteral("--frobnicate"), QStringLiteral("good.qtn")}).status, 2);
    EXPECT_EQ(check({}).status, 2);
    // A warning alone does not change what the game does.
    folder.write(QStringLiteral("trailing.qtn"), "What is the capital of Yukon?\r\nWhitehorse\r\nA\r\nB\r\nC\r\n\r\n");
    EXPECT_EQ(check({QStringLiteral("trailing.qtn")}).status, 0);
}

TEST_F(CheckCommand, PrintsFileLineProblemThenASummary)
{
    const Outcome o = check({QStringLiteral("short.qtn"), QStringLiteral("good.qtn")});
    const QStringList lines = o.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << o.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("short.qtn: note: read as ASCII"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("short.qtn:1: the question \"Why?\" has fewer than 5 characters")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("good.qtn: note: ")));
    EXPECT_EQ(lines[3], QStringLiteral("2 files checked: 1 problem, 0 warnings."));

    EXPECT_EQ(check({QStringLiteral("good.qtn")}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(),
        QStringLiteral("1 file checked: no problems."));
    EXPECT_TRUE(check({QStringLiteral("gone.qtn")}).out.contains(QStringLiteral("gone.qtn: cannot be read: no such file")));
    // Links that lead round in a loop are named as such; one that leads nowhere names no file.
    ASSERT_EQ(::symlink("loop-b.qtn", QFile::encodeName(folder.file(QStringLiteral("loop-a.qtn"))).constData()), 0);
    ASSERT_EQ(::symlink("loop-a.qtn", QFile::encodeName(folder.file(QStringLiteral("loop-b.qtn"))).constData()), 0);
    ASSERT_EQ(::symlink("nowhere.qtn", QFile::encodeName(folder.file(QStringLiteral("dangling.qtn"))).constData()), 0);
    const Outcome links = check({QStringLiteral("loop-a.qtn"), QStringLiteral("dangling.qtn")});
    EXPECT_TRUE(links.out.contains(QStringLiteral("loop-a.qtn: cannot be read: its symbolic links lead round in a loop")))
        << links.out.toStdString();
    EXPECT_TRUE(links.out.contains(QStringLiteral("dangling.qtn: cannot be read: no such file")));
    EXPECT_EQ(links.status, 2);
}

TEST_F(CheckCommand, QuietShowsTheProblemsOnly)
{
    EXPECT_EQ(check({QStringLiteral("--quiet"), QStringLiteral("short.qtn"), QStringLiteral("good.qtn")}).out,
        QStringLiteral("short.qtn:1: the question \"Why?\" has fewer than 5 characters: the game never asks it\n"));
    EXPECT_TRUE(check({QStringLiteral("--quiet"), QStringLiteral("good.qtn")}).out.isEmpty());
}

TEST_F(CheckCommand, HelpShowsUsageAndSucceeds)
{
    const Outcome o = check({QStringLiteral("--help")});
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.out.startsWith(QStringLiteral("Usage: quillora-check [--quiet] FILE|FOLDER...")));
}

TEST_F(CheckCommand, AFolderStandsForItsQuestionFilesListsAndSettingsFile)
{
    folder.write(QStringLiteral("sub/ONE.QTN"), "x");
    folder.write(QStringLiteral("sub/two.Dat"), "x");
    folder.write(QStringLiteral("sub/three.lst"), "x");
    folder.write(QStringLiteral("sub/Valdra.INI"), "x");
    folder.write(QStringLiteral("sub/other.ini"), "x");
    folder.write(QStringLiteral("sub/notes.txt"), "x");
    EXPECT_EQ(checker::filesInFolder(QStringLiteral("sub")),
        (QStringList{QStringLiteral("sub/ONE.QTN"), QStringLiteral("sub/three.lst"), QStringLiteral("sub/two.Dat"),
            QStringLiteral("sub/Valdra.INI")}));
    // Names in a file are looked up from its own folder, as the game looks them up from its
    // start folder.
    folder.write(QStringLiteral("sub/valdra.ini"), "Quiz: ONE.QTN\r\n");
    const Outcome o = check({QStringLiteral("--quiet"), QStringLiteral("sub/valdra.ini")});
    EXPECT_FALSE(o.out.contains(QStringLiteral("does not exist"))) << o.out.toStdString();
}

TEST_F(CheckCommand, AFileWhoseNameIsNotValidInTheSystemsEncodingIsListedAndSaysWhy)
{
    ::mkdir("sub", 0755);
    const int fd = ::open("sub/bad\xff\xfe.qtn", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const Outcome o = check({QStringLiteral("--quiet"), QStringLiteral("sub")});
    ::unlink("sub/bad\xff\xfe.qtn");  // the temporary folder could not remove it
    EXPECT_EQ(o.status, checker::Unreadable);
    EXPECT_EQ(o.out, QStringLiteral("sub/bad\\xFF\\xFE.qtn: cannot be read: its name is not valid in this system's "
                                    "encoding\n"));
}

} // namespace
