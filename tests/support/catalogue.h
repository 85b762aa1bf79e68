// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of a Qt Linguist catalogue and the text of a help page, as the tests read them.
#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>

struct Message {
    QString context, source, translation, type;
};

// The text of the element the reader stands on; lupdate writes a control character, such as the
// carriage return of a two-line prompt, as <byte value="xd"/>.
inline QString readCatalogueText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).toString().toInt(nullptr, 16));
        } else if (xml.isEndElement() && depth-- == 0)
            break;
    }
    return text;
}

inline QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            current = Message{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            current.source = readCatalogueText(xml);
        else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = readCatalogueText(xml);
            messages << current;
        }
    }
    return messages;
}


// The text a help page shows, with the file content its <pre> and <code> quote as it is left
// out: a <code> becomes one word of the sentence, a <pre> a line of its own.
inline QString helpText(const QString& html)
{
    QString text = html;
    static const QRegularExpression pre(QStringLiteral("<pre\\b.*?</pre>"), QRegularExpression::DotMatchesEverythingOption);
    text.replace(pre, QStringLiteral("\n"));
    static const QRegularExpression code(QStringLiteral("<(code|kbd)\\b.*?</\\1>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    text.replace(code, QStringLiteral("x"));
    static const QRegularExpression head(QStringLiteral("<head>.*?</head>"), QRegularExpression::DotMatchesEverythingOption);
    text.remove(head);
    // Block ends become line ends, so that an example line stays a line of its own.
    static const QRegularExpression blockEnd(QStringLiteral("</(p|li|h\\d|td|th|dt|dd|tr)>|<br\\s*/?>"));
    text.replace(blockEnd, QStringLiteral("\n"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.remove(tag);
    // The entities the pages use, the non-breaking space kept as one.
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#\\d+|[a-z]+);"));
    QString plain;
    qsizetype last = 0;
    for (const auto& m : entity.globalMatch(text)) {
        plain += text.mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        static const QHash<QString, QChar> named = {
            {QStringLiteral("nbsp"), QChar(0x00a0)}, {QStringLiteral("amp"), QLatin1Char('&')}, {QStringLiteral("lt"), QLatin1Char('<')},
            {QStringLiteral("gt"), QLatin1Char('>')}, {QStringLiteral("quot"), QLatin1Char('"')},
            {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("laquo"), QChar(0x00ab)},
            {QStringLiteral("raquo"), QChar(0x00bb)},
            {QStringLiteral("ldquo"), QChar(0x201c)}, {QStringLiteral("rdquo"), QChar(0x201d)},
            {QStringLiteral("mdash"), QChar(0x2014)}, {QStringLiteral("ndash"), QChar(0x2013)},
            {QStringLiteral("oelig"), QChar(0x0153)}, {QStringLiteral("times"), QChar(0x00d7)},
            {QStringLiteral("rarr"), QChar(0x2192)}, {QStringLiteral("hellip"), QChar(0x2026)},
            {QStringLiteral("eacute"), QChar(0x00e9)}, {QStringLiteral("egrave"), QChar(0x00e8)}};
        if (name.startsWith(QLatin1String("#x")))
            plain += QChar(name.mid(2).toInt(nullptr, 16));
        else if (name.startsWith(QLatin1Char('#')))
            plain += QChar(name.mid(1).toInt());
        else
            plain += named.value(name, QChar(0xfffd));
        last = m.capturedEnd();
    }
    return plain + text.mid(last);
}

