// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settingswriter.h"

#include "config/settingsfile.h"
#include "files/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

namespace settingsfile {

QString unreadLine(const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const SettingLine setting = classifyLine(lines[i]);
        bool read = true;
        switch (setting.key) {
        case Key::None: read = lines[i].trimmed().isEmpty(); break;
        case Key::GameWidth:
        case Key::GameHeight: read = windowSize(setting.value).has_value(); break;
        case Key::QuizTop:
        case Key::QuizLeft: read = windowPosition(setting.value).has_value(); break;
        case Key::TimeOption: read = !gameSeconds(setting.value).error; break;
        case Key::DoorOption: read = !symbolCount(setting.value).error; break;
        default: break;
        }
        if (!read)
            return QStringLiteral("line %1: \"%2\"").arg(i + 1).arg(lines[i].left(60));
    }
    return {};
}

QStringList settingsLines(const GameSettings& s)
{
    // The labels are the keys the reader looks for, in the order teachers are used to.
    const std::array<std::pair<const char*, const QString*>, 9> fields{{
        {"Quiz: ", &s.QuizFile},
        {"PicList: ", &s.PicListFile},
        {"QuizPic: ", &s.QuizPicFile},
        {"Gamewidth: ", &s.GameWidth},
        {"Gameheight: ", &s.GameHeight},
        {"Quiztop: ", &s.QuizTop},
        {"Quizleft: ", &s.QuizLeft},
        {"Dooroption: ", &s.DoorOption},
        {"Timeoption: ", &s.TimeOption},
    }};
    QStringList lines;
    for (const auto& [label, value] : fields)
        if (!value->isEmpty())
            lines << QString::fromLatin1(label) + *value;
    return lines;
}

QStringList keptLines(const QStringList& existing)
{
    QStringList kept;
    for (const QString& line : existing) {
        const Key key = classifyLine(line).key;
        if (key == Key::None || key == Key::Results || key == Key::Pupils)
            kept << line;
    }
    // Blank lines at the end would pile up with every save.
    while (!kept.isEmpty() && kept.last().trimmed().isEmpty())
        kept.removeLast();
    return kept;
}

QString settingsFilePath(const QString& folder)
{
    // The same lookup the reader makes, so both always reach one file.
    const QString existing = ui::resolveFileName(QDir(folder).filePath(QStringLiteral("valdra.ini")));
    if (QFileInfo::exists(existing))
        return existing;
    return QDir(folder).filePath(QStringLiteral("Valdra.ini"));
}

namespace {

template <typename Number>
QString shortestFixed(Number value)
{
    if (!std::isfinite(value))
        return QString::number(double(value));
    // Fixed notation, as few digits as give the value back exactly.
    char text[400];
    const std::to_chars_result end = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed);
    return QString::fromLatin1(text, end.ptr - text);
}

} // namespace

QString numberText(double value) { return shortestFixed(value); }
QString numberText(float value) { return shortestFixed(value); }

} // namespace settingsfile
