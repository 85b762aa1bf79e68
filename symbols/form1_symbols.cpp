#include "game/form1.h"

// PLACEHOLDER: the symbol list loader is being written.
void Form1::LoadCustomSymbols() {}
