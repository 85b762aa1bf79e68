#include "game/form1.h"

#include "game/form6.h"
#include "game/highscores.h"
#include "game/sharedscores.h"
#include "game/state.h"
#include "ui/platform.h"
#include "ui/textfile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
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

// The lock waits on the platform's clock, so tests move it instead of waiting.
class PlatformLockClock final : public highscores::LockClock {
public:
    QDateTime now() override { return ui::platform().currentDateTime(); }
    double seconds() override { return ui::platform().timeOfDay(); }
    void sleep(int milliseconds) override { ui::platform().sleep(milliseconds); }
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
    if (!file.opened)
        return;
    highscores::readScoreLines(file.lines, HighScoreNames, HighScoreValues);
}

void Form1::CheckHighScore()
{
    // Judged against the file as it is now, so no one is asked for a name that other games'
    // scores have already pushed out.
    readScoreFileNow();
    if (!highscores::qualifies(Score, CorrectCount, HighScoreValues))
        return;
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
    GameFinished = 0;
    pendingScore = pending;
    SaveHighScores();
    pendingScore.reset();

    // A window still open from before would show the old list: fill it anew.
    const bool wasOpen = existingForm6() != nullptr;
    Form6* scores = form6();
    if (wasOpen)
        scores->Form_Load();
    scores->setScoresTitle(true);
    scores->show();
    scores->raise();
    scores->activateWindow();
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
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        PlatformLockClock clock;
        result = highscores::saveScore(ScoreFile, HighScoreNames, HighScoreValues, pendingScore->score,
                                       pendingScore->correctCount, pendingScore->typed, clock);
    } else if (!ui::writeTextFile(ScoreFile, highscores::scoreFileLines(HighScoreNames, HighScoreValues),
                                  &result.writeError)) {
        result.outcome = Outcome::Failed;
    }

    QString message;
    switch (result.outcome) {
    case Outcome::Saved:
        return;
    case Outcome::NoLongerEnters:
        message = tr("Other games have saved better scores meanwhile: your score of %1 no longer "
                     "makes the high score list.")
                      .arg(pendingScore->score);
        break;
    case Outcome::SavedUnshared:
        message = tr("The high scores were saved to %1 without the scores other games may have "
                     "saved meanwhile.\n\n%2")
                      .arg(ScoreFile, result.sharingError);
        break;
    case Outcome::Failed:
        message = ui::saveFailedMessage(tr("The high scores"), ScoreFile, result.writeError);
        break;
    }
    ui::platform().messageBox(this, message, ProgramTitle);
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
}
