#include "game/form1.h"
#include "game/state.h"

// PLACEHOLDER: the question round is being written.
void Form1::btnBegin_Click() {}
void Form1::mnuBegin_Click() {}
void Form1::NewGame() {}
void Form1::NextQuestion() {}
void Form1::DisplayQuestion() {}
void Form1::btnAnswer_Click(int) {}
