// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/settingscheck.h"

#include "checker/textscan.h"
#include "classroom/classlist.h"
#include "classroom/classrecord.h"
#include "config/settingsfile.h"
#include "files/settingsreading.h"
#include "files/textfile.h"
#include "ui/picture.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QFileInfo>
#include <QMap>
#include <array>

namespace checker {

namespace {

using settingsfile::Key;

struct KeyInfo {
    Key key;
    const char* upper;  // as the reader looks for it
    const char* name;   // as the settings editor writes it
};

constexpr std::array<KeyInfo, 11> Keys{{
    {Key::Quiz, "QUIZ:", "Quiz"},
    {Key::PicList, "PICLIST:", "PicList"},
    {Key::QuizPic, "QUIZPIC:", "QuizPic"},
    {Key::GameWidth, "GAMEWIDTH:", "Gamewidth"},
    {Key::GameHeight, "GAMEHEIGHT:", "Gameheight"},
    {Key::QuizTop, "QUIZTOP:", "Quiztop"},
    {Key::QuizLeft, "QUIZLEFT:", "Quizleft"},
    {Key::TimeOption, "TIMEOPTION:", "Timeoption"},
    {Key::DoorOption, "DOOROPTION:", "Dooroption"},
    {Key::Results, "RESULTS:", "Results"},
    {Key::Pupils, "PUPILS:", "Pupils"},
}};

const KeyInfo& info(Key key)
{
    for (const KeyInfo& k : Keys)
        if (k.key == key)
            return k;
    return Keys[0];
}

// The smallest window the game lays out, in twips; a smaller size is widened to it.
constexpr int SmallestWidth = 9600, SmallestHeight = 7200;

bool fileExists(const QString& name, const QString& besideFile)
{
    return QFileInfo(ui::resolveFileName(name, besideFile)).isFile();
}

QString minutes(int seconds)
{
    const int m = seconds / 60;
    return m == 1 ? QCoreApplication::translate("checker", "1 minute") : QCoreApplication::translate("checker", "%1 minutes").arg(m);
}

class SettingsChecker {
public:
    SettingsChecker(const QStringList& lines, const QString& fileName, FileReport& report, QList<settingsreading::Setting>& applied)
        : m_lines(lines), m_fileName(fileName), m_report(report), m_applied(applied)
    {
    }

    void run()
    {
        for (int i = 0; i < m_lines.size(); ++i) {
            if (!checkLine(i)) {
                stopAt(i);
                m_verdict.stopLine = i + 1;
                break;
            }
        }
        m_report.note(0, QCoreApplication::translate("checker", "the game starts with %1, %2, a game of %3 and %4 symbols")
                             .arg(m_verdict.quizFile.isEmpty() ? QCoreApplication::translate("checker", "no question file")
                                                               : QCoreApplication::translate("checker", "the question file %1").arg(quoted(m_verdict.quizFile)),
                                  m_verdict.picListFile.isEmpty()
                                      ? QCoreApplication::translate("checker", "no symbol list")
                                      : QCoreApplication::translate("checker", "the symbol list %1").arg(quoted(m_verdict.picListFile)),
                                  minutes(m_verdict.gameSeconds))
                             .arg(m_verdict.symbolCount));
    }

    const SettingsVerdict& verdict() const { return m_verdict; }

private:
    settingsreading::Setting& apply(Key key, int i, const QString& value)
    {
        m_applied.append({key, i + 1, value, 0, QPixmap()});
        return m_applied.last();
    }
    void note(int i, const QString& text) { m_report.note(i + 1, text); }
    // A number written with separators ("12,000"): the game reads the number at its start
    // alone, which is seldom what the teacher typed.
    void partlyRead(int i, const QString& value, qint64 read)
    {
        QString meant = value.trimmed();
        meant.remove(QRegularExpression(QStringLiteral("[\\s,'\u00A0\u202F]")));
        const std::optional<int> whole = settingsfile::windowPosition(meant);
        if (!whole || *whole == read)
            return;
        problem(i, QCoreApplication::translate("checker", "%1 is read as %2: the game takes only the number at its start; "
                                                          "write it without separators (%3)")
                       .arg(quoted(value))
                       .arg(read)
                       .arg(meant));
    }
    void problem(int i, const QString& text) { m_report.problem(i + 1, text); }

    // False where the game's reader stops.
    bool checkLine(int i)
    {
        const QString& line = m_lines[i];
        const settingsfile::SettingLine setting = settingsfile::classifyLine(line);
        if (setting.key == Key::None) {
            checkIgnored(i);
            return true;
        }
        const KeyInfo& key = info(setting.key);
        checkLeadingKey(i, key);
        if (setting.key == Key::QuizPic)
            m_picture = ui::loadPicture(setting.value, m_fileName);
        // A key given twice: the later line wins.
        const auto earlier = m_seen.constFind(setting.key);
        if (earlier != m_seen.constEnd() && applies(setting))
            m_report.warn(i + 1, QCoreApplication::translate("checker", "%1 again: this line replaces line %2").arg(QLatin1String(key.name)).arg(*earlier + 1));
        if (applies(setting))
            m_seen.insert(setting.key, i);

        const QString& value = setting.value;
        switch (setting.key) {
        case Key::None: break;
        case Key::Quiz:
            apply(setting.key, i, value);
            m_verdict.quizFile = value;
            note(i, QCoreApplication::translate("checker", "Quiz: the game loads the question file %1").arg(quoted(value)));
            if (value.isEmpty())
                problem(i, QCoreApplication::translate("checker", "no question file named: the game starts with no questions"));
            else if (!fileExists(value, m_fileName))
                problem(i, QCoreApplication::translate("checker", "the question file %1 does not exist%2: the game starts with no questions")
                               .arg(quoted(value), missingFileHint(value)));
            break;
        case Key::PicList:
            apply(setting.key, i, value);
            m_verdict.picListFile = value;
            if (value.isEmpty()) {
                note(i, QCoreApplication::translate("checker", "PicList: no symbol list"));
            } else {
                note(i, QCoreApplication::translate("checker", "PicList: the game loads the symbol list %1").arg(quoted(value)));
                if (!fileExists(value, m_fileName))
                    problem(i, QCoreApplication::translate("checker", "the symbol list %1 does not exist%2: the custom set keeps its flags")
                                   .arg(quoted(value), missingFileHint(value)));
            }
            break;
        case Key::QuizPic: {
            const ui::LoadedPicture& picture = m_picture;
            if (!picture.ok) {
                m_stop = fileExists(value, m_fileName) ? QCoreApplication::translate("checker", "%1 is not a picture the game can load").arg(quoted(value))
                                           : QCoreApplication::translate("checker", "the picture %1 does not exist%2")
                                                 .arg(quoted(value), missingFileHint(value));
                return false;
            }
            note(i, value.isEmpty() ? QCoreApplication::translate("checker", "QuizPic: empty, so the question box and the buttons show no picture")
                                    : QCoreApplication::translate("checker", "QuizPic: the question box and the buttons wear the picture %1")
                                          .arg(quoted(value)));
            apply(setting.key, i, value).picture = picture.picture;
            break;
        }
        case Key::GameWidth:
        case Key::GameHeight: {
            const std::optional<int> size = settingsfile::windowSize(value);
            const bool width = setting.key == Key::GameWidth;
            if (!size) {
                m_stop = (width ? QCoreApplication::translate("checker", "%1 is not a window width the window system takes")
                                : QCoreApplication::translate("checker", "%1 is not a window height the window system takes"))
                             .arg(quoted(value));
                return false;
            }
            apply(setting.key, i, value).number = *size;
            partlyRead(i, value, *size);
            note(i, (width ? QCoreApplication::translate("checker", "%1: the window is %2 twips wide")
                           : QCoreApplication::translate("checker", "%1: the window is %2 twips high"))
                        .arg(QLatin1String(key.name))
                        .arg(*size));
            const int smallest = width ? SmallestWidth : SmallestHeight;
            if (*size < smallest)
                m_report.warn(i + 1, QCoreApplication::translate("checker", "%1 twips is below the smallest window: the game makes it %2")
                                         .arg(*size)
                                         .arg(smallest));
            break;
        }
        case Key::QuizTop:
        case Key::QuizLeft: {
            const std::optional<int> place = settingsfile::windowPosition(value);
            if (!place) {
                m_stop = QCoreApplication::translate("checker", "%1 is not a place the window system takes").arg(quoted(value));
                return false;
            }
            apply(setting.key, i, value).number = *place;
            partlyRead(i, value, *place);
            note(i, (setting.key == Key::QuizTop ? QCoreApplication::translate("checker", "%1: the question box's top is at %2 twips")
                                                 : QCoreApplication::translate("checker", "%1: the question box's left is at %2 twips"))
                        .arg(QLatin1String(key.name))
                        .arg(*place));
            break;
        }
        case Key::TimeOption: {
            const settingsfile::Choice seconds = settingsfile::gameSeconds(value);
            if (seconds.error) {
                m_stop = QCoreApplication::translate("checker", "%1 minutes is more than the game can count").arg(quoted(value));
                return false;
            }
            if (!seconds.value) {
                problem(i, QCoreApplication::translate("checker", "%1 is not a game length the game offers (1, 3, 5 or 10 minutes): the game "
                                          "length stays %2")
                               .arg(quoted(value), minutes(m_verdict.gameSeconds)));
                break;
            }
            m_verdict.gameSeconds = *seconds.value;
            apply(setting.key, i, value).number = *seconds.value;
            note(i, QCoreApplication::translate("checker", "Timeoption: a game lasts %1 (%2 seconds)")
                        .arg(minutes(m_verdict.gameSeconds))
                        .arg(m_verdict.gameSeconds));
            break;
        }
        case Key::Results:
            apply(setting.key, i, value);
            checkResults(i, value);
            break;
        case Key::Pupils:
            apply(setting.key, i, value);
            checkPupils(i, value);
            break;
        case Key::DoorOption: {
            const settingsfile::Choice count = settingsfile::symbolCount(value);
            if (count.error) {
                m_stop = QCoreApplication::translate("checker", "%1 is more symbols than the game can count").arg(quoted(value));
                return false;
            }
            if (!count.value) {
                problem(i, QCoreApplication::translate("checker", "%1 is not a number of symbols the game offers (6 or 12): it stays %2")
                               .arg(quoted(value))
                               .arg(m_verdict.symbolCount));
                break;
            }
            m_verdict.symbolCount = *count.value;
            apply(setting.key, i, value).number = *count.value;
            note(i, QCoreApplication::translate("checker", "Dooroption: a game has %1 symbols").arg(m_verdict.symbolCount));
            break;
        }
        }
        return true;
    }

    // The class record: a file the games can append to. Its rows are the teacher's business,
    // checked by quillora-check alone (checkRecordRows), never at every start of the game.
    void checkResults(int i, const QString& value)
    {
        if (value.isEmpty()) {
            note(i, QCoreApplication::translate("checker", "Results: empty, so no class record is kept"));
            return;
        }
        note(i, QCoreApplication::translate("checker", "Results: every finished game adds a row to the class record %1").arg(quoted(value)));
        const QString why = classroom::recordNotWritable(value);
        if (!why.isEmpty())
            problem(i, QCoreApplication::translate("checker", "the class record %1 cannot be written (%2): every game will say so at its end")
                           .arg(quoted(value), why));
    }

    // The class list the record's name prompt offers.
    void checkPupils(int i, const QString& value)
    {
        if (value.isEmpty()) {
            note(i, QCoreApplication::translate("checker", "Pupils: empty, so the Class Record prompt offers no names"));
            return;
        }
        if (!fileExists(value, m_fileName)) {
            problem(i, QCoreApplication::translate("checker", "the class list %1 does not exist%2: the Class Record prompt offers no names")
                           .arg(quoted(value), missingFileHint(value)));
            return;
        }
        const classroom::ClassList list = classroom::readClassList(ui::resolveFileName(value, m_fileName));
        if (!list.opened) {
            problem(i, QCoreApplication::translate("checker", "the class list %1 cannot be read (%2): the Class Record prompt offers no names")
                           .arg(quoted(value), list.error));
            return;
        }
        if (list.names.isEmpty()) {
            m_report.warn(i + 1, QCoreApplication::translate("checker", "the class list %1 holds no names").arg(quoted(value)));
            return;
        }
        note(i, QCoreApplication::translate("checker", "Pupils: the Class Record prompt offers the %1 names of the class list %2")
                    .arg(list.names.size())
                    .arg(quoted(value)));
        if (list.firstDuplicate > 0)
            m_report.warn(i + 1, QCoreApplication::translate("checker", "the class list %1 names %2 again on its line %3: both are one pupil")
                                     .arg(quoted(value), quoted(list.duplicate))
                                     .arg(list.firstDuplicate));
    }

    // Whether the reader takes the line's value (rather than skipping it or stopping).
    bool applies(const settingsfile::SettingLine& setting) const
    {
        switch (setting.key) {
        case Key::QuizPic: return m_picture.ok;
        case Key::GameWidth:
        case Key::GameHeight: return settingsfile::windowSize(setting.value).has_value();
        case Key::QuizTop:
        case Key::QuizLeft: return settingsfile::windowPosition(setting.value).has_value();
        case Key::TimeOption: return settingsfile::gameSeconds(setting.value).value.has_value();
        case Key::DoorOption: return settingsfile::symbolCount(setting.value).value.has_value();
        default: return true;
        }
    }

    // A line without a key the reader knows; a misspelt key is the likely cause.
    void checkIgnored(int i)
    {
        const QString& line = m_lines[i];
        if (line.trimmed().isEmpty())
            return;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString word = line.left(colon < 0 ? line.size() : colon).trimmed().toUpper();
        for (const KeyInfo& k : Keys) {
            const QString name = QString::fromLatin1(k.upper).chopped(1);
            // A long word is no slip of a key (and comparing it would take long).
            if (!word.isEmpty() && word.size() < 40 && editDistance(word, name) <= 2) {
                problem(i, QCoreApplication::translate("checker", "%1 is no setting the game knows, so it ignores this line; did you mean \"%2:\"?")
                               .arg(quoted(line.left(colon < 0 ? line.size() : colon).trimmed()), QLatin1String(k.name)));
                return;
            }
        }
        m_report.warn(i + 1, QCoreApplication::translate("checker", "holds no setting key: the game ignores this line"));
    }

    // The key a line starts with is not always the one the reader finds first.
    void checkLeadingKey(int i, const KeyInfo& found)
    {
        const QString& line = m_lines[i];
        const QString word = line.left(line.indexOf(QLatin1Char(':')) + 1).trimmed().toUpper();
        if (word == QLatin1String(found.upper))
            return;
        for (const KeyInfo& k : Keys)
            if (word == QLatin1String(k.upper))
                problem(i, QCoreApplication::translate("checker", "the line starts with \"%1:\" but also holds \"%2\", which the game looks for "
                                          "first: it reads the line as %3")
                               .arg(QLatin1String(k.name), QLatin1String(found.upper), QLatin1String(found.name)));
    }

    void stopAt(int i)
    {
        QStringList lost;
        for (int j = i + 1; j < m_lines.size(); ++j) {
            const Key key = settingsfile::classifyLine(m_lines[j]).key;
            if (key != Key::None)
                lost << QCoreApplication::translate("checker", "%1 (line %2)").arg(QLatin1String(info(key).name)).arg(j + 1);
        }
        QString text = m_stop + QCoreApplication::translate("checker", ": the game stops reading the settings here");
        if (!lost.isEmpty())
            text += QCoreApplication::translate("checker", ", so it loses ") + lost.join(QStringLiteral(", "));
        if (!m_verdict.picListFile.isEmpty())
            text += QCoreApplication::translate("checker", "; the symbol list %1 is loaded only when the first game starts")
                        .arg(quoted(m_verdict.picListFile));
        problem(i, text);
    }

    const QStringList& m_lines;
    QString m_fileName;
    FileReport& m_report;
    QList<settingsreading::Setting>& m_applied;
    ui::LoadedPicture m_picture;  // of the QuizPic line being read
    QString m_stop;
    SettingsVerdict m_verdict;
    QMap<Key, int> m_seen;
};

} // namespace

namespace {

QString rowList(const QList<int>& lines, int count)
{
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    QString text = numbers.join(QStringLiteral(", "));
    if (count > lines.size())
        text += QCoreApplication::translate("checker", " and %1 more").arg(count - lines.size());
    return text;
}

// The class record's rows, for the teacher who runs the checker: the game itself never reads
// them at start-up. Read through keeping no rows, so a big record costs little.
void checkRecordRows(const settingsreading::Reading& reading, FileReport& report)
{
    const settingsreading::Setting* results = nullptr;
    for (const settingsreading::Setting& s : reading.settings)
        if (s.key == settingsfile::Key::Results)
            results = &s;
    if (!results || results->value.isEmpty() || !classroom::recordNotWritable(results->value).isEmpty())
        return;
    const QString name = quoted(results->value);
    classroom::RecordReader reader(results->value);
    classroom::RecordFile record;
    while (reader.read(record, 10000, false)) {
    }
    if (!record.opened) {
        report.problem(results->line, QCoreApplication::translate("checker", "the class record %1 cannot be read (%2)").arg(name, record.error));
        return;
    }
    if (record.skipped > 0)
        report.problem(results->line,
                       (record.skipped == 1 ? QCoreApplication::translate("checker", "the class record %1 has a row that cannot be read, row %2: the Class Results window skips it")
                                            : QCoreApplication::translate("checker", "the class record %1 has %3 rows that cannot be read, rows %2: the Class Results window skips them"))
                           .arg(name, rowList(record.skippedLines, record.skipped))
                           .arg(record.skipped));
    if (record.cutOff)
        report.warn(results->line, QCoreApplication::translate("checker", "the class record %1 is larger than the Class Results window reads (%2 MB): it reads up to row %3")
                                       .arg(name)
                                       .arg(classroom::LargestRecord / (1024 * 1024))
                                       .arg(record.lastLine));
    if (record.mixedEncodings())
        report.warn(results->line, QCoreApplication::translate("checker", "the class record %1 mixes two encodings (UTF-8 from row %2, Windows-1252 from row %3): "
                                                                   "a spreadsheet shows some names wrongly; open it in a spreadsheet and save it as CSV in UTF-8")
                                       .arg(name)
                                       .arg(record.firstUtf8Line)
                                       .arg(record.firstWindows1252Line));
}

} // namespace

FileReport checkSettingsFile(const QString& fileName, SettingsVerdict* verdict)
{
    settingsreading::Reading reading;
    reading.file = ui::readTextFile(fileName, {-1, settingsreading::MostBytes});
    reading.report.file = fileName;
    readSettingsLines(reading, verdict);
    checkRecordRows(reading, reading.report);
    return reading.report;
}

void readSettingsLines(settingsreading::Reading& reading, SettingsVerdict* verdict)
{
    FileReport& report = reading.report;
    QString summary;
    if (!checkRead(reading.file, report, &summary))
        return;
    report.findings.prepend({0, Severity::Note, QCoreApplication::translate("checker", "read as %1").arg(summary)});
    if (reading.file.bytesLeftUnread)
        report.problem(int(reading.file.lines.size()),
            QCoreApplication::translate("checker", "the file is larger than the game reads (%1 KiB): it reads up to here, in the middle of this line")
                .arg(settingsreading::MostBytes / 1024));
    SettingsChecker checker(reading.file.lines, report.file, report, reading.settings);
    checker.run();
    reading.stopped = checker.verdict().stopLine > 0;
    if (verdict)
        *verdict = checker.verdict();
}

} // namespace checker
