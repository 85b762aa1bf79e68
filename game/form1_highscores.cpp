#include "game/form1.h"
#include "game/form6.h"
#include "game/state.h"

// PLACEHOLDER: the high scores are being written.
void Form1::ReadHighScores() {}
void Form1::CheckHighScore() {}
void Form1::SaveHighScores() {}
void Form1::mnuScores_Click() {}
