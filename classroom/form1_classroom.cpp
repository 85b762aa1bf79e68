// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classroom.h"
#include "game/form1.h"
#include "game/state.h"

int Form1::turnLimit() const
{
    return m_classroom->practising() ? m_classroom->practiceTurns() : modValdra::SymbolCount;
}

void Form1::mnuClassResults_Click() { m_classroom->showClassResults(); }
