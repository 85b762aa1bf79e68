// Writing the settings file: the lines, the numbers in the boxes, and which file is replaced.
#include "config/settingsfile.h"
#include "config/settingswriter.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace settingsfile;

namespace {

GameSettings allNine()
{
    GameSettings s;
    s.QuizFile = QStringLiteral("Canada.qtn");
    s.PicListFile = QStringLiteral("Birds.lst");
    s.QuizPicFile = QStringLiteral("C:\\Pictures\\lake.bmp");
    s.GameWidth = QStringLiteral("12000");
    s.GameHeight = QStringLiteral("9000");
    s.QuizTop = QStringLiteral("5100");
    s.QuizLeft = QStringLiteral("-90");
    s.TimeOption = QStringLiteral("5");
    s.DoorOption = QStringLiteral("6");
    return s;
}

TEST(SettingsLines, NineLinesInTheWrittenOrder)
{
    EXPECT_EQ(settingsLines(allNine()),
              QStringList({"Quiz: Canada.qtn", "PicList: Birds.lst", "QuizPic: C:\\Pictures\\lake.bmp",
                           "Gamewidth: 12000", "Gameheight: 9000", "Quiztop: 5100", "Quizleft: -90",
                           "Dooroption: 6", "Timeoption: 5"}));
}

TEST(SettingsLines, AnEmptySettingWritesNoLine)
{
    GameSettings s = allNine();
    s.PicListFile.clear();
    s.QuizPicFile.clear();
    s.GameHeight.clear();
    s.TimeOption.clear();
    EXPECT_EQ(settingsLines(s), QStringList({"Quiz: Canada.qtn", "Gamewidth: 12000", "Quiztop: 5100",
                                             "Quizleft: -90", "Dooroption: 6"}));
    EXPECT_TRUE(settingsLines(GameSettings()).isEmpty());
    // A blank is not empty: it is written as typed, and the reader takes it as no value.
    s = GameSettings();
    s.QuizTop = QStringLiteral(" ");
    EXPECT_EQ(settingsLines(s), QStringList({"Quiztop:  "}));
}

TEST(SettingsLines, TheReaderFindsEveryWrittenLineUnderItsOwnKey)
{
    const GameSettings s = allNine();
    const std::pair<Key, QString> expected[] = {
        {Key::Quiz, s.QuizFile},       {Key::PicList, s.PicListFile}, {Key::QuizPic, s.QuizPicFile},
        {Key::GameWidth, s.GameWidth}, {Key::GameHeight, s.GameHeight}, {Key::QuizTop, s.QuizTop},
        {Key::QuizLeft, s.QuizLeft},   {Key::DoorOption, s.DoorOption}, {Key::TimeOption, s.TimeOption},
    };
    const QStringList lines = settingsLines(s);
    ASSERT_EQ(lines.size(), 9);
    for (int i = 0; i < 9; ++i) {
        const SettingLine read = classifyLine(lines[i]);
        EXPECT_EQ(read.key, expected[i].first) << lines[i].toStdString();
        EXPECT_EQ(read.value, expected[i].second) << lines[i].toStdString();
    }
}

TEST(NumberText, ShortestDecimalWithoutExponentOrPoint)
{
    EXPECT_EQ(numberText(180.0f / 60.0f), QStringLiteral("3"));
    EXPECT_EQ(numberText(600.0f / 60.0f), QStringLiteral("10"));
    EXPECT_EQ(numberText(100.0f / 60.0f), QStringLiteral("1.6666666"));
    EXPECT_EQ(numberText(12000), QStringLiteral("12000"));
    EXPECT_EQ(numberText(-90), QStringLiteral("-90"));
    EXPECT_EQ(numberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(numberText(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(numberText(0.0f), QStringLiteral("0"));
}

// The file replaced is the one the reader reads, whatever the case of its name; a new file is
// "Valdra.ini".
TEST(SettingsFilePath, ReplacesTheFileTheReaderReads)
{
    struct Case {
        QStringList existing;
        const char* written;
    } cases[] = {
        {{}, "Valdra.ini"},
        {{"valdra.ini"}, "valdra.ini"},
        {{"VALDRA.INI"}, "VALDRA.INI"},
        {{"Valdra.ini"}, "Valdra.ini"},
        {{"Valdra.ini", "valdra.ini"}, "valdra.ini"},
        {{"valdra.ini.bak", "old-valdra.ini"}, "Valdra.ini"},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        for (const QString& name : c.existing)
            folder.write(name, "Timeoption: 5\r\n");
        EXPECT_EQ(settingsFilePath(folder.path()), QDir(folder.path()).filePath(QString::fromLatin1(c.written)))
            << c.existing.join(QLatin1Char(',')).toStdString();
    }
}

} // namespace
