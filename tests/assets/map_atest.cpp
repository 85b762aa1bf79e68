// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in map, pointer, flags and window icon, read back from the embedded resources.
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

namespace {

struct SamplingPoint {
    const char* name;
    int x, y;
    QRgb colour;
    int margin; // half-width of the square around the point that must hold only this colour
};

// The game samples these points to learn each region's colour. The square of 3 x 3 pixels
// around each holds only that colour, so that a click a pixel off still finds the region.
const SamplingPoint samplingPoints[] = {
    {"British Columbia", 35, 209, qRgb(255, 255, 102), 1},
    {"Alberta", 77, 216, qRgb(102, 255, 102), 1},
    {"Saskatchewan", 113, 235, qRgb(153, 0, 153), 1},
    {"Manitoba", 166, 207, qRgb(0, 255, 255), 1},
    {"Ontario", 221, 234, qRgb(0, 153, 0), 1},
    {"Quebec", 277, 212, qRgb(0, 0, 153), 1},
    {"New Brunswick", 336, 244, qRgb(153, 0, 0), 1},
    {"Nova Scotia", 355, 249, qRgb(255, 102, 255), 1},
    {"Prince Edward Island", 350, 240, qRgb(153, 153, 0), 1},
    {"Newfoundland", 337, 199, qRgb(255, 255, 153), 1},
    {"Yukon", 39, 141, qRgb(255, 102, 102), 1},
    {"Northwest Territories", 77, 154, qRgb(153, 153, 153), 1},
    {"Nunavut", 155, 154, qRgb(255, 204, 153), 1},
};
const QRgb sea = qRgb(102, 102, 255);
const QRgb foreignLand = qRgb(255, 255, 255);
const QRgb border = qRgb(0, 0, 0);

QSet<QRgb> coloursOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    return colours;
}

QSet<QRgb> regionColours()
{
    QSet<QRgb> colours;
    for (const SamplingPoint& p : samplingPoints)
        colours.insert(p.colour);
    return colours;
}

QImage map()
{
    return QImage(QStringLiteral(":/map.bmp"));
}

TEST(BuiltInMap, IsAnEightBitPictureOfTheDesignedSizeWithSixteenColours)
{
    QImageReader reader(QStringLiteral(":/map.bmp"));
    EXPECT_EQ(reader.format(), "bmp");
    const QImage m = map();
    ASSERT_FALSE(m.isNull());
    EXPECT_EQ(m.size(), QSize(415, 308));
    EXPECT_EQ(m.format(), QImage::Format_Indexed8);

    QSet<QRgb> expected = regionColours();
    expected << sea << foreignLand << border;
    ASSERT_EQ(expected.size(), 16) << "region colours must differ from each other and the rest";
    EXPECT_EQ(coloursOf(m), expected) << "every region colour, sea, outside land and border, nothing else";
}

TEST(BuiltInMap, EachSamplingPointLiesInItsRegionWithAMargin)
{
    const QImage m = map();
    ASSERT_FALSE(m.isNull());
    for (const SamplingPoint& p : samplingPoints)
        for (int dy = -p.margin; dy <= p.margin; ++dy)
            for (int dx = -p.margin; dx <= p.margin; ++dx)
                EXPECT_EQ(m.pixel(p.x + dx, p.y + dy), p.colour)
                    << p.name << " at (" << p.x + dx << ", " << p.y + dy << ")";
}

TEST(BuiltInMap, ClickingTheFrameNeverFindsARegion)
{
    const QImage m = map();
    ASSERT_FALSE(m.isNull());
    const QSet<QRgb> regions = regionColours();
    for (int x = 0; x < m.width(); ++x)
        for (int y : {0, m.height() - 1})
            EXPECT_FALSE(regions.contains(m.pixel(x, y))) << "(" << x << ", " << y << ")";
    for (int y = 0; y < m.height(); ++y)
        for (int x : {0, m.width() - 1})
            EXPECT_FALSE(regions.contains(m.pixel(x, y))) << "(" << x << ", " << y << ")";
}

TEST(BuiltInMap, PrinceEdwardIslandIsBigEnoughToHit)
{
    // The smallest region: a child must be able to hit it without pixel hunting.
    const QImage m = map();
    ASSERT_FALSE(m.isNull());
    int pixels = 0;
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            pixels += m.pixel(x, y) == qRgb(153, 153, 0);
    EXPECT_GE(pixels, 20);
}

TEST(MapPointer, IsAFlagOnAPoleWhoseTipIsTheOnlyOpaquePixelOfItsRow)
{
    QImageReader reader(QStringLiteral(":/pointer.ico"));
    EXPECT_EQ(reader.format(), "ico");
    const QImage p = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(p.isNull());
    EXPECT_EQ(p.size(), QSize(32, 32));
    EXPECT_LE(coloursOf(p).size(), 16);

    auto opaque = [&](int x, int y) { return qAlpha(p.pixel(x, y)) == 255; };
    auto transparent = [&](int x, int y) { return qAlpha(p.pixel(x, y)) == 0; };
    // The click lands 14 left of and 14 below the hot spot (16, 16).
    EXPECT_TRUE(opaque(2, 30));
    for (int x = 0; x < 32; ++x) {
        EXPECT_TRUE(transparent(x, 31)) << "below the tip, x " << x;
        if (x != 2) {
            EXPECT_TRUE(transparent(x, 30)) << "beside the tip, x " << x;
        }
    }
    for (int y = 0; y < 32; ++y)
        EXPECT_TRUE(transparent(0, y)) << "left of the pole, y " << y;
    for (int y = 20; y < 32; ++y)
        for (int x = 6; x < 32; ++x)
            EXPECT_TRUE(transparent(x, y)) << "under the flag at (" << x << ", " << y << ")";
    for (auto [x, y] : {std::pair{31, 0}, std::pair{31, 31}})
        EXPECT_TRUE(transparent(x, y)) << "corner (" << x << ", " << y << ")";
    int flagPixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 8; x < 32; ++x)
            flagPixels += opaque(x, y);
    EXPECT_GT(flagPixels, 150) << "the flag flies from the top of the pole to the right";
}

TEST(WindowIcon, IsASquarePictureWithTransparentCorners)
{
    const QImage icon(QStringLiteral(":/icon.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(32, 32)), 255);
}

struct FlagCase {
    const char* code;
    QSize size;
};

class Flag : public ::testing::TestWithParam<FlagCase> {};

TEST_P(Flag, IsAGifOfItsSizeShowingAWholeFlagOnAGreyBackground)
{
    const FlagCase c = GetParam();
    const QString path = QStringLiteral(":/flags/%1.gif").arg(QLatin1String(c.code));
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "gif");
    const QImage flag = reader.read();
    ASSERT_FALSE(flag.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(flag.size(), c.size);
    const QSet<QRgb> colours = coloursOf(flag);
    EXPECT_LE(colours.size(), 256);
    EXPECT_GE(colours.size(), 4) << "a flag, not a blank";
    // Letterboxed, not stretched: the corners show the neutral background.
    const QRgb background = flag.pixel(0, 0);
    for (auto [x, y] : {std::pair{c.size.width() - 1, 0}, std::pair{0, c.size.height() - 1},
                        std::pair{c.size.width() - 1, c.size.height() - 1}})
        EXPECT_EQ(flag.pixel(x, y), background);
    EXPECT_EQ(qRed(background), qGreen(background));
    EXPECT_EQ(qGreen(background), qBlue(background));
}

INSTANTIATE_TEST_SUITE_P(AllRegions, Flag,
    ::testing::Values(FlagCase{"bc", {75, 80}}, FlagCase{"ab", {75, 80}}, FlagCase{"sk", {75, 80}},
                      FlagCase{"mb", {75, 80}}, FlagCase{"on", {75, 80}}, FlagCase{"qc", {75, 80}},
                      FlagCase{"nb", {75, 80}}, FlagCase{"ns", {75, 80}}, FlagCase{"pe", {75, 80}},
                      FlagCase{"nl", {75, 80}}, FlagCase{"yt", {75, 80}}, FlagCase{"nt", {75, 80}},
                      FlagCase{"nu", {380, 216}}),
    [](const auto& info) { return std::string(info.param.code); });

} // namespace
