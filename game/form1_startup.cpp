// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "explore/findmapwindow.h"

#include "game/form6.h"
#include "game/state.h"
#include "symbols/form3.h"
#include "symbols/form5.h"
#include "explore/explorewindow.h"
#include "symbols/frmabout.h"

#include <QApplication>
#include <QDir>

void Form1::Form_Load()
{
    using namespace modValdra;
    QuizFile = QStringLiteral("Valdra.qtn");
    ProgramTitle = QStringLiteral("Quillora");
    StartFolder = QDir::currentPath();
    setWindowTitle(ProgramTitle);
    ApplyQuizPicture();
    setDefaults();
    ReadSettingsFile();
    LoadData();
    ReadHighScores();
    m_form3->Form_Load();
    Timer1->setInterval(1000);
    restoreZoom();
}

void Form1::ShutDown()
{
    // Unsaved questions are never lost without a question.
    if (!questionEditorMaySetAside())
        return;
    // The windows unloaded before the end: the options dialog, the file chooser, the high scores
    // and the about box, then the settings editor.
    delete m_form4;
    delete m_form5;
    delete m_form6;
    delete m_frmAbout;
    delete m_form7;
    delete m_explore;
    delete m_findMap;
    shutDownRequested = true;
    QCoreApplication::exit(0);
}

void Form1::QuitOnSignal()
{
    if (savingScores)
        quitAfterSave = true;
    else
        ShutDown();
}

void Form1::Command1_Click() { ShutDown(); }

void Form1::mnuExit_Click() { ShutDown(); }
