// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz picture: a calm parchment-and-sky background for the question box, the top bar
// and the buttons. It is stretched to very different shapes, so it stays light and low in
// contrast: bold black captions must read on every part of it.
#include "pictures.h"
#include "imagefiles.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace symbolgen {
namespace {

constexpr int kWidth = 459;
constexpr int kHeight = 137;
constexpr int kSupersample = 2;

// A fixed little generator, so the paper grain is the same on every run and platform.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : s_(seed) {}
    std::uint32_t next()
    {
        s_ = s_ * 1664525u + 1013904223u;
        return s_ >> 8;
    }
    double unit() { return (next() & 0xffff) / 65535.0; }

private:
    std::uint32_t s_;
};

} // namespace

QImage drawQuiz()
{
    QImage big(kWidth * kSupersample, kHeight * kSupersample, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSupersample, kSupersample);

        // Warm parchment on the left easing into a pale northern sky on the right.
        QLinearGradient base(0, 0, kWidth, kHeight);
        base.setColorAt(0.0, QColor(249, 242, 222));
        base.setColorAt(0.55, QColor(244, 241, 229));
        base.setColorAt(1.0, QColor(226, 237, 246));
        p.fillRect(QRectF(0, 0, kWidth, kHeight), base);

        // A soft glow in the middle keeps the centre, where the text sits, the lightest.
        QRadialGradient glow(QPointF(kWidth * 0.45, kHeight * 0.45), kWidth * 0.55);
        glow.setColorAt(0, QColor(255, 253, 245, 120));
        glow.setColorAt(1, QColor(255, 253, 245, 0));
        p.fillRect(QRectF(0, 0, kWidth, kHeight), glow);

        // Faint contour lines, as on a survey map.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 9; ++i) {
            QPainterPath line;
            const double y0 = 10 + i * 15.5;
            for (int x = -10; x <= kWidth + 10; x += 3) {
                const double y = y0 + 6.0 * std::sin(x / 61.0 + i * 0.9) + 3.0 * std::sin(x / 23.0 + i * 2.1);
                if (x == -10)
                    line.moveTo(x, y);
                else
                    line.lineTo(x, y);
            }
            p.setPen(QPen(QColor(150, 130, 95, 26), 0.9));
            p.drawPath(line);
        }

        // A few faint compass-rose rings in the corner, barely there.
        const QPointF rose(kWidth - 48, kHeight - 40);
        p.setPen(QPen(QColor(110, 130, 160, 30), 0.8));
        for (int r : {14, 22, 30})
            p.drawEllipse(rose, r, r);
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4;
            p.drawLine(rose, rose + QPointF(std::cos(a), std::sin(a)) * (k % 2 ? 24 : 34));
        }
    }
    QImage img = boxDownsample(big, kSupersample);

    // Paper grain (a gentle, fixed noise) and slightly toned edges, which give the stretched
    // buttons and the bar a soft rim.
    Lcg rng(20240917u);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double ex = std::min(x, kWidth - 1 - x) / (kWidth * 0.06);
            const double ey = std::min(y, kHeight - 1 - y) / (kHeight * 0.16);
            const double e = std::min(1.0, std::min(ex, ey));
            const double shade = 1.0 - 0.09 * (1 - e) * (1 - e);
            const double d = (rng.unit() - 0.5) * 5.0;
            const QRgb c = img.pixel(x, y);
            auto tone = [&](int v, double warm) { return qBound(0, int(std::lround(v * shade - warm * (1 - shade) + d)), 255); };
            img.setPixel(x, y, qRgb(tone(qRed(c), 0), tone(qGreen(c), 20), tone(qBlue(c), 60)));
        }
    }
    return img;
}

} // namespace symbolgen
