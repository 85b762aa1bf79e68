// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/sharedscores.h"

#include "files/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace highscores {

namespace {

// Reads name/score pairs as the game reads them, but carries on past a damaged pair: a score
// line that is not a number is dropped with its name, and reading picks up again one line on,
// so a line lost from the middle costs one entry, not every entry below it.
QString salvageScoreLines(const QStringList& lines, Names& names, Values& values)
{
    QString damage;
    int entries = 0;
    qsizetype next = 0;
    while (next < lines.size()) {
        if (entries >= int(names.size())) {
            if (damage.isEmpty())
                damage = QCoreApplication::translate("highscores", "it holds more than %1 entries").arg(names.size());
            break;
        }
        if (next + 1 >= lines.size()) {
            if (damage.isEmpty())
                damage = QCoreApplication::translate("highscores", "line %1 is a name without its score").arg(next + 1);
            break;
        }
        const std::optional<qint32> value = readScoreField(lines[next + 1]);
        if (!value) {
            if (damage.isEmpty())
                damage = QCoreApplication::translate("highscores", "line %1 is not a score: \"%2\"").arg(next + 2).arg(lines[next + 1].left(40));
            ++next;
            continue;
        }
        names[entries] = lines[next];
        values[entries] = *value;
        ++entries;
        next += 2;
    }
    return damage;
}

} // namespace

// The file's bytes as they are now: nothing when there is no file. False, with the system's
// reason, when it is there but cannot be read.
bool readFileNow(const QString& path, std::optional<QByteArray>& bytes, QString* error)
{
    bytes.reset();
    if (!QFileInfo::exists(path))
        return true;
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (QFileInfo(path).isDir())
        return fail(QCoreApplication::translate("highscores", "Is a directory"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QByteArray read = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(QCoreApplication::translate("highscores", "Input/output error"));
    bytes = std::move(read);
    return true;
}

namespace {

bool holds(const Names& names, const Values& values, qint32 value, const QString& name)
{
    for (int k = 0; k < ListSize; ++k)
        if (values[k] == value && names[k] == name)
            return true;
    return false;
}

QString parseScoreBytes(const std::optional<QByteArray>& bytes, Names& names, Values& values)
{
    clearList(names, values);
    names[ListSize] = QString();
    values[ListSize] = 0;
    return bytes ? salvageScoreLines(ui::readTextBytes(*bytes).lines, names, values) : QString();
}

// The typed name as the file keeps it (a line break in it is written as a space).
QString asWritten(QString name) { return name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')); }

// The name typed for the score, as the file keeps it.
QString typedName(const QList<TypedName>& typed, qint32 score)
{
    for (const TypedName& t : typed)
        if (t.score == score)
            return asWritten(t.name);
    return NewEntryMark;
}

// The entries of `after` that `before` does not hold (as many times as it holds them more):
// what another game added.
QList<std::pair<QString, qint32>> addedEntries(const Names& before, const Values& beforeValues, const Names& after,
                                               const Values& afterValues)
{
    QList<std::pair<QString, qint32>> had, added;
    for (int k = 0; k < ListSize; ++k)
        had.append({before[k], beforeValues[k]});
    for (int k = 0; k < ListSize; ++k) {
        const std::pair<QString, qint32> entry{after[k], afterValues[k]};
        if (!had.removeOne(entry) && entry.second != 0)
            added.append(entry);
    }
    return added;
}

// The file, read back, holds the new score under the name typed for it.
bool holdsEntry(const QString& path, qint32 score, const QList<TypedName>& typed)
{
    std::optional<QByteArray> bytes;
    if (!readFileNow(path, bytes, nullptr))
        return false;
    Names names;
    Values values;
    parseScoreBytes(bytes, names, values);
    return holds(names, values, score, typedName(typed, score));
}

} // namespace

bool readScoreFile(const QString& fileName, Names& names, Values& values, QString* error, QString* damage)
{
    std::optional<QByteArray> bytes;
    const bool read = readFileNow(ui::resolveFileName(fileName), bytes, error);
    const QString found = parseScoreBytes(bytes, names, values);
    if (damage)
        *damage = found;
    return read;
}

bool enterScore(Names& names, Values& values, qint32 score, int correctCount, const QList<TypedName>& typed)
{
    if (!qualifies(score, correctCount, values))
        return false;
    insertScore(names, values, score);
    QList<TypedName> unused = typed;
    for (int k = 0; k < ListSize; ++k) {
        if (names[k] != NewEntryMark)
            continue;
        for (qsizetype i = 0; i < unused.size(); ++i)
            if (unused[i].score == values[k]) {
                names[k] = unused.takeAt(i).name;
                break;
            }
    }
    return true;
}

SaveResult saveScore(const QString& fileName, Names& names, Values& values, qint32 score, int correctCount,
                     const QList<TypedName>& typed, LockWaiter& waiter, const LockTiming& timing)
{
    SaveResult result;
    const QString path = ui::resolveFileName(fileName);
    // Enough for games saving into one file at the same moment; a file that loses the entry more
    // often than this is told as not kept.
    constexpr int Attempts = 4;
    bool copyKept = false;
    QList<std::pair<QString, qint32>> othersAdded;
    bool written = false;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        result.outcome = SaveResult::Outcome::Saved;
        result.writeError.clear();
        result.sharingError.clear();
        bool takenOver = false;  // this game froze past the stale limit and lost the lock
        const files::LockedRun run = files::runLocked(
            path,
            [&](const files::StillHeld& stillHeld) {
                for (int merge = 0; merge < Attempts; ++merge) {
                    std::optional<QByteArray> bytes;
                    QString readError;
                    if (!readFileNow(path, bytes, &readError)) {
                        // Written over, the scores in it would be gone for good.
                        result.outcome = SaveResult::Outcome::Failed;
                        result.writeError = QCoreApplication::translate("highscores", "It could not be read, so it was left as it is: %1").arg(readError);
                        return;
                    }
                    Names now;
                    Values nowValues;
                    const QString damage = parseScoreBytes(bytes, now, nowValues);
                    // What other games wrote at the very moment of an earlier write of this save.
                    for (const auto& [name, value] : std::as_const(othersAdded))
                        if (!holds(now, nowValues, value, name) && value > nowValues[ListSize - 1])
                            insertScore(now, nowValues, value, name);
                    // Written once already, and swapped back in with others' entries: it is in.
                    const bool enters = (written && holds(now, nowValues, score, typedName(typed, score)))
                                     || enterScore(now, nowValues, score, correctCount, typed);
                    names = now;
                    values = nowValues;
                    if (!enters) {
                        result.outcome = SaveResult::Outcome::NoLongerEnters;
                        return;
                    }
                    if (!damage.isEmpty() && !copyKept) {
                        QString copyError;
                        result.damage = damage;
                        result.damagedCopy = files::keepDamagedCopy(path, &copyError);
                        if (result.damagedCopy.isEmpty()) {
                            result.outcome = SaveResult::Outcome::Failed;
                            result.writeError = QCoreApplication::translate("highscores", "It did not read whole (%1), and no copy of it could be kept: %2")
                                                    .arg(damage, copyError);
                            return;
                        }
                        copyKept = true;
                    }
                    // Replaced only while the lock is still this game's and the file is still
                    // the one merged into; a file another game changed meanwhile is merged anew.
                    const auto current = [&] {
                        std::optional<QByteArray> nowBytes;
                        return stillHeld() && readFileNow(path, nowBytes, nullptr) && nowBytes == bytes;
                    };
                    std::optional<QByteArray> replaced;
                    switch (ui::writeTextFileIf(fileName, scoreFileLines(names, values), current, &result.writeError,
                                                &replaced)) {
                    case ui::Replaced::Yes: {
                        written = true;
                        if (!replaced || replaced == bytes)
                            return;
                        // Another game wrote between the last look and the swap: what it wrote
                        // came back, and goes into the list again.
                        Names was;
                        Values wasValues;
                        Names based;
                        Values basedValues;
                        parseScoreBytes(replaced, was, wasValues);
                        parseScoreBytes(bytes, based, basedValues);
                        othersAdded += addedEntries(based, basedValues, was, wasValues);
                        break;
                    }
                    case ui::Replaced::Failed: result.outcome = SaveResult::Outcome::Failed; return;
                    case ui::Replaced::NotCurrent:
                        if (!stillHeld()) {
                            takenOver = true;
                            return;
                        }
                        break;
                    }
                }
                takenOver = true;  // the file kept changing under the lock: start again
            },
            waiter, timing);
        if (!run.locked)
            result.sharingError = run.problem;
        if (takenOver)
            continue;
        if (result.outcome != SaveResult::Outcome::Saved)
            return result;
        if (!run.locked)
            result.outcome = SaveResult::Outcome::SavedUnshared;
        // Only an entry the file holds is told as saved.
        if (holdsEntry(path, score, typed))
            return result;
    }
    result.outcome = SaveResult::Outcome::Failed;
    result.writeError = QCoreApplication::translate("highscores", "It was written, but when read back it did not hold "
                                                                  "your entry: other games kept saving into it at the same moment.");
    return result;
}

} // namespace highscores
