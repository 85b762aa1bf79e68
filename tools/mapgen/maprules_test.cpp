// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's own guard: it must pass the committed map and refuse every kind of broken one.
#include "maprules.h"

#include <QGuiApplication>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage committedMap()
{
    return QImage(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/map.bmp"));
}

int indexOf(const QImage& map, QRgb colour)
{
    return int(map.colorTable().indexOf(colour));
}

struct Breakage {
    const char* what;
    std::function<QImage(QImage)> apply;
};

class BrokenMap : public ::testing::TestWithParam<Breakage> {};

TEST(MapRules, PassTheCommittedMap)
{
    const QImage map = committedMap();
    ASSERT_FALSE(map.isNull());
    EXPECT_EQ(mapRuleViolations(map), QStringList());
}

TEST_P(BrokenMap, IsRefused)
{
    const QImage map = committedMap();
    ASSERT_FALSE(map.isNull());
    EXPECT_FALSE(mapRuleViolations(GetParam().apply(map)).isEmpty()) << GetParam().what;
}

const MapRegion& region(const char* code)
{
    for (const MapRegion& r : mapRegions())
        if (qstrcmp(r.code, code) == 0)
            return r;
    throw std::logic_error("no such region");
}

INSTANTIATE_TEST_SUITE_P(EachRule, BrokenMap, ::testing::Values(
    Breakage{"a frame pixel in Yukon's colour", [](QImage m) {
        m.setPixel(0, 100, indexOf(m, region("yt").colour));
        return m;
    }},
    Breakage{"a frame pixel in New Brunswick's colour on the bottom row", [](QImage m) {
        m.setPixel(200, m.height() - 1, indexOf(m, region("nb").colour));
        return m;
    }},
    Breakage{"sea at Prince Edward Island's sampling point", [](QImage m) {
        const MapRegion& pe = region("pe");
        m.setPixel(pe.x, pe.y, indexOf(m, seaColour));
        return m;
    }},
    Breakage{"a border pixel in the corner of Ontario's margin", [](QImage m) {
        const MapRegion& on = region("on");
        m.setPixel(on.x + 1, on.y - 1, indexOf(m, borderColour));
        return m;
    }},
    Breakage{"Nova Scotia painted over with sea", [](QImage m) {
        const int ns = indexOf(m, region("ns").colour), sea = indexOf(m, seaColour);
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x)
                if (m.pixelIndex(x, y) == ns)
                    m.setPixel(x, y, sea);
        return m;
    }},
    Breakage{"a seventeenth colour", [](QImage m) {
        QList<QRgb> table = m.colorTable();
        table.append(qRgb(1, 2, 3));
        m.setColorTable(table);
        m.setPixel(100, 20, int(table.size() - 1));
        return m;
    }},
    Breakage{"true colour instead of a palette", [](QImage m) {
        return m.convertToFormat(QImage::Format_RGB32);
    }},
    Breakage{"a pixel short", [](QImage m) {
        return m.copy(0, 0, m.width() - 1, m.height());
    }}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
