#include "game/form1.h"

#include "game/form6.h"
#include "game/state.h"
#include "symbols/form3.h"

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
}

void Form1::ShutDown()
{
    // The file chooser and the about box join this list as they land.
    delete m_form4;
    delete m_form6;
    delete m_form7;
    shutDownRequested = true;
    QCoreApplication::exit(0);
}

void Form1::Command1_Click() { ShutDown(); }

void Form1::mnuExit_Click() { ShutDown(); }
