// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/filesizelimit.h"
#include "support/testfolder.h"
#include "files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(TextFile, WritesWindows1252WhenItFitsAndUtf8OtherwiseAndReadsBoth)
{
    TestFolder folder;
    const QString accented = QString::fromUtf8("Québec – Trois-Rivières €");
    const QString beyond = QString::fromUtf8("Iqaluit ᐃᖃᓗᐃᑦ");
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("a.txt"), {accented, QString(), beyond.left(7)}));
    EXPECT_EQ(folder.read(QStringLiteral("a.txt")), QByteArray("Qu\xE9\x62\x65\x63 \x96 Trois-Rivi\xE8res \x80\r\n\r\nIqaluit\r\n"));

    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("b.txt"), {accented, beyond}));
    EXPECT_EQ(folder.read(QStringLiteral("b.txt")), (accented + "\r\n" + beyond + "\r\n").toUtf8());

    for (const char* name : {"a.txt", "b.txt"}) {
        const ui::TextFile f = ui::readTextFile(QString::fromLatin1(name));
        ASSERT_TRUE(f.opened);
        EXPECT_EQ(f.lines.front(), accented) << name;
    }
}

TEST(TextFile, LineEndingsAndMissingFiles)
{
    TestFolder folder;
    folder.write(QStringLiteral("mixed.txt"), QByteArray("one\r\ntwo\nthree\rfour"));
    EXPECT_EQ(ui::readTextFile(QStringLiteral("mixed.txt")).lines,
              QStringList({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("four")}));
    EXPECT_FALSE(ui::readTextFile(QStringLiteral("missing.txt")).opened);
    EXPECT_FALSE(ui::readTextFile(QString()).opened);
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole)
{
    TestFolder folder;
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("keep.txt"), {QStringLiteral("old")}));
    // A file in a folder that does not exist cannot be written.
    EXPECT_FALSE(ui::writeTextFile(QStringLiteral("no/such/folder/keep.txt"), {QStringLiteral("new")}));
    EXPECT_EQ(folder.read(QStringLiteral("keep.txt")), QByteArray("old\r\n"));
}

// A full disk may take part of a write without reporting it: the old file must not be
// replaced by what did fit.
TEST(TextFile, AWriteCutShortLeavesTheOldFileWholeAndSaysWhy)
{
    TestFolder folder;
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("keep.txt"), {QStringLiteral("old")}));
    QString error;
    bool written = true;
    {
        const FileSizeLimit diskFull(8);
        written = ui::writeTextFile(QStringLiteral("keep.txt"), {QStringLiteral("a line longer than the limit")}, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("keep.txt")), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"keep.txt"}));
}

TEST(TextFile, WindowsNamesResolveWithoutRegardToCase)
{
    TestFolder folder;
    folder.write(QStringLiteral("C:/Pics/Lily.GIF"), QByteArray("x"));
    folder.write(QStringLiteral("Valdra.ini"), QByteArray("x"));
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("C:\\Pics\\lily.gif")), QStringLiteral("C:/Pics/Lily.GIF"));
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("c:\\PICS\\Lily.GIF")), QStringLiteral("C:/Pics/Lily.GIF"));
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("valdra.ini")), QStringLiteral("Valdra.ini"));
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("C:\\Pics\\none.gif")), QStringLiteral("C:/Pics/none.gif"));
    EXPECT_EQ(ui::resolveFileName(folder.file(QStringLiteral("VALDRA.INI"))), folder.file(QStringLiteral("Valdra.ini")));
}

} // namespace

// A child process whose files may grow to `limit` bytes, as on a nearly full disk, tries to
// replace keep.txt; the parent sees what it left. Exit 0: the save failed and said why.
namespace {

int saveWithFileSizeLimit(rlim_t limit, const QStringList& lines)
{
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        setrlimit(RLIMIT_FSIZE, &small);
        QString error;
        const bool saved = ui::writeTextFile(QStringLiteral("keep.txt"), lines, &error);
        _exit(saved ? 1 : error.isEmpty() ? 2 : 0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

} // namespace

TEST(TextFile, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    TestFolder folder;
    const QStringList old{QStringLiteral("Old name"), QStringLiteral(" 900 ")};
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("keep.txt"), old));
    const QByteArray before = folder.read(QStringLiteral("keep.txt"));
    const QStringList longer{QStringLiteral("A much longer name than the limit allows"), QStringLiteral(" 1200 ")};
    for (rlim_t limit : {rlim_t(0), rlim_t(5)}) {
        EXPECT_EQ(saveWithFileSizeLimit(limit, longer), 0) << "limit " << limit;
        EXPECT_EQ(folder.read(QStringLiteral("keep.txt")), before) << "limit " << limit;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("keep.txt")});
    }
}

TEST(TextFile, ValidityOfUtf8IsDecidedOnTheWholeText)
{
    // Bytes that are not whole UTF-8 read as Windows-1252, wherever the fault stands.
    struct Case { QByteArray bytes; QString text; } cases[] = {
        {"Lom\xE9", QString::fromUtf8("Lomé")},                       // unfinished at the very end
        {"Ville\r\nLom\xE9", QString::fromUtf8("Ville\r\nLomé")},
        {"caf\xC3", QString::fromUtf8("cafÃ")},
        {"\xE2\x82", QString::fromUtf8("â‚")},                        // two of three bytes
        {"\xF0\x9F\x98", QString::fromUtf8("ðŸ˜")},                   // three of four
        {"\xC0\xAF", QString::fromUtf8("À¯")},                         // overlong
        {"\xED\xA0\x80", QString::fromUtf8("í\u00A0€")},               // a surrogate
        {"\xF4\x90\x80\x80", QString::fromUtf8("ô\u0090€€")},          // beyond U+10FFFF
        {"Lom\xC3\xA9", QString::fromUtf8("Lomé")},                    // whole: UTF-8
        {"\xF0\x9F\x98\x80", QString::fromUtf8("😀")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::decodeText(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

TEST(TextFile, WhatIsWrittenReadsBackAsWritten)
{
    TestFolder folder;
    // Each line alone makes the file: the whole text decides the encoding.
    const QString lines[] = {
        QString::fromUtf8("Ã‰ric"),          // its Windows-1252 bytes are valid UTF-8
        QString::fromUtf8("Ã©tÃ©"),
        QString::fromUtf8("ï»¿Lomé"),          // its Windows-1252 bytes begin like a BOM
        QChar(0xFEFF) + QString::fromUtf8("Iqaluit ᐃᖃᓗᐃᑦ"),  // begins with the BOM character
        QChar(0xFEFF) + QString::fromUtf8("Lomé"),
        QString::fromUtf8("Trois-Rivières"),
        QString::fromUtf8("Lomé"),
    };
    for (const QString& line : lines) {
        ASSERT_TRUE(ui::writeTextFile(QStringLiteral("round.txt"), {line, QStringLiteral("next")}));
        EXPECT_EQ(ui::readTextFile(QStringLiteral("round.txt")).lines, QStringList({line, QStringLiteral("next")}));
    }
    // Windows-1252 stays the choice where it reads back unchanged.
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("round.txt"), {QString::fromUtf8("Lomé")}));
    EXPECT_EQ(folder.read(QStringLiteral("round.txt")), QByteArray("Lom\xE9\r\n"));
}

TEST(TextFile, ALineBreakInsideALineCannotShiftTheLinesAfterIt)
{
    TestFolder folder;
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("list.txt"), {QStringLiteral("Ann\r\nBob"), QStringLiteral(" 900 ")}));
    EXPECT_EQ(ui::readTextFile(QStringLiteral("list.txt")).lines,
              QStringList({QStringLiteral("Ann  Bob"), QStringLiteral(" 900 ")}));
}

TEST(TextFile, ASaveRemovesOnlyItsOwnStaleTemporaryFiles)
{
    TestFolder folder;
    // The pid of a process that has ended.
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    waitpid(ended, nullptr, 0);
    const QString ours = ui::temporaryPrefix(QStringLiteral("Valdra.scr"));
    ASSERT_TRUE(ours.startsWith(QStringLiteral(".Valdra.scr.quillora-save-")));
    const QString stale = ours + QStringLiteral("%1-a1B2c3").arg(ended);
    const QString elsewhere = ours.startsWith(QStringLiteral(".Valdra.scr.quillora-save-00000000-"))
        ? QStringLiteral(".Valdra.scr.quillora-save-11111111-") : QStringLiteral(".Valdra.scr.quillora-save-00000000-");
    const QStringList others{
        ours + QStringLiteral("1-a1B2c3"),                                      // a save still running
        elsewhere + QStringLiteral("%1-a1B2c3").arg(ended),                     // another machine's
        ui::temporaryPrefix(QStringLiteral("Other.scr")) + QStringLiteral("%1-a1B2c3").arg(ended), // another file's
        stale + QStringLiteral(".keep"),                                        // not our pattern
        QStringLiteral("Valdra.scr.a1B2c3"),
        QStringLiteral("Valdra.scr.backup"),
    };
    folder.write(stale, "half");
    for (const QString& name : others)
        folder.write(name, "teacher's");
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("Valdra.scr"), {QStringLiteral("Ann"), QStringLiteral(" 5 ")}));
    QStringList expected = others;
    expected << QStringLiteral("Valdra.scr");
    expected.sort();
    QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, expected);
}

TEST(TextFile, ASaveKeepsTheFilesPermissionsAndItsLink)
{
    TestFolder folder;
    folder.write(QStringLiteral("lists/Valdra.scr"), "old\r\n");
    ASSERT_TRUE(QFile::setPermissions(folder.file(QStringLiteral("lists/Valdra.scr")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(QStringLiteral("lists/Valdra.scr"), folder.file(QStringLiteral("Valdra.scr"))));
    ASSERT_TRUE(ui::writeTextFile(QStringLiteral("Valdra.scr"), {QStringLiteral("new")}));
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("Valdra.scr"))).isSymLink());
    EXPECT_EQ(folder.read(QStringLiteral("lists/Valdra.scr")), QByteArray("new\r\n"));
    const QFile::Permissions modeBits(0x7077);  // owner, group and others; not "user"
    EXPECT_EQ(QFile::permissions(folder.file(QStringLiteral("lists/Valdra.scr"))) & modeBits,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(QDir(folder.file(QStringLiteral("lists"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TextFile, AConditionalWriteReplacesOnlyAFileStillCurrentAndGivesBackWhatItReplaced)
{
    TestFolder folder;
    folder.write(QStringLiteral("Valdra.scr"), "Ann\r\n 500 \r\n");
    // Changed at the last moment: nothing replaced, no temporary left.
    EXPECT_EQ(ui::writeTextFileIf(QStringLiteral("Valdra.scr"), {QStringLiteral("Bob")}, [] { return false; }),
              ui::Replaced::NotCurrent);
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr")), QByteArray("Ann\r\n 500 \r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Valdra.scr")});

    std::optional<QByteArray> replaced;
    EXPECT_EQ(ui::writeTextFileIf(QStringLiteral("Valdra.scr"), {QStringLiteral("Bob")}, [] { return true; }, nullptr,
                                  &replaced),
              ui::Replaced::Yes);
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr")), QByteArray("Bob\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Valdra.scr")});
    // A file system that swaps names gives back the old file whole; others say nothing.
    if (replaced)
        EXPECT_EQ(*replaced, QByteArray("Ann\r\n 500 \r\n"));
    // No old file: nothing to give back.
    EXPECT_EQ(ui::writeTextFileIf(QStringLiteral("New.scr"), {QStringLiteral("Cy")}, [] { return true; }, nullptr,
                                  &replaced),
              ui::Replaced::Yes);
    EXPECT_FALSE(replaced.has_value());
}
