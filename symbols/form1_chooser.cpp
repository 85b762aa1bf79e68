// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "game/form6.h"
#include "game/state.h"
#include "symbols/chooser.h"
#include "symbols/form5.h"
#include "ui/platform.h"
#include "files/loadmessage.h"
#include "files/symbollistfile.h"
#include "files/textfile.h"

#include <QFile>
#include <QPointer>
#include <cmath>

using namespace modValdra;

Form5* Form1::existingForm5() const { return m_form5; }

namespace {

// The chooser exists once; creating it runs its Form_Load.
Form5* loadChooser(QPointer<Form5>& chooserWindow, Form1* owner)
{
    if (!chooserWindow)
        chooserWindow = new Form5(owner);
    return chooserWindow;
}

// Shows the chooser until it closes, then unloads it.
void runChooser(QPointer<Form5>& chooserWindow)
{
    ui::platform().runModal(chooserWindow);
    delete chooserWindow.data();
}

} // namespace

void Form1::mnuQuiz_Click()
{
    ChooserMode = chooser::QuestionFile;
    Frame2->hide();
    const QString previousQuiz = QuizFile;
    const QString previousScores = ScoreFile;
    Form5* chooserWindow = loadChooser(m_form5, this);
    chooserWindow->setWindowTitle(tr("%1--Load New Questions").arg(ProgramTitle));
    chooserWindow->File1->setPath(chooserWindow->Dir1->path());
    runChooser(m_form5);
    GameFinished = 0;
    EndGame();
    loadNamedQuestionFile(previousQuiz, previousScores);
}

void Form1::loadNamedQuestionFile(const QString& previousQuiz, const QString& previousScores)
{
    // A chosen file that cannot be read would leave the old questions in play under the new
    // file's name and high-score list. Say so, and keep playing the file that was read.
    if (QuizFile != previousQuiz) {
        QFile chosen(ui::resolveFileName(QuizFile));
        if (!chosen.open(QIODevice::ReadOnly)) {
            ui::platform().messageBox(this,
                tr("The question file %1 could not be read (%2). The game goes on with %3.")
                    .arg(QuizFile, chosen.errorString(), previousQuiz),
                ProgramTitle);
            QuizFile = previousQuiz;
            ScoreFile = previousScores;
        }
    }
    LoadData();

    // Each question file keeps its own high-score list: read the one of the file now in play,
    // so the old file's list is never written into the new file's.
    ReadHighScores();
    if (Form6* scores = existingForm6())
        scores->Form_Load();
}

void Form1::mnuTreasures_Click()
{
    ChooserMode = chooser::SymbolList;
    Frame2->hide();
    Form5* chooserWindow = loadChooser(m_form5, this);
    chooserWindow->File1->setPath(chooserWindow->Dir1->path());
    chooserWindow->setWindowTitle(tr("%1--Load New Treasures").arg(ProgramTitle));
    runChooser(m_form5);
    // The list chosen is read for what it holds now, so its findings are told before any game;
    // the game loads it at the next new game.
    if (SymbolListPending == 1 && !shutDownRequested)
        tellFileFindings(tr("The symbol list"), symbollistfile::readSymbolList(PicListFile).report,
                         files::fileIdentity(PicListFile));
    GameFinished = 0;
    WaitSeconds(1);
    if (shutDownRequested)
        return;
    EndGame();
}

void Form1::WaitSeconds(qint16 n)
{
    // Sleeps in the event loop between looks at the clock: the windows stay live, the CPU quiet.
    ui::Platform& platform = ui::platform();
    const double end = chooser::waitEnd(platform.timeOfDay(), n);
    const QPointer<Form1> self(this);
    for (double now = platform.timeOfDay(); now < end; now = platform.timeOfDay()) {
        platform.waitForEvents(int(std::ceil((end - now) * 1000.0)));
        // The player may have left the game meanwhile: there is nothing left to wait for.
        if (!self || shutDownRequested)
            return;
    }
}
