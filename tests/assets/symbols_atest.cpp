// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in quiz picture, crests and floral emblems: each loads from the embedded
// resources with the size, format and colour depth the picture store expects, and no two
// symbols of a set are the same picture.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace {

const QStringList kCodes = {"bc", "ab", "sk", "mb", "on", "qc", "nb", "ns", "pe", "nl", "yt", "nt", "nu"};

struct Picture {
    QString path;
    QSize size;
    QByteArray format;  // as QImageReader names it
    int bits;           // bits per pixel in the file
};

void PrintTo(const Picture& p, std::ostream* os) { *os << p.path.toStdString(); }

QSize floralSize(const QString& code)
{
    if (code == "yt")
        return {162, 172};
    if (code == "nl")
        return {187, 184};
    if (code == "nb")
        return {89, 91};
    return {162, 165};
}

QString crestPath(const QString& code)
{
    return code == "nu" ? ":/crests/nu.jpg" : ":/crests/" + code + ".bmp";
}

QString floralPath(const QString& code)
{
    return code == "nu" ? ":/floral/nu.gif" : ":/floral/" + code + ".bmp";
}

std::vector<Picture> allPictures()
{
    std::vector<Picture> out{{":/quiz.bmp", {459, 137}, "bmp", 24}};
    for (const QString& c : kCodes)
        out.push_back(c == "nu" ? Picture{crestPath(c), {65, 80}, "jpeg", 24} : Picture{crestPath(c), {65, 80}, "bmp", 4});
    for (const QString& c : kCodes)
        out.push_back(c == "nu" ? Picture{floralPath(c), {162, 165}, "gif", 8}
                                : Picture{floralPath(c), floralSize(c), "bmp", 24});
    return out;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int bmpBitCount(const QByteArray& bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return -1;
    return uchar(bytes[28]) | (uchar(bytes[29]) << 8);
}

class BuiltInPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(BuiltInPicture, LoadsWithItsSizeFormatAndDepth)
{
    const Picture& want = GetParam();
    ASSERT_TRUE(QFile::exists(want.path)) << "not embedded";
    QImageReader reader(want.path);
    EXPECT_EQ(reader.format(), want.format);
    const QImage img = reader.read();
    ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(img.size(), want.size);

    const QByteArray bytes = fileBytes(want.path);
    if (want.format == "bmp") {
        EXPECT_EQ(bmpBitCount(bytes), want.bits);
    } else if (want.format == "gif") {
        EXPECT_TRUE(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a"));
        EXPECT_LE(img.colorCount(), 256);
    }
    if (want.bits <= 4) {
        EXPECT_LE(img.colorCount(), 16);
        QSet<QRgb> used;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                used.insert(img.pixel(x, y));
        EXPECT_LE(used.size(), 16);
        EXPECT_GE(used.size(), 4) << "a crest needs more than a couple of colours to be a design";
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, BuiltInPicture, ::testing::ValuesIn(allPictures()),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             QString name = info.param.path.mid(2);
                             name.replace('/', '_').replace('.', '_');
                             return name.toStdString();
                         });

// Share of pixels that differ clearly between two pictures, compared at a common size.
double differingShare(const QImage& a, const QImage& b)
{
    const QSize common(64, 64);
    const QImage x = a.convertToFormat(QImage::Format_RGB32).scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.convertToFormat(QImage::Format_RGB32).scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int j = 0; j < common.height(); ++j) {
        for (int i = 0; i < common.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            differing += d > 48;
        }
    }
    return double(differing) / (common.width() * common.height());
}

struct SymbolSet {
    const char* name;
    QString (*path)(const QString&);
    double minShare;  // the least share of clearly different pixels between any two symbols
};

void PrintTo(const SymbolSet& s, std::ostream* os) { *os << s.name; }

class SymbolSetPictures : public ::testing::TestWithParam<SymbolSet> {};

TEST_P(SymbolSetPictures, EverySymbolIsItsOwnPicture)
{
    const SymbolSet& set = GetParam();
    std::vector<QImage> images;
    for (const QString& c : kCodes) {
        images.emplace_back(set.path(c));
        ASSERT_FALSE(images.back().isNull()) << set.path(c).toStdString();
    }
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_GE(differingShare(images[i], images[j]), set.minShare)
                << kCodes[int(i)].toStdString() << " and " << kCodes[int(j)].toStdString() << " look alike";
}

INSTANTIATE_TEST_SUITE_P(Assets, SymbolSetPictures,
                         ::testing::Values(SymbolSet{"crests", crestPath, 0.15}, SymbolSet{"floral", floralPath, 0.10}),
                         [](const ::testing::TestParamInfo<SymbolSet>& info) { return std::string(info.param.name); });

// The quiz picture lies under bold black captions on the question box, the bar and the
// buttons: it must stay light everywhere and low in contrast.
TEST(QuizPicture, StaysLightAndQuietUnderBlackCaptions)
{
    const QImage img(":/quiz.bmp");
    ASSERT_FALSE(img.isNull());
    int lo = 255, hi = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const int l = qGray(img.pixel(x, y));
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
    }
    EXPECT_GE(lo, 190);
    EXPECT_LE(hi - lo, 60);
}

} // namespace
