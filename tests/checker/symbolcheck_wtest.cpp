// SPDX-License-Identifier: GPL-3.0-or-later
// The symbol list checker, each case on a small list and pictures written here.
#include "checker/symbolcheck.h"
#include "findings.h"

#include <QImage>

namespace {

using namespace checkertest;
using checker::checkSymbolList;
using checker::likelyRegion;

class SymbolCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(folder.file(QStringLiteral("loon.bmp")), "BMP");
        folder.write(QStringLiteral("notes.gif"), "this is no picture");
    }
    FileReport check(const QStringList& lines)
    {
        folder.writeLines(QStringLiteral("test.lst"), lines);
        return checkSymbolList(QStringLiteral("test.lst"));
    }
    TestFolder folder;
};

TEST_F(SymbolCheck, ACleanListGetsNoComplaint)
{
    // A Windows folder and another case still find the picture, as in the game.
    const FileReport report = check({QStringLiteral("Ontario; loon.bmp"), QStringLiteral("Prince Edward Island; LOON.BMP"),
        QStringLiteral("Northwest Territories; .\\loon.bmp")});
    EXPECT_TRUE(report.readable);
    EXPECT_TRUE(complaints(report).isEmpty()) << complaints(report).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(report.findings[0].text.contains(QStringLiteral("takes 3 of its 3 lines")));
}

TEST_F(SymbolCheck, TheSummaryCountsTheLinesBeforeTheReadingStops)
{
    struct Case {
        QStringList lines;
        const char* summary;
    } cases[] = {
        {{"Ontario; loon.bmp", "Yukon; loon.bmp", "Nunavut loon.bmp", "Quebec; loon.bmp", "Manitoba; loon.bmp"}, "takes 2 of its 5 lines"},
        {{"Ontario; gone.bmp", "Yukon; loon.bmp"}, "takes 0 of its 2 lines"},
        {{"Ontario; loon.bmp", "Yukon; loon.bmp"}, "takes 2 of its 2 lines"},
    };
    for (const Case& c : cases) {
        const FileReport report = check(c.lines);
        ASSERT_FALSE(report.findings.isEmpty());
        EXPECT_TRUE(report.findings[0].text.contains(QString::fromLatin1(c.summary))) << report.findings[0].text.toStdString();
    }
}

class SymbolCheckLines : public SymbolCheck, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(SymbolCheckLines, NamesTheProblemOnItsLine)
{
    const LinesCase& c = GetParam();
    EXPECT_TRUE(onlyComplaint(check(c.lines), c.line, c.severity, QString::fromUtf8(c.words)));
}

const QString Good = QStringLiteral("Ontario; loon.bmp");

QStringList fourteenLines()
{
    QStringList lines;
    for (int i = 0; i < 14; ++i)
        lines << Good;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(Problems, SymbolCheckLines, ::testing::Values(
    LinesCase{"RegionMisspelt", {Good, QStringLiteral("Saskatchwan; loon.bmp")}, 2, Severity::Problem,
        "\"Saskatchwan\" is not one of the 13 region names, so the symbol can never be placed on the map; did you mean "
        "\"Saskatchewan\" (in French, \"Saskatchewan\")?"},
    LinesCase{"BlankBeforeTheSemicolon", {QStringLiteral("Yukon ; loon.bmp")}, 1, Severity::Problem, "did you mean \"Yukon\" (in French, \"Yukon\")?"},
    LinesCase{"NoSemicolon", {Good, QStringLiteral("Manitoba loon.bmp"), Good}, 2, Severity::Problem,
        "no \"; \" between the region and the picture: the game stops reading the list here, so this line, line 3 and "
        "the choice of the custom set are lost"},
    LinesCase{"BlankLine", {Good, QString(), Good}, 2, Severity::Problem, "blank line: the game stops reading"},
    LinesCase{"NoBlankAfterTheSemicolon", {QStringLiteral("Ontario;loon.bmp")}, 1, Severity::Warning, "no blank after"},
    LinesCase{"PictureMissing", {QStringLiteral("Quebec; lily.gif")}, 1, Severity::Problem,
        "the picture \"lily.gif\" does not exist: the game stops reading the list here"},
    LinesCase{"PictureOnAWindowsDrive", {QStringLiteral("Quebec; C:\\Pictures\\lily.gif")}, 1, Severity::Problem,
        "(a Windows drive: name the file as it is found on this computer)"},
    LinesCase{"NotAPicture", {QStringLiteral("Quebec; notes.gif")}, 1, Severity::Problem, "not a picture the game can load"},
    LinesCase{"NoPictureNamed", {QStringLiteral("Quebec;")}, 1, Severity::Problem, "no picture named"},
    LinesCase{"LinesAfterTheThirteenth", fourteenLines(), 14, Severity::Problem, "first 13 lines only: line 14 is ignored"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LikelyRegion, SuggestsTheNameATeacherMeant)
{
    const struct {
        const char* written;
        const char* meant;
    } cases[] = {
        {"ontario", "Ontario"},
        {"Prince  Edward Island", "Prince Edward Island"},
        {"North West Territories", "Northwest Territories"},
        {"Newfoundland and Labrador", "Newfoundland"},
        {"PEI", "Prince Edward Island"},
        {"P.E.I.", "Prince Edward Island"},
        {"Québec", "Quebec"},
        {"Brittish Colombia", "British Columbia"},
        {"Province of Ontario", "Ontario"},
        {"Atlantis", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(likelyRegion(QString::fromUtf8(c.written)), QString::fromUtf8(c.meant)) << c.written;
}

} // namespace
