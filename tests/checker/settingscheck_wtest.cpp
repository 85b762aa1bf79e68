// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file checker, each case on a small valdra.ini written here.
#include "checker/settingscheck.h"
#include "findings.h"
#include "support/gamefixture.h"

#include <QImage>

namespace {

using namespace checkertest;
using checker::checkSettingsFile;

class SettingsCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        picture.save(folder.file(QStringLiteral("parchment.bmp")), "BMP");
        folder.writeLines(QStringLiteral("Birds.qtn"), {QStringLiteral("What is it?")});
        folder.writeLines(QStringLiteral("birds.lst"), {QStringLiteral("Ontario; parchment.bmp")});
        // What a PicList line holding "quiz:" names instead of the list.
        folder.writeLines(QStringLiteral("quiz:birds.lst"), {QStringLiteral("Ontario; parchment.bmp")});
    }
    FileReport check(const QStringList& lines)
    {
        folder.writeLines(QStringLiteral("valdra.ini"), lines);
        return checkSettingsFile(QStringLiteral("valdra.ini"));
    }
    TestFolder folder;
};

TEST_F(SettingsCheck, ACleanFileGetsNoComplaintAndSaysWhatEachLineSets)
{
    const FileReport report = check({QStringLiteral("Quiz: Birds.qtn"), QStringLiteral("PicList: birds.lst"),
        QStringLiteral("QuizPic: parchment.bmp"), QStringLiteral("Gamewidth: 12000"), QStringLiteral("Gameheight: 9000"),
        QStringLiteral("Quiztop: 5100"), QStringLiteral("Quizleft: 90"), QStringLiteral("timeoption: 5"),
        QStringLiteral("Dooroption: 6"), QString()});
    EXPECT_TRUE(complaints(report).isEmpty()) << complaints(report).join(QLatin1Char('\n')).toStdString();
    QStringList notes;
    for (const checker::Finding& f : report.of(Severity::Note))
        notes << QStringLiteral("%1: %2").arg(f.line).arg(f.text);
    const QStringList expected = {
        QStringLiteral("1: Quiz: the game loads the question file \"Birds.qtn\""),
        QStringLiteral("4: Gamewidth: the window is 12000 twips wide"),
        QStringLiteral("8: Timeoption: a game lasts 5 minutes (300 seconds)"),
        QStringLiteral("9: Dooroption: a game has 6 symbols"),
        QStringLiteral("0: the game starts with the question file \"Birds.qtn\", the symbol list \"birds.lst\", a game of "
                       "5 minutes and 6 symbols"),
    };
    for (const QString& e : expected)
        EXPECT_TRUE(notes.contains(e)) << e.toStdString() << "\nin:\n" << notes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(SettingsCheck, AWidthWithAThousandsSeparatorIsNamedWithWhatTheGameMakesOfIt)
{
    const QStringList all = complaints(check({QStringLiteral("Gamewidth: 12,000")}));
    ASSERT_EQ(all.size(), 2) << all.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(all.filter(QStringLiteral("\"12,000\" is read as 12")).size() == 1);
    EXPECT_TRUE(all.filter(QStringLiteral("the game makes it 9600")).size() == 1);
}

class SettingsCheckLines : public SettingsCheck, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(SettingsCheckLines, NamesTheProblemOnItsLine)
{
    const LinesCase& c = GetParam();
    EXPECT_TRUE(onlyComplaint(check(c.lines), c.line, c.severity, QString::fromUtf8(c.words)));
}

INSTANTIATE_TEST_SUITE_P(Problems, SettingsCheckLines, ::testing::Values(
    LinesCase{"GameLengthNotOffered", {QStringLiteral("Timeoption: 5"), QStringLiteral("Timeoption: 2")}, 2, Severity::Problem,
        "\"2\" is not a game length the game offers (1, 3, 5 or 10 minutes): the game length stays 5 minutes"},
    LinesCase{"SymbolCountNotOffered", {QStringLiteral("Dooroption: 7")}, 1, Severity::Problem, "it stays 12"},
    LinesCase{"ReadingStopsOnAnOverflow", {QStringLiteral("PicList: birds.lst"), QStringLiteral("Timeoption: 1000"),
        QStringLiteral("Dooroption: 6"), QStringLiteral("no key here"), QStringLiteral("Quiz: Birds.qtn")}, 2, Severity::Problem,
        "\"1000\" minutes is more than the game can count: the game stops reading the settings here, so it loses "
        "Dooroption (line 3), Quiz (line 5); the symbol list \"birds.lst\" is loaded only when the first game starts"},
    LinesCase{"ReadingStopsOnAMissingPicture", {QStringLiteral("QuizPic: gone.jpg"), QStringLiteral("Dooroption: 6")}, 1,
        Severity::Problem, "the picture \"gone.jpg\" does not exist: the game stops reading the settings here, so it "
        "loses Dooroption (line 2)"},
    LinesCase{"ReadingStopsOnAWindowSizeRefused", {QStringLiteral("Gamewidth: -5")}, 1, Severity::Problem,
        "not a window width the window system takes: the game stops reading"},
    LinesCase{"QuestionFileMissing", {QStringLiteral("Quiz: Bird.qtn")}, 1, Severity::Problem,
        "the question file \"Bird.qtn\" does not exist"},
    LinesCase{"QuestionFileWithBlanksAtTheEnd", {QStringLiteral("Quiz: Birds.qtn  ")}, 1, Severity::Problem,
        "(the blanks at the end of the name count)"},
    LinesCase{"SymbolListMissing", {QStringLiteral("PicList: fish.lst")}, 1, Severity::Problem,
        "the symbol list \"fish.lst\" does not exist"},
    LinesCase{"KeyMisspelt", {QStringLiteral("Tmeoption: 5")}, 1, Severity::Problem, "did you mean \"Timeoption:\"?"},
    LinesCase{"LineWithoutAKey", {QStringLiteral("my settings")}, 1, Severity::Warning, "the game ignores this line"},
    LinesCase{"AnotherKeyFoundFirst", {QStringLiteral("PicList: quiz:birds.lst")}, 1, Severity::Problem,
        "starts with \"PicList:\" but also holds \"QUIZ:\""},
    LinesCase{"WindowBelowItsSmallest", {QStringLiteral("Gameheight: 6000")}, 1, Severity::Warning, "the game makes it 7200"},
    LinesCase{"PlaceWithASeparator", {QStringLiteral("Quiztop: 5,100")}, 1, Severity::Problem,
        "\"5,100\" is read as 5: the game takes only the number at its start; write it without separators (5100)"},
    LinesCase{"KeyGivenTwice", {QStringLiteral("Dooroption: 6"), QStringLiteral("Dooroption: 12")}, 2, Severity::Warning,
        "replaces line 1"}),
    [](const auto& info) { return std::string(info.param.name); });

// The checker's account of start-up is the game's: the same values, and a stop exactly where
// the game's reading stops (then no symbol list is loaded at start-up).
class SettingsCheckAgainstTheGame : public GameFixture, public ::testing::WithParamInterface<QStringList> {};

TEST_P(SettingsCheckAgainstTheGame, StartUpTakesWhatTheCheckerSays)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(folder.file(QStringLiteral("pic.bmp")), "BMP");
    folder.writeLines(QStringLiteral("mine.lst"), {QStringLiteral("Ontario; pic.bmp")});
    folder.writeLines(QStringLiteral("valdra.ini"), GetParam());
    checker::SettingsVerdict verdict;
    checkSettingsFile(QStringLiteral("valdra.ini"), &verdict);
    start();
    using namespace modValdra;
    EXPECT_EQ(QuizFile, verdict.quizFile);
    EXPECT_EQ(PicListFile, verdict.picListFile);
    EXPECT_EQ(GameSeconds, verdict.gameSeconds);
    EXPECT_EQ(SymbolCount, verdict.symbolCount);
    EXPECT_EQ(SymbolSetChoice == 26, verdict.stopLine == 0 && !verdict.picListFile.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsCheckAgainstTheGame, ::testing::Values(
    QStringList{QStringLiteral("Quiz: a.qtn"), QStringLiteral("PicList: mine.lst"), QStringLiteral("Timeoption: 10"),
        QStringLiteral("Dooroption: 6.5")},
    QStringList{QStringLiteral("PicList: mine.lst"), QStringLiteral("Timeoption: 1"), QStringLiteral("Dooroption: 1e9"),
        QStringLiteral("Timeoption: 5")},
    QStringList{QStringLiteral("PicList: mine.lst"), QStringLiteral("QuizPic: none.gif"), QStringLiteral("Quiz: b.qtn")},
    QStringList{QStringLiteral("timeoption: 2.9999"), QStringLiteral("PICLIST: mine.lst"), QStringLiteral("Quiztop: 1e9"),
        QStringLiteral("Dooroption: 6")},
    QStringList{QStringLiteral("PicList: quiz: c.qtn"), QStringLiteral("Dooroption: 11.5"), QStringLiteral("Timeoption: 3")}));

} // namespace
