#include "game/form1.h"
#include "game/state.h"

// PLACEHOLDER: the clock is being written.
void Form1::Timer1_Timer() {}
void Form1::EndGame() {}
void Form1::mnuEndGame_Click() {}
