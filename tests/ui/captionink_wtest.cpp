// SPDX-License-Identifier: GPL-3.0-or-later
// Captions over a picture take their ink from the picture's brightness under the text.
#include "ui/widgets.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A picture dark on its left half and light on its right half.
QPixmap halfAndHalf()
{
    QPixmap picture(200, 50);
    QPainter p(&picture);
    p.fillRect(0, 0, 100, 50, QColor(20, 20, 40));
    p.fillRect(100, 0, 100, 50, QColor(240, 235, 220));
    return picture;
}

TEST(CaptionInk, FollowsThePictureUnderTheText)
{
    const QPixmap picture = halfAndHalf();
    // Stretched over a 400 x 100 place: the text's area is judged where it stands.
    const struct { QRect area; QColor ink; } cases[] = {
        {QRect(10, 10, 150, 30), Qt::white},
        {QRect(230, 10, 150, 30), Qt::black},
    };
    for (const auto& c : cases) {
        const double brightness = ui::brightnessUnder(picture, QSize(400, 100), c.area);
        EXPECT_EQ(ui::inkOver(brightness).ink, c.ink) << brightness;
        // The edge always stands against the ink.
        EXPECT_NE(ui::inkOver(brightness).edge.rgb(), c.ink.rgb());
    }
    // No picture: plain dark ink, as on the window's own background.
    EXPECT_EQ(ui::inkOver(ui::brightnessUnder(QPixmap(), QSize(400, 100), QRect(0, 0, 10, 10))).ink, QColor(Qt::black));
}

TEST(CaptionInk, ALabelOverADarkPictureIsDrawnLight)
{
    QWidget window;
    window.resize(400, 100);
    auto* backdrop = new ui::PictureImage(&window);
    backdrop->setGeometry(window.rect());
    backdrop->setPicture(halfAndHalf());
    auto* label = new ui::CaptionLabel(QStringLiteral("MMMMMMMM"), &window);
    label->setGeometry(10, 10, 150, 40);
    label->setBackdrop(backdrop);
    const QImage shot = label->grab().toImage();
    int light = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            light += qGray(shot.pixel(x, y)) > 200;
    EXPECT_GT(light, 20);
}

} // namespace
