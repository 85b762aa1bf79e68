// SPDX-License-Identifier: GPL-3.0-or-later
// Find on the Map's rules: the round's deck, its scoring, its questions, and the click near a
// small region.
#include "explore/finddrill.h"
#include "explore/regionmap.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

using explore::FindDrill;
using Outcome = FindDrill::Outcome;

namespace {

// A draw that always gives `r`.
std::function<float()> always(float r)
{
    return [r] { return r; };
}

} // namespace

TEST(FindDrill, ARoundAsksEveryRegionOnceInTheDrawnOrder)
{
    for (float r : {0.0f, 0.5f, 0.9999f}) {
        FindDrill drill;
        drill.start(FindDrill::allRegions(), always(r), 100.0);
        std::set<int> asked;
        std::vector<int> order;
        while (!drill.finished()) {
            order.push_back(drill.current());
            asked.insert(drill.current());
            EXPECT_EQ(drill.answer(drill.current(), 130.0), Outcome::Right);
        }
        EXPECT_EQ(asked.size(), 13u) << r;
        EXPECT_EQ(drill.rightFirstTime(), 13);
        EXPECT_DOUBLE_EQ(drill.seconds(500.0), 30.0);  // to the last find, not to now
        EXPECT_EQ(drill.current(), -1);
        EXPECT_EQ(drill.answer(3, 131.0), Outcome::Over);
    }
    // The draws decide the order: two different draws give two different rounds.
    FindDrill a, b;
    a.start(FindDrill::allRegions(), always(0.0f), 0);
    b.start(FindDrill::allRegions(), always(0.9999f), 0);
    EXPECT_NE(a.current(), b.current());
}

TEST(FindDrill, AMissComesBackAfterTwoOthersAndCountsOnceAgainstTheFirstTime)
{
    FindDrill drill;
    drill.start({0, 1, 2, 3}, always(0.9999f), 0);  // the top draw leaves each in place
    ASSERT_EQ(drill.current(), 0);
    EXPECT_EQ(drill.answer(5, 1), Outcome::Wrong);
    EXPECT_EQ(drill.current(), 1);
    EXPECT_EQ(drill.answer(1, 2), Outcome::Right);
    EXPECT_EQ(drill.current(), 2);
    EXPECT_EQ(drill.answer(2, 3), Outcome::Right);
    EXPECT_EQ(drill.current(), 0);  // after the two that followed it
    EXPECT_EQ(drill.answer(-1, 4), Outcome::Wrong);  // a click on no region is a miss too
    EXPECT_EQ(drill.current(), 3);
    EXPECT_EQ(drill.answer(3, 5), Outcome::Right);
    // Only one left: asked again at once.
    EXPECT_EQ(drill.current(), 0);
    EXPECT_EQ(drill.answer(0, 6), Outcome::Right);
    EXPECT_TRUE(drill.finished());
    EXPECT_EQ(drill.total(), 4);
    EXPECT_EQ(drill.foundCount(), 4);
    EXPECT_EQ(drill.rightFirstTime(), 3);
    EXPECT_EQ(drill.missed(), QList<int>({0}));
    // A round of the missed ones only.
    drill.start(drill.missed(), always(0.3f), 10);
    EXPECT_EQ(drill.total(), 1);
    EXPECT_EQ(drill.current(), 0);
}

TEST(FindDrill, TheQuestionsUseTheRightWordForProvinceAndTerritory)
{
    const explore::FactsBook facts = explore::builtInFacts();
    ASSERT_TRUE(facts.error.isEmpty()) << facts.error.toStdString();
    const struct {
        explore::FindMode mode;
        int region;
        const char* question;
    } cases[] = {
        {explore::FindMode::Name, 2, "Where is Saskatchewan?"},
        {explore::FindMode::Capital, 2, "Which province has Regina as its capital?"},
        {explore::FindMode::Capital, 10, "Which territory has Whitehorse as its capital?"},
        {explore::FindMode::Capital, 12, "Which territory has Iqaluit as its capital?"},
        {explore::FindMode::Flag, 4, "Whose flag is this? Click its province or territory."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(explore::findQuestion(c.mode, c.region, facts), QString::fromUtf8(c.question)) << c.question;
    EXPECT_EQ(explore::durationText(65.2), QStringLiteral("1 min 05 s"));
    EXPECT_EQ(explore::durationText(9), QStringLiteral("9 s"));
}

TEST(RegionMap, AClickJustOffPrinceEdwardIslandCountsForItButNeverOverridesAnotherRegion)
{
    const explore::RegionMap map{QImage(QStringLiteral(":/map.bmp"))};
    ASSERT_FALSE(map.picture().isNull());
    const int pei = 8;
    // The island's own pixels, and sea pixels within three pixels of it but of no other region.
    int seaNear = 0, landBeside = 0;
    for (int y = 225; y < 255; ++y)
        for (int x = 335; x < 370; ++x) {
            const QPoint p(x, y);
            const int here = map.regionAt(p);
            if (here == pei) {
                EXPECT_EQ(map.regionNear(p, 3), pei);
                continue;
            }
            if (here >= 0) {
                // On another region the click stays there, however near the island.
                EXPECT_EQ(map.regionNear(p, 3), here) << x << "," << y;
                ++landBeside;
                continue;
            }
            bool nearPei = false, nearOther = false;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const int r = map.regionAt(p + QPoint(dx, dy));
                    if (dx * dx + dy * dy <= 9 && r == pei)
                        nearPei = true;
                    if (dx * dx + dy * dy <= 9 && r >= 0 && r != pei)
                        nearOther = true;
                }
            if (nearPei && !nearOther) {
                EXPECT_EQ(map.regionNear(p, 3), pei) << x << "," << y;
                EXPECT_EQ(map.regionAt(p), -1);
                ++seaNear;
            }
        }
    EXPECT_GT(seaNear, 10);
    EXPECT_GT(landBeside, 10);
    // Far out at sea nothing is near.
    EXPECT_EQ(map.regionNear(QPoint(300, 100), 3), -1);
    EXPECT_EQ(map.regionNear(QPoint(300, 100), 0), -1);
}

TEST(RegionMap, AMissOnATinyRegionIsRingedAsWellAsOutlined)
{
    const explore::RegionMap map{QImage(QStringLiteral(":/map.bmp"))};
    // Prince Edward Island is all edge at this size: the ring round it is what the eye finds.
    for (const auto& [region, ringed] : {std::pair{8, true}, std::pair{4, false}}) {
        const QImage overlay = map.missHighlight(region);
        int outside = 0;
        for (int y = 0; y < overlay.height(); ++y)
            for (int x = 0; x < overlay.width(); ++x)
                if (qAlpha(overlay.pixel(x, y)) > 0 && map.regionAt(QPoint(x, y)) != region)
                    ++outside;
        EXPECT_EQ(outside > 50, ringed) << region << ": " << outside;
    }
}
