// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lockwaiter.h"
#include "game/form1.h"
#include "ui/announce.h"

#include "classroom/classroom.h"

#include "game/form6.h"
#include "game/highscores.h"
#include "game/sharedscores.h"
#include "game/state.h"
#include "ui/platform.h"
#include "files/loadmessage.h"
#include "files/textfile.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cstdio>
#include <optional>

using namespace modValdra;

namespace {

// The score that CheckHighScore hands to SaveHighScores, with the names typed for its rows.
struct PendingScore {
    qint32 score = 0;
    int correctCount = 0;
    QList<highscores::TypedName> typed;
};
std::optional<PendingScore> pendingScore;

// While the save waits, the player's clicks and keys are dropped: the busy pointer says so, and
// a game started or ended in the middle of a save would save into a changed state.
class DropInput final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

// Other games in this folder may have saved since start-up: the list becomes the file as it is
// now. A file that cannot be read leaves the list as it was.
void readScoreFileNow()
{
    highscores::Names names;
    highscores::Values values;
    if (!highscores::readScoreFile(ScoreFile, names, values))
        return;
    HighScoreNames = names;
    HighScoreValues = values;
}

} // namespace

void Form1::ReadHighScores()
{
    highscores::clearList(HighScoreNames, HighScoreValues);

    // A missing file is created empty, so the first save finds it in place. An existing one
    // is only read, so a read-only list still shows.
    const QString path = ui::resolveFileName(ScoreFile);
    if (!QFileInfo::exists(path)) {
        QFile create(path);
        if (!create.open(QIODevice::WriteOnly))
            return;
    }
    const ui::TextFile file = ui::readTextFile(ScoreFile);
    // A list that cannot be read, or does not read whole, is told now, not only at the next save.
    highscores::Names names;
    highscores::Values values;
    QString error;
    QString damage;
    const bool read = highscores::readScoreFile(ScoreFile, names, values, &error, &damage);
    const QString identity = QStringLiteral("scores:") + files::fileIdentity(ScoreFile);
    if ((!read || !damage.isEmpty()) && !m_toldFiles.contains(identity)) {
        m_toldFiles.insert(identity);
        m_pendingTells.append(
            {read ? tr("The high score list %1 did not read whole: %2.\n\nBefore the next score is saved into it, the "
                       "file is kept as it is beside itself.")
                        .arg(ScoreFile, damage)
                  : tr("The high score list %1 could not be read: %2").arg(ScoreFile, error),
             QString()});
        tellPendingFindings();
    }
    if (!file.opened)
        return;
    highscores::readScoreLines(file.lines, HighScoreNames, HighScoreValues);
}

void Form1::CheckHighScore()
{
    // Judged against the file as it is now, so no one is asked for a name that other games'
    // scores have already pushed out.
    readScoreFileNow();
    m_classroom->highScoreStep(false, HighScoreValues[highscores::ListSize - 1], QString());
    if (!highscores::qualifies(Score, CorrectCount, HighScoreValues)) {
        ui::announce(this, tr("Your score did not enter the high score list."));
        return;
    }
    const qint32 lastEntry = HighScoreValues[highscores::ListSize - 1];
    PendingScore pending{Score, CorrectCount, {}};
    highscores::insertScore(HighScoreNames, HighScoreValues, Score);
    Score = 0;
    Bonus = 0;
    // The names are asked before the file is locked, so no other game waits while a person
    // types; the save enters them into the file as it is once the lock is had.
    for (int k = 0; k < highscores::ListSize; ++k)
        if (HighScoreNames[k] == highscores::NewEntryMark) {
            HighScoreNames[k] = ui::platform().inputBox(this, highscores::namePrompt(HighScoreValues[k]),
                                                        tr("High Score"));
            pending.typed << highscores::TypedName{HighScoreValues[k], HighScoreNames[k]};
        }
    QString typedName;
    for (const highscores::TypedName& t : pending.typed)
        if (t.score == pending.score) {
            typedName = t.name;
            break;
        }
    m_classroom->highScoreStep(true, lastEntry, typedName);
    GameFinished = 0;
    pendingScore = pending;
    SaveHighScores();
    pendingScore.reset();

    // A window still open from before would show the old list: fill it anew.
    const bool wasOpen = existingForm6() != nullptr;
    Form6* scores = form6();
    if (wasOpen)
        scores->Form_Load();
    // The entry just made, where the save left it.
    for (int k = 0; k < highscores::ListSize; ++k)
        if (HighScoreValues[k] == pending.score && !pending.typed.isEmpty() && HighScoreNames[k] == pending.typed.first().name) {
            scores->markEntry(k);
            ui::announce(this, tr("Your score entered the high score list in place %1.").arg(k + 1));
            break;
        }
    scores->setScoresTitle(true);
    scores->show();
    scores->raise();
    scores->activateWindow();
    // The keyboard goes with it, so Enter and Esc close it.
    scores->Command1->setFocus(Qt::ActiveWindowFocusReason);
}

void Form1::SaveHighScores()
{
    // Written to a temporary file and renamed over the old one: a failure leaves the old file
    // whole, and the list stays in memory and in the window.
    using Outcome = highscores::SaveResult::Outcome;
    highscores::SaveResult result;
    if (pendingScore) {
        // The hourglass, in case another game holds the file for a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DropInput dropInput;
        qApp->installEventFilter(&dropInput);
        const auto restore = qScopeGuard([&] {
            qApp->removeEventFilter(&dropInput);
            QApplication::restoreOverrideCursor();
        });
        ui::WindowLockWaiter waiter;
        savingScores = true;
        result = highscores::saveScore(ScoreFile, HighScoreNames, HighScoreValues, pendingScore->score,
                                       pendingScore->correctCount, pendingScore->typed, waiter);
        savingScores = false;
    } else if (!ui::writeTextFile(ScoreFile, highscores::scoreFileLines(HighScoreNames, HighScoreValues),
                                  &result.writeError)) {
        result.outcome = Outcome::Failed;
    }

    // Asked to end meanwhile: say what went wrong where a person may still read it, then end.
    const auto tell = [this](const QString& text) {
        if (quitAfterSave)
            std::fprintf(stderr, "quillora: %s\n", text.toLocal8Bit().constData());
        else
            ui::platform().messageBox(this, text, ProgramTitle);
    };
    const auto quitIfAsked = qScopeGuard([this] {
        if (quitAfterSave) {
            quitAfterSave = false;
            ShutDown();
        }
    });
    if (!result.damagedCopy.isEmpty())
        tell(tr("%1 did not read whole: %2.\n\nIt was kept as it was in %3; the entries that could be read carry on "
               "in the list.")
                .arg(ScoreFile, result.damage, result.damagedCopy));

    QString message;
    switch (result.outcome) {
    case Outcome::Saved:
        return;
    case Outcome::NoLongerEnters:
        m_classroom->highScoreStep(false, HighScoreValues[highscores::ListSize - 1], m_classroom->log().highScoreName());
        message = tr("Other games have saved better scores meanwhile: your score of %1 no longer "
                     "makes the high score list.")
                      .arg(pendingScore->score);
        break;
    case Outcome::SavedUnshared:
        message = tr("The high scores were saved to %1 without its lock: other games may be saving into it at "
                     "the same moment.\n\n%2")
                      .arg(ScoreFile, result.sharingError);
        break;
    case Outcome::Failed:
        message = ui::saveFailedMessage(tr("The high scores"), ScoreFile, result.writeError);
        // The list on screen has it, the file does not: say so plainly.
        if (pendingScore)
            message = tr("Your score of %1 was not kept.").arg(pendingScore->score) + QStringLiteral("\n\n") + message;
        if (!result.sharingError.isEmpty())
            message += QStringLiteral("\n\n") + result.sharingError;
        break;
    }
    tell(message);
}

void Form1::mnuScores_Click()
{
    readScoreFileNow();
    // A window still open shows the list anew.
    const bool wasOpen = existingForm6() != nullptr;
    Form6* scores = form6();
    if (wasOpen)
        scores->Form_Load();
    scores->setScoresTitle(false);
    scores->show();
    scores->raise();
    scores->activateWindow();
    scores->Command1->setFocus(Qt::ActiveWindowFocusReason);
}
