#include "game/form1.h"

#include "game/form6.h"
#include "game/highscores.h"
#include "game/state.h"
#include "ui/platform.h"
#include "ui/textfile.h"

#include <QFile>
#include <QFileInfo>

using namespace modValdra;

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
    if (!highscores::qualifies(Score, CorrectCount, HighScoreValues))
        return;
    highscores::insertScore(HighScoreNames, HighScoreValues, Score);
    Score = 0;
    Bonus = 0;
    for (int k = 0; k < highscores::ListSize; ++k)
        if (HighScoreNames[k] == highscores::NewEntryMark)
            HighScoreNames[k] = ui::platform().inputBox(this, highscores::namePrompt(HighScoreValues[k]),
                                                        QStringLiteral("High Score"));
    GameFinished = 0;
    SaveHighScores();

    // A window still open from before would show the old list: fill it anew.
    const bool wasOpen = existingForm6() != nullptr;
    Form6* scores = form6();
    if (wasOpen)
        scores->Form_Load();
    scores->setWindowTitle(ProgramTitle + QStringLiteral(" Scores--") + ScoreFile);
    scores->show();
    scores->raise();
    scores->activateWindow();
}

void Form1::SaveHighScores()
{
    // Written to a temporary file and renamed over the old one: a failure leaves the old
    // file whole, and the list in memory is untouched either way.
    ui::writeTextFile(ScoreFile, highscores::scoreFileLines(HighScoreNames, HighScoreValues));
}

void Form1::mnuScores_Click()
{
    Form6* scores = form6();
    scores->setWindowTitle(ProgramTitle + QStringLiteral("--") + ScoreFile);
    scores->show();
    scores->raise();
    scores->activateWindow();
}
