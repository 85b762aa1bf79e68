// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the quiz picture, the crests and the floral emblems into the assets folder given
// on the command line. Everything is drawn here; no outside data is read.
#include "imagefiles.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace symbolgen;

namespace {

// Florals that are not the usual 162 x 165: the tall fireweed spike, the broad pitcher
// plant rosette and the small violet.
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

bool fail(const QString& what)
{
    QTextStream(stderr) << "quillora_symbolgen: cannot write " << what << "\n";
    return false;
}

// The fine copy of a symbol, as the built-in picture drawn `scale` times as large.
bool writeFine(const QImage& image, const QDir& out, const QString& name)
{
    if (image.isNull() || !writePng(image, out.filePath("fine/" + name)))
        return fail("fine/" + name);
    return true;
}

bool writeAll(const QDir& out)
{
    if (!out.mkpath("crests") || !out.mkpath("floral") || !out.mkpath("fine/crests") || !out.mkpath("fine/floral"))
        return fail(out.path());

    if (!writeBmp24(drawQuiz(), out.filePath("quiz.bmp")))
        return fail("quiz.bmp");

    for (const QString& code : kRegionCodes) {
        const CrestPicture crest = drawCrest(code);
        if (crest.image.isNull())
            return fail("crest " + code);
        if (code == "nu") {
            if (!writeJpeg(crest.image, out.filePath("crests/nu.jpg"), 92))
                return fail("crests/nu.jpg");
        } else {
            const QList<QRgb> palette = completePalette(crest.image, crest.tinctures, 16);
            if (!writeBmp4(mapToPalette(crest.image, palette), out.filePath("crests/" + code + ".bmp")))
                return fail("crests/" + code + ".bmp");
        }

        if (!writeFine(drawCrest(code, fineScale(crest.image.height())).image, out, "crests/" + code + ".png"))
            return false;

        const QImage flower = drawFloral(code);
        if (flower.size() != floralSize(code))
            return fail("floral " + code + " (wrong size)");
        if (code == "nu") {
            const QImage indexed = mapToPalette(flower, medianCutPalette(flower, 256));
            if (!writeGif(indexed, out.filePath("floral/nu.gif")))
                return fail("floral/nu.gif");
        } else if (!writeBmp24(flower, out.filePath("floral/" + code + ".bmp"))) {
            return fail("floral/" + code + ".bmp");
        }
        if (!writeFine(drawFloral(code, fineScale(flower.height())), out, "floral/" + code + ".png"))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Offscreen is enough: QPainter on QImage needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: quillora_symbolgen <assets folder>\n";
        return 2;
    }
    return writeAll(QDir(args[1])) ? 0 : 1;
}
