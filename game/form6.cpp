#include "game/form6.h"

// PLACEHOLDER: the high-score window is being written.
Form6::Form6(QWidget* parent) : QWidget(parent) {}
void Form6::Form_Load() {}
void Form6::Command1_Click() {}
