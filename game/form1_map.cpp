#include "game/form1.h"
#include "game/state.h"

// PLACEHOLDER: the map is being written.
void Form1::DrawTargetSymbol() {}
void Form1::SampleRegionColours() {}
void Form1::Picture1_MouseDown(int, int, float, float) {}
void Form1::CheckLocation(qint64) {}
void Form1::Crest_Click(int) {}
void Form1::Image1_Click() {}
void Form1::cancelPendingPlacement() {}
