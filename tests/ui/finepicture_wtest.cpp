// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in symbols are drawn from their fine copies at the size shown: crisp when large,
// the same picture as the small one, and a teacher's own picture as it always was.
#include "symbols/form3.h"
#include "ui/finepicture.h"
#include "ui/picture.h"
#include "ui/widgets.h"

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Edge energy: the sum of squared steps between neighbouring pixels. A soft (upscaled) edge
// spreads one step over many pixels, which gives a fraction of the energy of a sharp one.
double edgeEnergy(const QImage& picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* line = img.constScanLine(y);
        for (int x = 1; x < img.width(); ++x)
            sum += double(line[x] - line[x - 1]) * (line[x] - line[x - 1]);
    }
    return sum;
}

// Mean absolute difference of two pictures of one size, 0..255.
double difference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

QImage shown(const QPixmap& picture, QSize size)
{
    ui::PictureImage image;
    image.resize(size);
    image.setPicture(picture);
    return image.grab().toImage();
}

TEST(FinePicture, EveryBuiltInSymbolHasAFineCopyOfItsShape)
{
    for (int position = 0; position < Form3::StoreSize; ++position) {
        const QString name = builtInPicture(position);
        const QImage coarse(name), fine(ui::fineSourceOf(name));
        ASSERT_FALSE(coarse.isNull()) << name.toStdString();
        ASSERT_FALSE(fine.isNull()) << name.toStdString() << " has no fine copy that loads";
        // As high as a symbol is shown on a 1600-pixel screen, and the same proportions.
        EXPECT_GE(fine.height(), 512) << name.toStdString();
        EXPECT_NEAR(double(fine.width()) / fine.height(), double(coarse.width()) / coarse.height(), 0.01)
            << name.toStdString();
        // The same picture: shrunk to the small one's size, it is nearer that one than any
        // other symbol of its set.
        const QImage shrunk = fine.scaled(coarse.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double own = difference(shrunk, coarse);
        const int set = position / 13 * 13;
        for (int other = set; other < set + 13; ++other) {
            if (other == position)
                continue;
            const QImage theirs = QImage(builtInPicture(other)).scaled(coarse.size());
            EXPECT_LT(own, difference(shrunk, theirs)) << name.toStdString() << " looks like " << other;
        }
    }
    // Anything else has none: a teacher's pictures, the quiz picture, a near miss.
    for (const char* other : {"/home/t/crests/qc.bmp", ":/quiz.bmp", ":/crests/qc.png", ":/flags/quebec.gif"})
        EXPECT_TRUE(ui::fineSourceOf(QString::fromLatin1(other)).isEmpty()) << other;
}

TEST(FinePicture, ALargeSymbolIsDrawnFromItsFineCopyNotUpscaled)
{
    // Quebec's crest as the big symbol shows it at 300 %, and a copy of it (the game hands the
    // waiting symbol on as a copy).
    const QString name = builtInPicture(Form3::CrestSet + 5);
    const QPixmap picture = ui::builtInPixmap(name);
    const QPixmap copy = picture;
    const QSize big(455, 560);
    const QImage upscaled = picture.toImage().scaled(big, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const QPixmap& p : {picture, copy}) {
        const QImage drawn = shown(p, big);
        EXPECT_GT(edgeEnergy(drawn), 2.5 * edgeEnergy(upscaled));
        const QImage fine = QImage(ui::fineSourceOf(name)).scaled(big, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(difference(drawn, fine), 2.0);
    }
    // A teacher's picture of the same pixels is drawn as before: at this whole scale, each pixel
    // a block, which the fine copy is not.
    const QPixmap teachers = QPixmap::fromImage(picture.toImage().copy());
    EXPECT_TRUE(ui::fineRendering(teachers, big).isNull());
    const QImage blocks = picture.toImage().scaled(big).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown(teachers, big).convertToFormat(QImage::Format_RGB32), blocks);
    EXPECT_GT(difference(shown(picture, big), blocks), 2.0);
}

TEST(FinePicture, AtItsOwnSizeTheSmallPictureIsDrawnAsItIs)
{
    const QPixmap picture = ui::builtInPixmap(builtInPicture(Form3::FloralSet));
    EXPECT_TRUE(ui::fineRendering(picture, picture.size()).isNull());
    EXPECT_EQ(shown(picture, picture.size()).convertToFormat(QImage::Format_RGB32),
              picture.toImage().convertToFormat(QImage::Format_RGB32));
}

} // namespace

// Each built-in picture is read by the reader its name gives, without Qt guessing: a picture
// whose name lies about its format would be missing.
TEST(FinePicture, EveryBuiltInPictureReadsAsItsNameSays)
{
    int pictures = 0;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.gif"),
                                           QStringLiteral("*.jpg"), QStringLiteral("*.ico")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next();
        if (name.startsWith(QStringLiteral(":/qt-project.org")))
            continue;  // Qt's own
        EXPECT_FALSE(ui::builtInImage(name).isNull()) << name.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 39 * 2 + 4);
    EXPECT_FALSE(ui::gameIcon().isNull());
}
