#include "game/form1.h"

// Commands whose windows are still to come: the file chooser, the about box and help. Until
// they land the menu entries are there and do nothing.
void Form1::mnuQuiz_Click() {}
void Form1::mnuTreasures_Click() {}
void Form1::mnuAbout_Click() {}
void Form1::mnuValdraHelp_Click() {}
