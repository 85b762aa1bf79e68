// SPDX-License-Identifier: GPL-3.0-or-later
// French typography, the same in every French text the pupil reads: the catalogue and the help.
// A colon takes a non-breaking space before it, guillemets one inside them, and "?", "!" and
// ";" none at all.
#include "support/catalogue.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

namespace {

constexpr QChar Nbsp(0x00a0);

// Every fault of `text`, each with the words around it.
QStringList typographyFaults(const QString& text)
{
    QStringList faults;
    const auto around = [&](qsizetype i) {
        return QLatin1Char('"') + text.mid(std::max<qsizetype>(0, i - 20), 30).replace(Nbsp, QStringLiteral("~"))
            + QLatin1Char('"');
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype offset = 0;
    for (const QString& line : lines) {
        // A line indented as an example ("    Results: classresults.csv") is file content,
        // written as the file wants it.
        const bool example = line.startsWith(QLatin1String("    "));
        for (qsizetype k = 0; k < line.size() && !example; ++k) {
            const QChar c = line[k];
            const qsizetype at = offset + k;
            const QChar before = k > 0 ? line[k - 1] : QChar();
            const QChar after = k + 1 < line.size() ? line[k + 1] : QChar();
            if (c == QLatin1Char(':')) {
                // Punctuation only where a space or the end follows: "12:50", "FICHIER:LIGNE:"
                // and a quoted key «\u00a0quiz:\u00a0» are no sentence's colon.
                if (!after.isNull() && after != QLatin1Char(' ') && after != QLatin1Char('\n'))
                    continue;
                const qsizetype wordStart = line.lastIndexOf(QLatin1Char(' '), k) + 1;
                if (line.mid(wordStart, k - wordStart).contains(QLatin1Char(':')))
                    continue;
                if (k > 0 && before != Nbsp)
                    faults << QStringLiteral("no non-breaking space before the colon in ") + around(at);
            } else if (c == QLatin1Char('?') || c == QLatin1Char('!') || c == QLatin1Char(';')) {
                if (!before.isSpace())
                    continue;
                // The mark itself in guillemets: «\u00a0;\u00a0».
                const QString left = line.left(k).trimmed();
                if (left.endsWith(QChar(0x00ab)))
                    continue;
                faults << QStringLiteral("a space before \"") + c + QStringLiteral("\" in ") + around(at);
            } else if (c == QChar(0x00ab) && after != Nbsp) {
                faults << QStringLiteral("no non-breaking space after \u00ab in ") + around(at);
            } else if (c == QChar(0x00bb) && before != Nbsp) {
                faults << QStringLiteral("no non-breaking space before \u00bb in ") + around(at);
            }
        }
        offset += line.size() + 1;
    }
    return faults;
}

} // namespace

TEST(FrenchTypography, TheCheckFindsEachFaultAndLetsFileSyntaxBe)
{
    const struct { const char* text; int faults; } cases[] = {
        {"Pointage\u00a0: %1", 0},
        {"Pointage : %1", 1},
        {"Score:", 1},
        {"Voulez-vous le remplacer ?", 1},
        {"Raté! Vous étiez %1; et non %2\u00a0!", 1},
        {"pas de «\u00a0;\u00a0» entre la région et l'image", 0},
        {"vouliez-vous dire «\u00a0%2:\u00a0»?", 0},
        {"« %1 »", 2},
        {"sous la forme FICHIER:LIGNE: problème, à 12:50", 0},
        {"ajoutez cette ligne\u00a0:\n\n    Results: classresults.csv\n\nChaque partie", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typographyFaults(QString::fromUtf8(c.text)).size(), c.faults) << c.text;
}

TEST(FrenchTypography, EveryFrenchTextOfTheCatalogue)
{
    const QList<Message> messages = readCatalogue(QStringLiteral(QUILLORA_SOURCE_DIR "/translations/quillora_fr.ts"));
    ASSERT_GT(messages.size(), 500);
    QStringList faults;
    for (const Message& m : messages)
        for (const QString& fault : typographyFaults(m.translation))
            faults << m.context + QStringLiteral(": ") + fault;
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST(FrenchTypography, EveryFrenchHelpPage)
{
    const QDir pages(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/help/fr"));
    const QStringList names = pages.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(names.size(), 16);
    QStringList faults;
    for (const QString& name : names) {
        QFile file(pages.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const QString& fault : typographyFaults(helpText(QString::fromUtf8(file.readAll()))))
            faults << name + QStringLiteral(": ") + fault;
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}
