// Writing the settings file: its lines, the numbers in the editor's boxes, the file replaced.
#include "config/settingswriter.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace settingsfile;

namespace {

TEST(SettingsWriter, LinesInTheWrittenOrderWithEmptySettingsLeftOut)
{
    GameSettings s{"Canada.qtn", "Birds.lst", "C:\\Pictures\\lake.bmp", "12000", "9000", "5100", "-90", "5", "6"};
    EXPECT_EQ(settingsLines(s), QStringList({"Quiz: Canada.qtn", "PicList: Birds.lst", "QuizPic: C:\\Pictures\\lake.bmp",
                                             "Gamewidth: 12000", "Gameheight: 9000", "Quiztop: 5100",
                                             "Quizleft: -90", "Dooroption: 6", "Timeoption: 5"}));
    s.PicListFile.clear();
    s.GameHeight.clear();
    s.TimeOption.clear();
    EXPECT_EQ(settingsLines(s), QStringList({"Quiz: Canada.qtn", "QuizPic: C:\\Pictures\\lake.bmp", "Gamewidth: 12000",
                                             "Quiztop: 5100", "Quizleft: -90", "Dooroption: 6"}));
    EXPECT_TRUE(settingsLines(GameSettings()).isEmpty());
}

TEST(SettingsWriter, NumbersAsTheirShortestDecimalText)
{
    EXPECT_EQ(numberText(180.0f / 60.0f), QStringLiteral("3"));
    EXPECT_EQ(numberText(100.0f / 60.0f), QStringLiteral("1.6666666"));  // single precision's own
    EXPECT_EQ(numberText(12000), QStringLiteral("12000"));
    EXPECT_EQ(numberText(1e20), QStringLiteral("100000000000000000000"));
}

// The file replaced is the one the reader reads, whatever the case of its name; a new file is
// "Valdra.ini".
TEST(SettingsWriter, ReplacesTheFileTheReaderReads)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "Valdra.ini"},
        {{"valdra.ini"}, "valdra.ini"},
        {{"VALDRA.INI"}, "VALDRA.INI"},
        {{"Valdra.ini", "valdra.ini"}, "valdra.ini"},
        {{"valdra.ini.bak"}, "Valdra.ini"},
    };
    for (const auto& [existing, written] : cases) {
        TestFolder folder;
        for (const QString& name : existing)
            folder.write(name, "Timeoption: 5\r\n");
        EXPECT_EQ(settingsFilePath(folder.path()), QDir(folder.path()).filePath(QString::fromLatin1(written)))
            << existing.join(QLatin1Char(',')).toStdString();
    }
}

} // namespace

TEST(SettingsWriter, TellsTheFirstLineTheGameDoesNotRead)
{
    struct Case {
        QStringList lines;
        const char* unread;
    } cases[] = {
        {{"Quiz: Birds.qtn", "", "Timeoption: 3", "Gamewidth: 12000"}, ""},
        {{"Quiz: Birds.qtn", "# for class 5b", "Timeoption: 3"}, "line 2: \"# for class 5b\""},
        {{"Timeoption: 99999999"}, "line 1: \"Timeoption: 99999999\""},
        {{"Gamewidth: -5"}, "line 1: \"Gamewidth: -5\""},
        {{"Timeoption: 7", "Dooroption: 6"}, ""},  // not a length we offer, but read and passed over
    };
    for (const Case& c : cases)
        EXPECT_EQ(settingsfile::unreadLine(c.lines), QString::fromLatin1(c.unread)) << c.lines.join(QLatin1Char('|')).toStdString();
}
