// SPDX-License-Identifier: GPL-3.0-or-later
// The French catalogue against the sources as they are now: lupdate collects every text into a
// copy of it, so a text added without its French fails here, as does a French that lost a
// placeholder or an access key of its English.
#include "support/catalogue.h"
#include "support/testfolder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QSet<QString> placeholders(const QString& text)
{
    QSet<QString> found;
    static const QRegularExpression number(QStringLiteral("%(\\d+)"));
    for (const auto& m : number.globalMatch(text))
        found << m.captured(0);
    return found;
}

// An access key: "&" before a letter; "&&" is a plain ampersand.
bool hasAccessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (text[i + 1].isLetterOrNumber())
            return true;
    }
    return false;
}

TEST(FrenchCatalogue, EveryTextHasAFinishedTranslationThatKeepsItsPlaceholdersAndAccessKeys)
{
    TestFolder folder;
    const QString copy = folder.file(QStringLiteral("quillora_fr.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/translations/quillora_fr.ts"), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QStringList arguments{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-silent"), QStringLiteral("-I"), QStringLiteral(QUILLORA_SOURCE_DIR)};
    for (const char* dir : {"app", "ui", "game", "config", "symbols", "checker", "files", "classroom", "editor", "explore"}) {
        const QString path = QStringLiteral(QUILLORA_SOURCE_DIR "/") + QLatin1String(dir);
        if (QFile::exists(path))
            arguments << path;
    }
    arguments << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUILLORA_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const QList<Message> messages = readCatalogue(copy);
    ASSERT_GT(messages.size(), 200);
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (!m.type.isEmpty() || m.translation.isEmpty()) {
            faults << where + QStringLiteral(" has no finished French (run the update_translations target)");
            continue;
        }
        if (!placeholders(m.translation).contains(placeholders(m.source)))
            faults << where + QStringLiteral(" lost a placeholder in \"") + m.translation + QLatin1Char('"');
        if (hasAccessKey(m.source) && !hasAccessKey(m.translation))
            faults << where + QStringLiteral(" lost its access key in \"") + m.translation + QLatin1Char('"');
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST(FrenchCatalogue, AccessKeysAreSeenAsThePlayerSeesThem)
{
    EXPECT_TRUE(hasAccessKey(QStringLiteral("Q&uitter")));
    EXPECT_TRUE(hasAccessKey(QStringLiteral("Fran&\u00e7ais")));
    EXPECT_FALSE(hasAccessKey(QStringLiteral("Salt && pepper")));
    EXPECT_FALSE(hasAccessKey(QStringLiteral("Quitter")));
    EXPECT_EQ(placeholders(QStringLiteral("%1 de %2, %1")), QSet<QString>({QStringLiteral("%1"), QStringLiteral("%2")}));
}

} // namespace
