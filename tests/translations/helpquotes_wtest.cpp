// SPDX-License-Identifier: GPL-3.0-or-later
// The help quotes the game's own words: every interface text it quotes, in “ ” in the English
// pages and in « » in the French ones, is a text the game shows in that language. A text
// renamed in the game and not in the help fails here.
#include "support/catalogue.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString simplified(QString text)
{
    text.replace(QChar(0x00a0), QLatin1Char(' ')).replace(QChar(0x202f), QLatin1Char(' '));
    return text.simplified();
}

// A caption without its access key: "Q&uitter" reads "Quitter", "&&" an ampersand.
QString withoutAccessKey(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

class GameTexts {
public:
    void add(const QString& text)
    {
        const QString plain = simplified(withoutAccessKey(text));
        if (plain.isEmpty())
            return;
        // A placeholder stands for any words, or none at the end ("Hint:  Locate %1").
        QString pattern;
        static const QRegularExpression placeholder(QStringLiteral("\\s*%\\d+\\s*"));
        qsizetype last = 0;
        for (const auto& m : placeholder.globalMatch(plain)) {
            pattern += QRegularExpression::escape(plain.mid(last, m.capturedStart() - last)) + QStringLiteral("\\s*.*?\\s*");
            last = m.capturedEnd();
        }
        pattern += QRegularExpression::escape(plain.mid(last));
        m_patterns << QRegularExpression(QRegularExpression::anchoredPattern(pattern));
    }

    // One text, or sentences the game says one after the other ("Map of Canada. Place ...").
    bool has(const QString& quote) const
    {
        for (const QRegularExpression& p : m_patterns)
            if (p.match(quote).hasMatch())
                return true;
        for (qsizetype at = quote.indexOf(QLatin1String(". ")); at > 0; at = quote.indexOf(QLatin1String(". "), at + 1))
            if (has(quote.left(at + 1)) && has(quote.mid(at + 2)))
                return true;
        return false;
    }

private:
    QList<QRegularExpression> m_patterns;
};

// The texts a page quotes between `open` and `close`, whitespace made single spaces.
QStringList quotesOf(const QString& text, QChar open, QChar close)
{
    QStringList quotes;
    for (qsizetype start = text.indexOf(open); start >= 0; start = text.indexOf(open, start + 1)) {
        const qsizetype end = text.indexOf(close, start + 1);
        if (end < 0)
            break;
        quotes << simplified(text.mid(start + 1, end - start - 1));
    }
    return quotes;
}

struct Language {
    const char* folder;
    QChar open, close;
    bool french;
    // What the pages quote that is no text of the game: the content of files and what a
    // player types, quoted as it is written.
    QSet<QString> notInterface;
};

void expectQuotesAreTheGames(const Language& language)
{
    const QList<Message> messages = readCatalogue(QStringLiteral(QUILLORA_SOURCE_DIR "/translations/quillora_fr.ts"));
    ASSERT_GT(messages.size(), 500);
    GameTexts game;
    for (const Message& m : messages)
        game.add(language.french ? m.translation : m.source);
    const QDir pages(QStringLiteral(QUILLORA_SOURCE_DIR "/assets/help/") + QLatin1String(language.folder));
    QStringList faults;
    int quotes = 0;
    for (const QString& name : pages.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QFile file(pages.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const QString& quote : quotesOf(helpText(QString::fromUtf8(file.readAll())), language.open, language.close)) {
            ++quotes;
            if (language.notInterface.contains(quote))
                continue;
            // A window's caption: the program's title, then its own part.
            const bool caption = quote.startsWith(QLatin1String("Quillora--")) && game.has(quote.mid(8));
            if (!caption && !game.has(quote))
                faults << name + QStringLiteral(": \"") + quote + QLatin1Char('"');
        }
    }
    EXPECT_GT(quotes, 10) << "the pages quote the game";
    EXPECT_TRUE(faults.isEmpty()) << "quoted, but not a text of the game:\n" << faults.join(QLatin1Char('\n')).toStdString();
}

} // namespace

TEST(HelpQuotes, TheMatchTakesPlaceholdersAccessKeysAndSentencesInTurn)
{
    GameTexts game;
    for (const char* text : {"Q&uitter", "Trouvé\u00a0: %1", "Hint:  Locate %1", "Map of Canada.", "Place the symbol of %1."})
        game.add(QString::fromUtf8(text));
    EXPECT_TRUE(game.has(QStringLiteral("Quitter")));
    EXPECT_TRUE(game.has(QString::fromUtf8("Trouvé : Nouvelle-Écosse")));
    EXPECT_TRUE(game.has(QStringLiteral("Hint: Locate")));
    EXPECT_TRUE(game.has(QStringLiteral("Map of Canada. Place the symbol of Yukon.")));
    EXPECT_FALSE(game.has(QStringLiteral("Sortir")));
    EXPECT_FALSE(game.has(QStringLiteral("Found: Nova Scotia")));
    EXPECT_FALSE(game.has(QStringLiteral("Map of Canada. Place it.")));
}

TEST(HelpQuotes, EveryTextTheEnglishHelpQuotesIsTheGames)
{
    expectQuotesAreTheGames({"", QChar(0x201c), QChar(0x201d), false,
                             {QStringLiteral("quiz:"), QStringLiteral("piclist:"), QStringLiteral("Use birds"),
                              QStringLiteral("Use"), QStringLiteral("ANSI"), QStringLiteral(";"), QStringLiteral("\\"),
                              QStringLiteral("PEI"), QStringLiteral("Yukon"), QStringLiteral("2345"), QStringLiteral("!"),
                              QStringLiteral("Newfoundland and Labrador"), QStringLiteral("Western European"),
                              QStringLiteral("Quillora--Valdra.scr"),
                              QStringLiteral("zoe tremblay"), QString::fromUtf8("Zoé Tremblay"), QString::fromUtf8("Łucja")}});
}

TEST(HelpQuotes, EveryTextTheFrenchHelpQuotesIsTheGames)
{
    expectQuotesAreTheGames({"fr", QChar(0x00ab), QChar(0x00bb), true,
                             {QStringLiteral("quiz:"), QStringLiteral("ANSI"), QStringLiteral("\\"), QStringLiteral("!"),
                              QString::fromUtf8("Î.-P.-É."), QStringLiteral("Yukon"), QStringLiteral("oiseaux"),
                              QStringLiteral("birds"), QString::fromUtf8("Nouvelle Écosse"), QStringLiteral("Europe occidentale"),
                              QStringLiteral("Quillora--Valdra.scr")}});
}
