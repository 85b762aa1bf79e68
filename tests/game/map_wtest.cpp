// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gamefixture.h"

#include <QImage>
#include <set>

using namespace modValdra;

namespace {

class Target : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(20);
        start();
    }
    // Chooses the random number that makes the next draw take pool position j.
    void drawAt(int j) { script.randoms.push_back((j + 0.5f) / float(std::max(SymbolPoolTop, 1))); }
};

TEST_F(Target, NoRegionIsDrawnTwiceAndTheTopOfThePoolWaitsItsTurn)
{
    for (float r : {0.0f, 0.5f, 0.9999f}) {
        SymbolPoolTop = 12;
        for (int i = 0; i < 13; ++i)
            SymbolOrder[i] = i;
        script.randoms = {r};
        form->DrawTargetSymbol();
        EXPECT_NE(TargetName, QStringLiteral("Nunavut")) << r;
    }

    SymbolPoolTop = 12;
    for (int i = 0; i < 13; ++i)
        SymbolOrder[i] = i;
    std::set<QString> drawn;
    for (int draw = 0; draw < 13; ++draw) {
        script.randoms = {0.9999f};
        form->DrawTargetSymbol();
        drawn.insert(TargetName);
    }
    EXPECT_EQ(drawn.size(), 13u);
    // The thirteenth draw found the pool at 0 and took what was left.
    EXPECT_EQ(SymbolPoolTop, -1);
}

TEST_F(Target, TheHintNamesTheRegionOnlyInARegularGame)
{
    for (int level : {0, 1}) {
        DifficultyLevel = qint16(level);
        SymbolPoolTop = 12;
        for (int i = 0; i < 13; ++i)
            SymbolOrder[i] = i;
        drawAt(8);
        form->DrawTargetSymbol();
        EXPECT_EQ(TargetName, QStringLiteral("Prince Edward Island"));
        EXPECT_TRUE(form->CrestImage->isVisible());
        EXPECT_TRUE(form->Text2->isVisible());
        if (level == 0) {
            EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("Hint:  Locate Prince Edward Island"));
            EXPECT_EQ(form->lblMessage->text(), QStringLiteral("Locate Prince Edward Island"));
        } else {
            EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("Locate the province/territory"));
            EXPECT_EQ(form->lblMessage->text(), QString());
        }
    }
}

TEST_F(Target, EachSetReadsItsOwnPartOfTheStore)
{
    for (int set : {0, 13, 26}) {
        SymbolSetChoice = qint16(set);
        SymbolPoolTop = 12;
        for (int i = 0; i < 13; ++i)
            SymbolOrder[i] = i;
        drawAt(10);
        form->DrawTargetSymbol();
        const ui::PictureImage* stored = form->form3()->Image1[set + 10];
        EXPECT_EQ(TargetName, stored->tag()) << set;
        EXPECT_EQ(form->CrestImage->picture().toImage(), stored->picture().toImage()) << set;
    }
    EXPECT_EQ(form->form3()->Image1[23]->tag(), QStringLiteral("Northwest Territories"));
}

class Map : public Target {
protected:
    void SetUp() override
    {
        Target::SetUp();
        form->btnBegin_Click();
        form->SampleRegionColours();
    }
    // Arms the map for `target` and presses it so that the pole's tip lands on (x, y).
    void placeAt(const QString& target, int x, int y)
    {
        TargetName = target;
        AwaitingLocation = 1;
        form->Picture1_MouseDown(1, 0, float(x + 14), float(y - 14));
    }
    QPoint firstPixel(QRgb colour)
    {
        const QImage& map = form->Picture1->picture();
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                if ((map.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    return QPoint(x, y);
        return QPoint(-100, -100);
    }
};

TEST_F(Map, APressAtEverySamplingPointFindsItsRegion)
{
    for (const Region& region : RegionTable) {
        const int before = Score;
        const int found = FoundCount;
        placeAt(QString::fromLatin1(region.name), region.x, region.y);
        EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("You found %1.").arg(region.name));
        EXPECT_EQ(Score, before + 100);
        EXPECT_EQ(FoundCount, found + 1);
        if (found < 12) {
            EXPECT_EQ(form->Crest[found]->tag(), QString::fromLatin1(region.name));
            EXPECT_TRUE(form->Crest[found]->isVisible());
        }
        EXPECT_EQ(AwaitingLocation, 0);
    }
}

TEST_F(Map, TheSeaABorderAndOutsideThePictureAreMisses)
{
    const QPoint sea = firstPixel(qRgb(102, 102, 255));
    const QPoint border = firstPixel(qRgb(0, 0, 0));
    ASSERT_GE(sea.x(), 0);
    ASSERT_GE(border.x(), 0);
    for (QPoint p : {sea, border, QPoint(-5, 100), QPoint(100, 320)}) {
        const int before = Score;
        form->CrestImage->show();
        placeAt(QStringLiteral("Ontario"), p.x(), p.y());
        EXPECT_EQ(form->Text2->toPlainText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("You went to  instead of Ontario")) << p.x() << "," << p.y();
        EXPECT_EQ(Score, before);
        EXPECT_EQ(FoundCount, 0);
        EXPECT_TRUE(form->CrestImage->isVisible());
    }
    // A press on another region names it.
    placeAt(QStringLiteral("Ontario"), RegionTable[5].x, RegionTable[5].y);
    EXPECT_EQ(form->Text2->toPlainText(),
              QStringLiteral("You went to Quebec instead of Ontario\nSee it hatched on the map."));
}

TEST_F(Map, AMissHatchesTheRightRegionForItsSecondsOrUntilTheNextSymbolWaits)
{
    const explore::RegionMap regions(form->Picture1->picture());
    // A miss on Quebec shows Ontario: the overlay covers Ontario's sampling point, not Quebec's.
    placeAt(QStringLiteral("Ontario"), RegionTable[5].x, RegionTable[5].y);
    ASSERT_EQ(form->missHighlightRegion(), 4);
    const QImage overlay = form->Picture1->overlay();
    ASSERT_EQ(overlay.size(), form->Picture1->picture().size());
    EXPECT_GT(qAlpha(overlay.pixel(RegionTable[4].x, RegionTable[4].y)), 0);
    EXPECT_EQ(qAlpha(overlay.pixel(RegionTable[5].x, RegionTable[5].y)), 0);
    // Its outline is drawn on Ontario's edge: a region pixel beside a pixel of no region.
    int edge = 0;
    for (int y = 1; y < overlay.height() - 1; ++y)
        for (int x = 1; x < overlay.width() - 1; ++x)
            if (regions.regionAt(QPoint(x, y)) == 4 && regions.regionAt(QPoint(x + 1, y)) != 4)
                edge += overlay.pixel(x, y) == qPremultiply(qRgba(200, 0, 0, 255)) ? 1 : 0;
    EXPECT_GT(edge, 20);

    // The platform's clock decides how long it stays.
    script.clock += Form1::MissHighlightSeconds - 0.5;
    form->missHighlightTick();
    EXPECT_EQ(form->missHighlightRegion(), 4);
    script.clock += 0.6;
    form->missHighlightTick();
    EXPECT_EQ(form->missHighlightRegion(), -1);
    EXPECT_TRUE(form->Picture1->overlay().isNull());

    // The next symbol to place takes it away at once.
    placeAt(QStringLiteral("Yukon"), RegionTable[1].x, RegionTable[1].y);
    EXPECT_EQ(form->missHighlightRegion(), 10);
    form->DrawTargetSymbol();
    EXPECT_EQ(form->missHighlightRegion(), -1);
}

TEST_F(Map, ATimeUpOnAWaitingSymbolShowsWhereItBelonged)
{
    TargetName = QStringLiteral("Prince Edward Island");
    AwaitingLocation = 1;
    script.clock = EndTime + 1;
    form->Timer1_Timer();
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(form->missHighlightRegion(), 8);
    // It stays while the game is over, whatever the clock does, until the next game.
    script.clock += 60;
    form->missHighlightTick();
    EXPECT_EQ(form->missHighlightRegion(), 8);
    form->btnBegin_Click();
    EXPECT_EQ(form->missHighlightRegion(), -1);
}

TEST_F(Map, ExpertFindsScoreDoubleAndAnEmptyTagIsFoundOffTheRegions)
{
    DifficultyLevel = 1;
    placeAt(QStringLiteral("Yukon"), RegionTable[10].x, RegionTable[10].y);
    EXPECT_EQ(Score, 200);

    placeAt(QString(), 100, 320);
    EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("You found ."));
    EXPECT_EQ(Score, 400);
}

TEST_F(Map, APressWhileTheMapIsNotWaitingDoesNothing)
{
    TargetName = QStringLiteral("Ontario");
    AwaitingLocation = 0;
    const QString hint = form->Text2->toPlainText();
    form->Picture1_MouseDown(1, 0, RegionTable[4].x + 14, RegionTable[4].y - 14);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(form->Text2->toPlainText(), hint);
}

TEST_F(Map, AGalleryClickShowsTheSymbolWithoutTouchingScoreOrTarget)
{
    placeAt(QStringLiteral("Alberta"), RegionTable[1].x, RegionTable[1].y);
    const QImage albertaSymbol = form->Crest[0]->picture().toImage();
    TargetName = QStringLiteral("Nunavut");
    AwaitingLocation = 1;
    const int score = Score;
    form->Crest_Click(0);
    EXPECT_TRUE(form->CrestImage->isVisible());
    EXPECT_EQ(form->CrestImage->picture().toImage(), albertaSymbol);
    EXPECT_EQ(form->Text2->toPlainText(), QStringLiteral("Alberta"));
    EXPECT_EQ(Score, score);
    EXPECT_EQ(TargetName, QStringLiteral("Nunavut"));
    EXPECT_EQ(AwaitingLocation, 1);
}

// A find after a look at the gallery files the symbol that was drawn, not the one looked at.
TEST_F(Map, AFindAfterALookAtTheGalleryFilesTheDrawnSymbol)
{
    drawAt(1);  // Alberta
    form->DrawTargetSymbol();
    placeAt(TargetName, RegionTable[1].x, RegionTable[1].y);
    ASSERT_TRUE(form->Crest[0]->isVisible());

    drawAt(0);  // British Columbia
    form->DrawTargetSymbol();
    const QString target = TargetName;
    ASSERT_EQ(target, QStringLiteral("British Columbia"));
    form->Crest_Click(0);
    placeAt(target, RegionTable[0].x, RegionTable[0].y);

    const ui::PictureImage* stored = form->form3()->Image1[SymbolSetChoice + 0];
    EXPECT_EQ(form->Crest[1]->tag(), target);
    EXPECT_EQ(form->Crest[1]->picture().toImage(), stored->picture().toImage());
    EXPECT_NE(form->Crest[1]->picture().toImage(), form->Crest[0]->picture().toImage());
}

} // namespace
