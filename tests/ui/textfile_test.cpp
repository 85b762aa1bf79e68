#include "support/filesizelimit.h"
#include "support/testfolder.h"
#include "ui/textfile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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
