// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace symbolgen {
namespace {

// BMP resolution field: 96 dpi.
constexpr quint32 kPixelsPerMetre = 3780;

void put16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}

void put32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

QByteArray bmpHeaders(int w, int h, int bits, int paletteSize, int rowBytes)
{
    const quint32 offset = 14 + 40 + 4 * paletteSize;
    const quint32 imageSize = quint32(rowBytes) * quint32(h);
    QByteArray b;
    b.append("BM");
    put32(b, offset + imageSize);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h)); // positive: rows stored bottom-up, as every reader expects
    put16(b, 1);
    put16(b, quint16(bits));
    put32(b, 0); // BI_RGB
    put32(b, imageSize);
    put32(b, kPixelsPerMetre);
    put32(b, kPixelsPerMetre);
    put32(b, quint32(paletteSize));
    put32(b, quint32(paletteSize));
    return b;
}

bool saveBytes(const QByteArray& bytes, const QString& path)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted a little towards green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(QRgb c, const QList<QRgb>& palette)
{
    int best = 0, bestD = INT32_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance2(c, palette[i]);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

// LZW bit packer for GIF: codes go out least significant bit first, in sub-blocks of 255.
class GifBits {
public:
    void put(int code, int size)
    {
        acc_ |= quint32(code) << nbits_;
        nbits_ += size;
        while (nbits_ >= 8) {
            bytes_.append(char(acc_ & 0xff));
            acc_ >>= 8;
            nbits_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (nbits_ > 0)
            bytes_.append(char(acc_ & 0xff));
        QByteArray out;
        for (qsizetype i = 0; i < bytes_.size(); i += 255) {
            const qsizetype n = std::min<qsizetype>(255, bytes_.size() - i);
            out.append(char(n));
            out.append(bytes_.mid(i, n));
        }
        out.append(char(0));
        return out;
    }

private:
    QByteArray bytes_;
    quint32 acc_ = 0;
    int nbits_ = 0;
};

} // namespace

QImage boxDownsample(const QImage& big, int factor)
{
    const QImage src = big.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.width() / factor, src.height() / factor, QImage::Format_RGB32);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = line[x * factor + dx];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            out.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    }
    return out;
}

QImage mapToPalette(const QImage& img, const QList<QRgb>& palette)
{
    const QImage src = img.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::map<QRgb, int> cache;
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y) | 0xff000000u;
            auto it = cache.find(c);
            if (it == cache.end())
                it = cache.emplace(c, nearest(c, palette)).first;
            out.setPixel(x, y, uint(it->second));
        }
    }
    return out;
}

QList<QRgb> completePalette(const QImage& img, QList<QRgb> fixed, int size)
{
    const QImage src = img.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            ++counts[src.pixel(x, y) | 0xff000000u];
    while (fixed.size() < size) {
        // Pick the colour whose count times error (to its nearest entry) is the largest.
        QRgb best = 0;
        qint64 bestScore = 0;
        for (const auto& [c, n] : counts) {
            const qint64 score = qint64(n) * distance2(c, fixed[nearest(c, fixed)]);
            if (score > bestScore) {
                bestScore = score;
                best = c;
            }
        }
        if (bestScore == 0)
            break;
        fixed.append(best);
    }
    // A palette of exactly `size` entries: repeat the last one if the image needs no more.
    while (fixed.size() < size)
        fixed.append(fixed.last());
    return fixed;
}

QList<QRgb> medianCutPalette(const QImage& img, int size)
{
    const QImage src = img.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            ++counts[src.pixel(x, y) | 0xff000000u];
    struct Entry { QRgb c; int n; };
    std::vector<Entry> all;
    for (const auto& [c, n] : counts)
        all.push_back({c, n});
    QList<QRgb> palette;
    if (int(all.size()) <= size) {
        for (const Entry& e : all)
            palette.append(e.c);
        return palette;
    }
    using Box = std::vector<Entry>;
    std::vector<Box> boxes{all};
    auto channel = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };
    auto widest = [&](const Box& b, int& range) {
        int bestCh = 0;
        range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Entry& e : b) {
                lo = std::min(lo, channel(e.c, ch));
                hi = std::max(hi, channel(e.c, ch));
            }
            if (hi - lo > range) {
                range = hi - lo;
                bestCh = ch;
            }
        }
        return bestCh;
    };
    while (int(boxes.size()) < size) {
        // Split the box with the most pixels times spread.
        int pick = -1;
        qint64 bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            int range = 0;
            widest(boxes[i], range);
            qint64 pixels = 0;
            for (const Entry& e : boxes[i])
                pixels += e.n;
            const qint64 score = pixels * range;
            if (score > bestScore) {
                bestScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box b = std::move(boxes[pick]);
        int range = 0;
        const int ch = widest(b, range);
        std::stable_sort(b.begin(), b.end(),
                         [&](const Entry& x, const Entry& y) { return channel(x.c, ch) < channel(y.c, ch); });
        qint64 total = 0;
        for (const Entry& e : b)
            total += e.n;
        qint64 run = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < b.size(); ++i) {
            run += b[i].n;
            cut = i + 1;
            if (2 * run >= total)
                break;
        }
        boxes[pick] = Box(b.begin(), b.begin() + qsizetype(cut));
        boxes.push_back(Box(b.begin() + qsizetype(cut), b.end()));
    }
    for (const Box& b : boxes) {
        qint64 r = 0, g = 0, bl = 0, n = 0;
        for (const Entry& e : b) {
            r += qint64(qRed(e.c)) * e.n;
            g += qint64(qGreen(e.c)) * e.n;
            bl += qint64(qBlue(e.c)) * e.n;
            n += e.n;
        }
        palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((bl + n / 2) / n)));
    }
    return palette;
}

bool writeBmp24(const QImage& img, const QString& path)
{
    const QImage src = img.convertToFormat(QImage::Format_RGB32);
    const int w = src.width(), h = src.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    QByteArray b = bmpHeaders(w, h, 24, 0, rowBytes);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = src.pixel(x, y);
            row[3 * x] = char(qBlue(c));
            row[3 * x + 1] = char(qGreen(c));
            row[3 * x + 2] = char(qRed(c));
        }
        b.append(row);
    }
    return saveBytes(b, path);
}

bool writeBmp4(const QImage& indexed, const QString& path)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 16)
        return false;
    const int w = indexed.width(), h = indexed.height();
    const int rowBytes = ((w + 1) / 2 + 3) & ~3;
    QByteArray b = bmpHeaders(w, h, 4, 16, rowBytes);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const int idx = indexed.pixelIndex(x, y);
            row[x / 2] = char(uchar(row[x / 2]) | (x % 2 == 0 ? idx << 4 : idx));
        }
        b.append(row);
    }
    return saveBytes(b, path);
}

bool writeGif(const QImage& indexed, const QString& path)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256)
        return false;
    const int w = indexed.width(), h = indexed.height();
    int tableBits = 1;
    while ((1 << tableBits) < indexed.colorCount())
        ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray b("GIF89a");
    put16(b, quint16(w));
    put16(b, quint16(h));
    b.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1))); // global table, its size
    b.append(char(0)); // background index
    b.append(char(0)); // no aspect ratio
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        b.append(char(qRed(c)));
        b.append(char(qGreen(c)));
        b.append(char(qBlue(c)));
    }
    b.append(',');
    put16(b, 0);
    put16(b, 0);
    put16(b, quint16(w));
    put16(b, quint16(h));
    b.append(char(0)); // no local table, not interlaced
    b.append(char(minCodeSize));

    // LZW: the dictionary maps (prefix code, next index) to a code; it restarts when full.
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    std::vector<qint16> dict(4096 * 256, -1);
    int codeSize = minCodeSize + 1;
    int lastCode = endCode;
    GifBits bits;
    bits.put(clearCode, codeSize);
    int prefix = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int k = indexed.pixelIndex(x, y);
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const qint16 next = dict[size_t(prefix) * 256 + size_t(k)];
            if (next >= 0) {
                prefix = next;
                continue;
            }
            bits.put(prefix, codeSize);
            dict[size_t(prefix) * 256 + size_t(k)] = qint16(++lastCode);
            // The decoder grows its code width one code later than we add entries.
            if (lastCode >= (1 << codeSize))
                ++codeSize;
            if (lastCode == 4095) {
                bits.put(clearCode, codeSize);
                std::fill(dict.begin(), dict.end(), qint16(-1));
                codeSize = minCodeSize + 1;
                lastCode = endCode;
            }
            prefix = k;
        }
    }
    if (prefix >= 0)
        bits.put(prefix, codeSize);
    bits.put(endCode, codeSize);
    b.append(bits.finish());
    b.append(';');
    return saveBytes(b, path);
}

namespace {

bool writeEncoded(const QImage& img, const QString& path, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter writer(&buf, format);
    writer.setQuality(quality);
    if (!writer.write(img.convertToFormat(QImage::Format_RGB32)))
        return false;
    return saveBytes(bytes, path);
}

} // namespace

bool writeJpeg(const QImage& img, const QString& path, int quality) { return writeEncoded(img, path, "jpeg", quality); }

// For PNG, quality 0 is the strongest compression.
bool writePng(const QImage& img, const QString& path) { return writeEncoded(img, path, "png", 0); }

} // namespace symbolgen
