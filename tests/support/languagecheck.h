// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Switching the language in a test, and the access keys of the captions it shows.
#include "ui/language.h"

#include <QAction>
#include <QApplication>
#include <QMap>
#include <QStringList>

// French for the length of a test; English again after it, whatever happens.
struct InFrench {
    InFrench()
    {
        language::apply(language::Language::French);
        QApplication::processEvents();
    }
    ~InFrench()
    {
        language::apply(language::Language::English);
        QApplication::processEvents();
    }
    InFrench(const InFrench&) = delete;
    InFrench& operator=(const InFrench&) = delete;
};

// The access key of a caption, lower case; none for a caption without one.
inline QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

// The captions of a list whose access keys clash.
inline QStringList clashes(const QStringList& captions)
{
    QMap<QChar, QString> seen;
    QStringList out;
    for (const QString& caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull())
            continue;
        if (seen.contains(key))
            out << seen[key] + QStringLiteral(" / ") + caption;
        seen.insert(key, caption);
    }
    return out;
}

inline QStringList menuCaptions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* a : actions)
        if (!a->isSeparator())
            captions << a->text();
    return captions;
}
