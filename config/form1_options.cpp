// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "config/form4.h"
#include "config/form7.h"
#include "game/state.h"

using namespace modValdra;

Form4* Form1::form4()
{
    if (!m_form4)
        m_form4 = new Form4;
    return m_form4;
}

form7* Form1::settingsEditor()
{
    if (!m_form7)
        m_form7 = new form7;
    return m_form7;
}

void Form1::mnuGameLength_Click()
{
    // Creates the dialog first when it does not exist yet.
    ShowCurrentOptions();
    Form4* options = form4();
    options->show();
    options->raise();
    options->activateWindow();
    // Changing the options breaks off the game in progress, without a high-score check.
    GameFinished = 0;
    EndGame();
}

void Form1::ShowCurrentOptions()
{
    Form4* f = form4();
    // Selecting an option runs its click handler, which writes back the value just read. A
    // value no option stands for selects nothing and stays as it is.
    switch (SymbolCount) {
    case 6: Form4::select(f->Option2); break;
    case 12: Form4::select(f->Option3); break;
    default: break;
    }
    switch (GameSeconds) {
    case 60: Form4::select(f->Option4); break;
    case 180: Form4::select(f->Option5); break;
    case 300: Form4::select(f->Option6); break;
    case 600: Form4::select(f->Option7); break;
    default: break;
    }
    switch (SymbolSetChoice) {
    case 0: Form4::select(f->Option1); break;
    case 13: Form4::select(f->Option8); break;
    case 26: Form4::select(f->Option9); break;
    default: break;
    }
    switch (DifficultyLevel) {
    case 0: Form4::select(f->Option10); break;
    case 1: Form4::select(f->Option11); break;
    default: break;
    }
}

void Form1::mnuSaveOptions_Click()
{
    // The game goes on while the editor is open; a second command brings the same editor
    // forward with what is typed in it.
    form7* editor = settingsEditor();
    editor->show();
    editor->raise();
    editor->activateWindow();
}
