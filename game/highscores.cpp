// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/highscores.h"

#include <QCoreApplication>
#include <utility>

namespace highscores {

void clearList(Names& names, Values& values)
{
    for (int k = 0; k < ListSize; ++k) {
        names[k] = QString(20, QLatin1Char(' '));
        values[k] = 0;
    }
}

std::optional<qint32> readScoreField(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == QLatin1Char(' '))
        ++i;
    qsizetype end = i;
    while (end < line.size() && line[end] != QLatin1Char(' ') && line[end] != QLatin1Char(','))
        ++end;
    const QString field = line.mid(i, end - i);
    qsizetype digits = field.startsWith(QLatin1Char('-')) || field.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (digits == field.size())
        return std::nullopt;
    for (qsizetype d = digits; d < field.size(); ++d)
        if (field[d] < QLatin1Char('0') || field[d] > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const qint32 value = field.toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

ReadResult readScoreLines(const QStringList& lines, Names& names, Values& values)
{
    ReadResult result;
    qsizetype next = 0;
    while (next < lines.size()) {
        if (result.entries >= int(names.size())) {
            result.stop = ReadStop::TooMany;
            return result;
        }
        if (next + 1 >= lines.size()) {
            result.stop = ReadStop::MissingScore;
            return result;
        }
        const std::optional<qint32> value = readScoreField(lines[next + 1]);
        if (!value) {
            result.stop = ReadStop::BadScore;
            return result;
        }
        names[result.entries] = lines[next];
        values[result.entries] = *value;
        ++result.entries;
        next += 2;
    }
    return result;
}

QString scoreLine(qint32 value)
{
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value) + QLatin1Char(' ');
}

QStringList scoreFileLines(const Names& names, const Values& values)
{
    QStringList lines;
    for (int k = 0; k < ListSize; ++k)
        lines << names[k] << scoreLine(values[k]);
    return lines;
}

bool qualifies(qint32 score, int correctCount, const Values& values)
{
    return score > values[ListSize - 1] && correctCount >= CorrectAnswersNeeded;
}

void insertScore(Names& names, Values& values, qint32 score, const QString& name)
{
    qint32 carriedScore = score;
    QString carriedName = name;
    for (int k = 0; k < ListSize; ++k)
        if (carriedScore > values[k]) {
            std::swap(carriedScore, values[k]);
            std::swap(carriedName, names[k]);
        }
}

QString namePrompt(qint32 value)
{
    return QCoreApplication::translate("highscores", "Your score of %1 adds your name to the high score list.")
               .arg(value)
         + QChar(13) + QCoreApplication::translate("highscores", "Enter your name:");
}

} // namespace highscores
