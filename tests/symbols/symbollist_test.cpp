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
    // A dot in a folder's name is no part of the list's name.
    EXPECT_EQ(customSetName(QStringLiteral("C:\\Game.Data\\Birds.lst")), QStringLiteral("Birds"));
    EXPECT_EQ(customSetName(QStringLiteral("/home/ann/.local/share/quillora/atlantic.v2.lst")), QStringLiteral("atlantic"));
    EXPECT_FALSE(customSetName(QStringLiteral("/home/ann/.local/share/quillora/atlantic")).has_value());
    EXPECT_EQ(customSetName(QStringLiteral("Birds.lst")), QStringLiteral("Birds"));
    EXPECT_EQ(customSetName(QStringLiteral("/home/teacher/lists/Trees.lst")), QStringLiteral("Trees"));
    EXPECT_FALSE(customSetName(QStringLiteral("C:\\Lists\\Birds")).has_value());
}

} // namespace

namespace {

TEST(SymbolList, KeepsTheEditedListSortedWithoutRegardToCase)
{
    QStringList items;
    for (const char* item : {"Yukon; y.gif", "alberta; a.gif", "Alberta; b.gif", "Nunavut; n.gif", "ALBERTA; c.gif"})
        symbollist::insertSorted(items, QString::fromLatin1(item));
    // Equal names keep the order they came in.
    EXPECT_EQ(items, (QStringList{"alberta; a.gif", "Alberta; b.gif", "ALBERTA; c.gif", "Nunavut; n.gif", "Yukon; y.gif"}));
    EXPECT_EQ(symbollist::makeItem(QStringLiteral("Ontario"), QStringLiteral("C:\\Pics\\loon.gif")),
              QStringLiteral("Ontario; C:\\Pics\\loon.gif"));
    EXPECT_EQ(symbollist::listFileLines({"a;b", "", "c;d"}), (QStringList{"a;b", "c;d"}));
}

TEST(SymbolList, LoadingALongListPutsEveryItemWhereAddingItInTurnWould)
{
    const QStringList before{"Alberta; a.gif", "Yukon; y.gif"};
    const QStringList loaded{"yukon; z.gif", "ALBERTA; c.gif", "Nunavut; n.gif", "alberta; a.gif", "Alberta; a.gif", "Bc; b.gif"};
    QStringList oneByOne = before;
    for (const QString& item : loaded)
        symbollist::insertSorted(oneByOne, item);
    EXPECT_EQ(symbollist::mergeSorted(before, loaded), oneByOne);
    EXPECT_EQ(symbollist::mergeSorted({}, {}), QStringList());
}

} // namespace
