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

bool readScoreFile(const QString& fileName, Names& names, Values& values, QString* error, QString* damage)
{
    clearList(names, values);
    names[ListSize] = QString();
    values[ListSize] = 0;
    if (damage)
        damage->clear();
    const QString path = ui::resolveFileName(fileName);
    if (!QFileInfo::exists(path))
        return true;
    const ui::TextFile file = ui::readTextFile(fileName);
    if (!file.opened) {
        if (error) {
            // The reading gives no reason; opening it again does.
            QFile probe(path);
            if (QFileInfo(path).isDir())
                *error = QCoreApplication::translate("highscores", "Is a directory");
            else if (!probe.open(QIODevice::ReadOnly))
                *error = probe.errorString();
            else
                *error = QCoreApplication::translate("highscores", "Input/output error");
        }
        return false;
    }
    const QString found = salvageScoreLines(file.lines, names, values);
    if (damage)
        *damage = found;
    return true;
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
    const files::LockedRun run = files::runLocked(
        path,
        [&] {
            Names now;
            Values nowValues;
            QString readError;
            QString damage;
            if (!readScoreFile(fileName, now, nowValues, &readError, &damage)) {
                // Written over, the scores in it would be gone for good.
                result.outcome = SaveResult::Outcome::Failed;
                result.writeError = QCoreApplication::translate("highscores", "It could not be read, so it was left as it is: %1").arg(readError);
                return;
            }
            const bool enters = enterScore(now, nowValues, score, correctCount, typed);
            names = now;
            values = nowValues;
            if (!enters) {
                result.outcome = SaveResult::Outcome::NoLongerEnters;
                return;
            }
            if (!damage.isEmpty()) {
                QString copyError;
                result.damage = damage;
                result.damagedCopy = files::keepDamagedCopy(path, &copyError);
                if (result.damagedCopy.isEmpty()) {
                    result.outcome = SaveResult::Outcome::Failed;
                    result.writeError = QCoreApplication::translate("highscores", "It did not read whole (%1), and no copy of it could be kept: %2")
                                            .arg(damage, copyError);
                    return;
                }
            }
            if (!ui::writeTextFile(fileName, scoreFileLines(names, values), &result.writeError))
                result.outcome = SaveResult::Outcome::Failed;
        },
        waiter, timing);
    if (!run.locked) {
        result.sharingError = run.problem;
        if (result.outcome == SaveResult::Outcome::Saved)
            result.outcome = SaveResult::Outcome::SavedUnshared;
    }
    return result;
}

} // namespace highscores
