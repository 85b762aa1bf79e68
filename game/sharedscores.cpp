#include "game/sharedscores.h"

#include "ui/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace highscores {

bool readScoreFile(const QString& fileName, Names& names, Values& values, QString* error)
{
    clearList(names, values);
    names[ListSize] = QString();
    values[ListSize] = 0;
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
    readScoreLines(file.lines, names, values);
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
                     const QList<TypedName>& typed, LockClock& clock, const LockTiming& timing)
{
    SaveResult result;
    ScoreFileLock lock(ui::resolveFileName(fileName));
    const ScoreFileLock::Result locked = lock.acquire(clock, timing);
    if (locked == ScoreFileLock::Result::Busy)
        result.sharingError = lock.error();
    else if (locked == ScoreFileLock::Result::Failed)
        result.sharingError = QCoreApplication::translate("highscores", "Its lock file %1 could not be made: %2").arg(lock.lockFileName(), lock.error());

    if (lock.locked()) {
        Names now;
        Values nowValues;
        QString readError;
        if (readScoreFile(fileName, now, nowValues, &readError)) {
            if (!enterScore(now, nowValues, score, correctCount, typed)) {
                names = now;
                values = nowValues;
                result.outcome = SaveResult::Outcome::NoLongerEnters;
                return result;
            }
            names = now;
            values = nowValues;
            if (!ui::writeTextFile(fileName, scoreFileLines(names, values), &result.writeError))
                result.outcome = SaveResult::Outcome::Failed;
            return result;
        }
        result.sharingError = QCoreApplication::translate("highscores", "It could not be read: %1").arg(readError);
    }

    // As a game alone in its folder would: the list in memory, written whole.
    result.outcome = ui::writeTextFile(fileName, scoreFileLines(names, values), &result.writeError)
                   ? SaveResult::Outcome::SavedUnshared
                   : SaveResult::Outcome::Failed;
    return result;
}

} // namespace highscores
