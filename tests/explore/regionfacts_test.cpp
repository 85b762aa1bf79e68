// SPDX-License-Identifier: GPL-3.0-or-later
// The facts Explore the Map tells: complete, and right where a slip would be easy to miss.
#include "explore/regionfacts.h"
#include "explore/regionmap.h"
#include "game/state.h"
#include "ui/language.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

using explore::FactsBook;

TEST(RegionFacts, TheBuiltInFileHoldsEveryRegionWithEveryField)
{
    const FactsBook book = explore::builtInFacts();
    ASSERT_EQ(book.error, QString());
    EXPECT_EQ(book.censusYear, 2021);
    ASSERT_EQ(book.regions.size(), 13u);
    qint64 population = 0, area = 0;
    for (int i = 0; i < 13; ++i) {
        const auto& f = book.regions[i];
        EXPECT_EQ(f.region, QLatin1String(modValdra::RegionTable[i].name));
        EXPECT_FALSE(f.officialName.isEmpty() || f.capital.isEmpty() || f.flower.isEmpty()) << i;
        EXPECT_TRUE(f.joined >= 1867 && f.joined <= 1999) << i;
        population += f.population;
        area += f.areaKm2;
    }
    // The national totals of the 2021 census and of Canada's total area: a mistyped figure
    // anywhere shows here.
    EXPECT_EQ(population, 36991981);
    EXPECT_EQ(area, 9984670);
}

TEST(RegionFacts, CapitalsAndYears)
{
    const struct { const char* region; const char* capital; int joined; } expected[] = {
        {"British Columbia", "Victoria", 1871}, {"Alberta", "Edmonton", 1905},
        {"Saskatchewan", "Regina", 1905}, {"Manitoba", "Winnipeg", 1870},
        {"Ontario", "Toronto", 1867}, {"Quebec", "Québec City", 1867},
        {"New Brunswick", "Fredericton", 1867}, {"Nova Scotia", "Halifax", 1867},
        {"Prince Edward Island", "Charlottetown", 1873}, {"Newfoundland", "St. John's", 1949},
        {"Yukon", "Whitehorse", 1898}, {"Northwest Territories", "Yellowknife", 1870},
        {"Nunavut", "Iqaluit", 1999},
    };
    const FactsBook book = explore::builtInFacts();
    for (const auto& e : expected) {
        const auto* f = book.find(QString::fromUtf8(e.region));
        ASSERT_NE(f, nullptr) << e.region;
        EXPECT_EQ(f->capital, QString::fromUtf8(e.capital)) << e.region;
        EXPECT_EQ(f->joined, e.joined) << e.region;
    }
}

TEST(RegionFacts, FrenchCapitalsAndFlowersAreTheProvincesOwnFrenchNames)
{
    // Where a French class would catch an English word or a slip of spelling.
    const struct { const char* region; const char* capital; const char* flower; } expected[] = {
        {"British Columbia", "Victoria", "Cornouiller du Pacifique"}, {"Alberta", "Edmonton", "Rose sauvage"},
        {"Saskatchewan", "Regina", "Lis rouge orangé"}, {"Manitoba", "Winnipeg", "Anémone pulsatille"},
        {"Ontario", "Toronto", "Trille blanc"}, {"Quebec", "Québec", "Iris versicolore"},
        {"New Brunswick", "Fredericton", "Violette cucullée"}, {"Nova Scotia", "Halifax", "Fleur de mai"},
        {"Prince Edward Island", "Charlottetown", "Cypripède acaule"},
        {"Newfoundland", "St. John's", "Sarracénie pourpre"}, {"Yukon", "Whitehorse", "Épilobe à feuilles étroites"},
        {"Northwest Territories", "Yellowknife", "Dryade à feuilles entières"},
        {"Nunavut", "Iqaluit", "Saxifrage à feuilles opposées"},
    };
    const FactsBook book = explore::builtInFacts();
    for (const auto& e : expected) {
        const auto* f = book.find(QString::fromUtf8(e.region));
        ASSERT_NE(f, nullptr) << e.region;
        EXPECT_EQ(f->capitalFr, QString::fromUtf8(e.capital)) << e.region;
        EXPECT_EQ(f->flowerFr, QString::fromUtf8(e.flower)) << e.region;
    }
}

TEST(RegionFacts, NumbersAreWrittenAsTheGamesLanguageWritesThemWhateverTheDesktop)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString english = language::localeOf(language::Language::English).toString(qint64(1542056));
    const QString french = language::localeOf(language::Language::French).toString(qint64(1542056));
    const QString frenchDecimal = language::localeOf(language::Language::French).toString(12.5, 'f', 1);
    QLocale::setDefault(before);
    EXPECT_EQ(english, QStringLiteral("1,542,056"));
    // French groups by a non-breaking space (never broken across lines), and its decimal mark
    // is the comma.
    EXPECT_TRUE(french == QStringLiteral("1\u00a0542\u00a0056") || french == QStringLiteral("1\u202f542\u202f056"))
        << french.toStdString();
    EXPECT_EQ(frenchDecimal, QStringLiteral("12,5"));
}

TEST(RegionFacts, AFaultyFileGivesNoFactsAndSaysWhy)
{
    const QByteArray one = R"({"region": "Yukon", "official_name": "Yukon", "capital": "Whitehorse",
        "joined": 1898, "area_km2": 482443, "population": 40232, "flower": "Fireweed",
        "capital_fr": "Whitehorse", "flower_fr": "Épilobe à feuilles étroites"})";
    const struct { QByteArray json; const char* says; } cases[] = {
        {"{not json", "not valid JSON"},
        {R"({"regions": [)" + one + "]}", "no census year"},
        {R"({"census_year": 2021, "regions": [)" + one + "]}", "lacks British Columbia"},
        {R"({"census_year": 2021, "regions": [)" + one + "," + one + "]}", "Yukon twice"},
        {R"({"census_year": 2021, "regions": [{"region": "Atlantis"}]})", "unknown region"},
        {R"({"census_year": 2021, "regions": [{"region": "Yukon", "capital": "Whitehorse"}]})", "incomplete"},
    };
    for (const auto& c : cases) {
        const FactsBook book = explore::readFacts(c.json);
        EXPECT_TRUE(book.regions.empty()) << c.json.constData();
        EXPECT_TRUE(book.error.contains(QLatin1String(c.says))) << book.error.toStdString() << " from " << c.json.constData();
    }
}

TEST(RegionMap, FindsEachRegionAtItsPointAndNoneOnSeaBorderOrFrame)
{
    const explore::RegionMap map{QImage(QStringLiteral(":/map.bmp"))};
    ASSERT_FALSE(map.picture().isNull());
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(map.regionAt(explore::RegionMap::anchor(i)), i) << i;
    for (QPoint p : {QPoint(0, 0), QPoint(414, 307), QPoint(-1, 5), QPoint(415, 10)})
        EXPECT_EQ(map.regionAt(p), -1) << p.x() << "," << p.y();
    EXPECT_EQ(map.regionAt(QPoint(300, 100)), -1);  // the sea west of Greenland
    // Every region is walked once.
    const auto& order = explore::RegionMap::westToEast();
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 13u);
}

TEST(RegionMap, AFrameInARegionsColourIsNoLand)
{
    // A map whose frame wears Yukon's colour, apart from Yukon itself by a border.
    QImage picture(415, 308, QImage::Format_RGB32);
    picture.fill(QColor(102, 102, 255));
    const QColor yukon(255, 102, 102);
    for (int x = 0; x < 415; ++x)
        picture.setPixelColor(x, 0, yukon), picture.setPixelColor(x, 307, yukon);
    for (int y = 0; y < 308; ++y)
        picture.setPixelColor(0, y, yukon), picture.setPixelColor(414, y, yukon);
    for (int y = 130; y < 150; ++y)
        for (int x = 30; x < 50; ++x)
            picture.setPixelColor(x, y, yukon);
    const explore::RegionMap map{picture};
    EXPECT_EQ(map.regionAt(QPoint(39, 141)), 10);
    EXPECT_EQ(map.regionAt(QPoint(0, 141)), -1);
    EXPECT_EQ(map.regionAt(QPoint(200, 307)), -1);
    // The outline follows the region's edge and leaves the frame alone.
    const QImage outline = map.highlight(10, Qt::black, Qt::white);
    EXPECT_EQ(outline.pixelColor(30, 130), QColor(Qt::black));
    EXPECT_EQ(outline.pixelColor(31, 131), QColor(Qt::black));  // two pixels wide
    EXPECT_EQ(outline.pixelColor(39, 141), QColor(Qt::white));
    EXPECT_EQ(outline.pixelColor(0, 141).alpha(), 0);
}
