#include "symbols/symbollist.h"

#include <gtest/gtest.h>

using symbollist::customSetName;
using symbollist::splitSymbolLine;

namespace {

TEST(SymbolList, SplitsAtTheFirstSemicolonKeepingTheTagAsItStands)
{
    struct Case {
        const char* line;
        const char* tag;
        const char* picture;
    };
    const Case cases[] = {
        {"Quebec;   C:\\Pics\\lily.gif", "Quebec", "C:\\Pics\\lily.gif"},
        {"British Columbia; C:\\Pictures\\dogwood.gif", "British Columbia", "C:\\Pictures\\dogwood.gif"},
        {"Yukon ; fireweed.bmp", "Yukon ", "fireweed.bmp"},
        {"; nameless.bmp", "", "nameless.bmp"},
        {"Ontario;a;b.bmp", "Ontario", "a;b.bmp"},
        {"Nunavut;\tflag.gif", "Nunavut", "\tflag.gif"},
        {"Alberta;", "Alberta", ""},
    };
    for (const Case& c : cases) {
        const auto line = splitSymbolLine(QString::fromLatin1(c.line));
        ASSERT_TRUE(line.has_value()) << c.line;
        EXPECT_EQ(line->tag, QString::fromLatin1(c.tag)) << c.line;
        EXPECT_EQ(line->picture, QString::fromLatin1(c.picture)) << c.line;
    }
    EXPECT_FALSE(splitSymbolLine(QString()).has_value());
    EXPECT_FALSE(splitSymbolLine(QStringLiteral("Quebec C:\\Pics\\lily.gif")).has_value());
}

TEST(SymbolList, NamesTheCustomSetAfterTheListFile)
{
    EXPECT_EQ(customSetName(QStringLiteral("C:\\Lists\\Birds.lst")), QStringLiteral("Birds"));
    EXPECT_EQ(customSetName(QStringLiteral("C:\\Game.Data\\Birds.lst")), QStringLiteral("Game"));
    EXPECT_EQ(customSetName(QStringLiteral("Birds.lst")), QStringLiteral("Birds"));
    EXPECT_EQ(customSetName(QStringLiteral("/home/teacher/lists/Trees.lst")), QStringLiteral("Trees"));
    EXPECT_FALSE(customSetName(QStringLiteral("C:\\Lists\\Birds")).has_value());
}

} // namespace
