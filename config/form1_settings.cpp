#include "game/form1.h"

// PLACEHOLDER: the settings reader is being written.
void Form1::ReadSettingsFile() {}
