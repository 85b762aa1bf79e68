// SPDX-License-Identifier: GPL-3.0-or-later
// How the reader says it read a text, what its limits leave out, and where it finds a name
// that a list holds.
#include "files/textfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(TextReading, SaysWhichEncodingItChoseAndWhereUtf8Breaks)
{
    struct Case {
        const char* bytes;
        ui::Encoding encoding;
        int notUtf8Line;  // 0: all of it is UTF-8
        uchar notUtf8Byte;
    };
    const Case cases[] = {
        {"plain\r\ntext\r\n", ui::Encoding::Ascii, 0, 0},
        {"Qu\xC3\xA9\x62\x65\x63\n", ui::Encoding::Utf8, 0, 0},
        {"\xEF\xBB\xBFQu\xC3\xA9\x62\x65\x63\n", ui::Encoding::Utf8Bom, 0, 0},
        // A Windows-1252 letter on line 3 makes the whole text Windows-1252.
        {"Qu\xC3\xA9\x62\x65\x63\nok\nTrois-Rivi\xE8res\n", ui::Encoding::Windows1252, 3, 0xE8},
        // A sequence cut short by the end of the text is no UTF-8 either.
        {"one\r\ntwo\xC3", ui::Encoding::Windows1252, 2, 0xC3},
    };
    for (const Case& c : cases) {
        const ui::TextFile f = ui::readTextBytes(QByteArray(c.bytes));
        EXPECT_EQ(f.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(f.firstNotUtf8Line, c.notUtf8Line) << c.bytes;
        EXPECT_EQ(f.firstNotUtf8Byte, c.notUtf8Byte) << c.bytes;
        // The text is what the game's decoding gives, line for line.
        EXPECT_EQ(f.lines.join(QLatin1Char('\n')),
                  ui::decodeText(QByteArray(c.bytes)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed())
            << c.bytes;
    }
    const ui::TextFile endings = ui::readTextBytes("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(endings.crlf, 2);
    EXPECT_EQ(endings.lf, 1);
    EXPECT_EQ(endings.cr, 1);
    const ui::TextFile junk = ui::readTextBytes(QByteArray("a\0b\0c\0", 6));
    EXPECT_TRUE(junk.utf16);
    EXPECT_EQ(junk.firstNulLine, 1);
}

TEST(TextReading, LimitsKeepWhatIsUsedAndCountTheRest)
{
    // The encoding is decided on the lines kept: a Windows-1252 byte beyond them changes nothing.
    const QByteArray bytes = "Qu\xC3\xA9\x62\x65\x63\r\nB\r\n\r\n  \r\nRivi\xE8re\r\nlast";
    const ui::TextFile f = ui::readTextBytes(bytes, {2, -1});
    EXPECT_EQ(f.lines, (QStringList{QString::fromUtf8("Québec"), QStringLiteral("B")}));
    EXPECT_EQ(f.encoding, ui::Encoding::Utf8);
    EXPECT_EQ(f.linesLeftOut, 4);
    EXPECT_FALSE(f.leftOutAllBlank);
    EXPECT_FALSE(f.bytesLeftUnread);
    EXPECT_EQ(f.size, bytes.size());

    const ui::TextFile blanks = ui::readTextBytes("a\nb\n\n \n", {2, -1});
    EXPECT_EQ(blanks.linesLeftOut, 2);
    EXPECT_TRUE(blanks.leftOutAllBlank);

    // A byte limit in the middle of a UTF-8 letter cuts before the letter, not through it.
    const ui::TextFile cut = ui::readTextBytes("Qu\xC3\xA9\x62\x65\x63", {-1, 3});
    EXPECT_TRUE(cut.bytesLeftUnread);
    EXPECT_EQ(cut.lines, QStringList{QStringLiteral("Qu")});
    EXPECT_EQ(cut.encoding, ui::Encoding::Ascii);
}

TEST(TextReading, AHugeFileIsReadOnlyAsFarAsTheLimit)
{
    TestFolder folder;
    QByteArray big(8 << 20, 'x');
    for (qsizetype i = 100; i < big.size(); i += 100)
        big[i] = '\n';
    folder.write(QStringLiteral("big.qtn"), big);
    const ui::TextFile f = ui::readTextFile(QStringLiteral("big.qtn"), {500, 1 << 20});
    EXPECT_EQ(f.lines.size(), 500);
    EXPECT_TRUE(f.bytesLeftUnread);
    EXPECT_EQ(f.size, big.size());
    EXPECT_LT(f.linesLeftOut, (1 << 20) / 100);
}

TEST(TextReading, NamesInAListAreFoundInThePlayFolderFirstThenBesideTheList)
{
    TestFolder play;
    QDir(play.path()).mkpath(QStringLiteral("teacher/Pics"));
    play.write(QStringLiteral("teacher/Pics/bluenose.png"), "x");
    play.write(QStringLiteral("teacher/atlantic.lst"), "x");
    const QString list = QStringLiteral("teacher/atlantic.lst");

    // Beside the list, Windows folders and any case.
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("pics\\BlueNose.png"), list),
              QDir(play.file(QStringLiteral("teacher"))).filePath(QStringLiteral("Pics/bluenose.png")));
    // Nowhere: the play folder's reading, as before.
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("pics/gone.png"), list), QStringLiteral("pics/gone.png"));
    // In the play folder too: the play folder's one wins.
    QDir(play.path()).mkpath(QStringLiteral("pics"));
    play.write(QStringLiteral("pics/bluenose.png"), "y");
    EXPECT_EQ(ui::resolveFileName(QStringLiteral("pics/bluenose.png"), list), QStringLiteral("pics/bluenose.png"));
}

} // namespace
