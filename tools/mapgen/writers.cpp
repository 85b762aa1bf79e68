// SPDX-License-Identifier: GPL-3.0-or-later
#include "writers.h"

#include <QColor>
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <map>

namespace {

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, int(v & 0xffff));
    put16(out, int(v >> 16));
}

bool save(const QByteArray& bytes, const QString& file)
{
    QSaveFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

// GIF's variable-width LZW, codes packed from the least significant bit up.
class LzwEncoder {
public:
    explicit LzwEncoder(int minCodeSize)
        : minCodeSize_(minCodeSize), clear_(1 << minCodeSize), end_(clear_ + 1) {}

    QByteArray encode(const QByteArray& indices)
    {
        reset();
        put(clear_);
        int current = -1;
        bool firstAfterClear = true;
        for (char c : indices) {
            const int k = uchar(c);
            if (current < 0) {
                current = k;
                continue;
            }
            const auto found = table_.find(key(current, k));
            if (found != table_.end()) {
                current = found->second;
                continue;
            }
            put(current);
            firstAfterClear = false;
            table_[key(current, k)] = ++lastCode_;
            if (lastCode_ >= (1 << codeSize_) && codeSize_ < 12)
                ++codeSize_;
            if (lastCode_ == 4095) {
                put(clear_);
                reset();
                firstAfterClear = true;
            }
            current = k;
        }
        put(current);
        // The decoder adds one more entry on reading that last code; it may widen the codes
        // before the end code arrives.
        if (!firstAfterClear && lastCode_ + 1 == (1 << codeSize_) && codeSize_ < 12)
            ++codeSize_;
        put(end_);
        if (bitCount_ > 0)
            bytes_.append(char(bits_ & 0xff));
        return bytes_;
    }

private:
    static quint32 key(int prefix, int k) { return quint32(prefix) << 8 | quint32(k); }

    void reset()
    {
        table_.clear();
        codeSize_ = minCodeSize_ + 1;
        lastCode_ = end_;
    }

    void put(int code)
    {
        bits_ |= quint32(code) << bitCount_;
        bitCount_ += codeSize_;
        while (bitCount_ >= 8) {
            bytes_.append(char(bits_ & 0xff));
            bits_ >>= 8;
            bitCount_ -= 8;
        }
    }

    const int minCodeSize_, clear_, end_;
    int codeSize_ = 0, lastCode_ = 0;
    std::map<quint32, int> table_;
    quint32 bits_ = 0;
    int bitCount_ = 0;
    QByteArray bytes_;
};

} // namespace

bool writeBmp8(const QImage& picture, const QString& file)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() < 1)
        return false;
    const int stride = (picture.width() + 3) / 4 * 4;
    const int colours = int(picture.colorCount());
    const quint32 offset = 14 + 40 + 4 * colours;
    const quint32 pixelBytes = quint32(stride) * quint32(picture.height());
    QByteArray out("BM");
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, quint32(picture.width()));
    put32(out, quint32(picture.height())); // positive: rows bottom-up
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // uncompressed
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, quint32(colours));
    put32(out, quint32(colours));
    for (QRgb c : picture.colorTable())
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    for (int y = picture.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width());
        out.append(QByteArray(stride - picture.width(), '\0'));
    }
    return save(out, file);
}

bool writeIco(const QImage& picture, const QString& file)
{
    if (picture.size() != QSize(32, 32))
        return false;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    // Entry 0 is black: transparent pixels carry it under a set mask bit, which is what
    // Windows and Qt both read as "see through".
    QList<QRgb> palette{qRgb(0, 0, 0)};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) != 0 && qAlpha(p) != 255)
                return false;
            if (qAlpha(p) == 255 && !palette.contains(p | 0xff000000))
                palette.append(p | 0xff000000);
        }
    if (palette.size() > 16)
        return false;
    while (palette.size() < 16)
        palette.append(qRgb(0, 0, 0));

    constexpr int xorSize = 32 * 16, andSize = 32 * 4;
    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, 1); // one image
    out.append(char(32)).append(char(32)).append(char(16)).append(char(0));
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, 40 + 16 * 4 + xorSize + andSize);
    put32(out, 6 + 16);
    // The bitmap header counts the colour and mask halves together: twice the height.
    put32(out, 40);
    put32(out, 32);
    put32(out, 64);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, xorSize + andSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (QRgb c : palette)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    for (int y = 31; y >= 0; --y) // rows bottom-up
        for (int x = 0; x < 32; x += 2) {
            auto index = [&](int px) {
                const QRgb p = argb.pixel(px, y);
                return qAlpha(p) == 0 ? 0 : int(palette.indexOf(p | 0xff000000));
            };
            out.append(char(index(x) << 4 | index(x + 1)));
        }
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; x += 8) {
            int mask = 0;
            for (int b = 0; b < 8; ++b)
                if (qAlpha(argb.pixel(x + b, y)) == 0)
                    mask |= 0x80 >> b;
            out.append(char(mask));
        }
    return save(out, file);
}

bool writeGif(const QImage& picture, const QString& file)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() < 1 || picture.colorCount() > 256)
        return false;
    int tableBits = 1;
    while ((1 << tableBits) < picture.colorCount())
        ++tableBits;

    QByteArray out("GIF87a");
    put16(out, picture.width());
    put16(out, picture.height());
    out.append(char(0x80 | 0x70 | (tableBits - 1))); // global table, 8-bit colour resolution
    out.append(char(0));                              // background colour index
    out.append(char(0));                              // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < picture.colorCount() ? picture.color(i) : qRgb(0, 0, 0);
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    out.append(char(0x2c));
    put16(out, 0);
    put16(out, 0);
    put16(out, picture.width());
    put16(out, picture.height());
    out.append(char(0)); // no local table, not interlaced

    QByteArray indices;
    indices.reserve(picture.width() * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        indices.append(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width());
    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = LzwEncoder(minCodeSize).encode(indices);
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    out.append(char(0));
    out.append(char(0x3b));
    return save(out, file);
}
