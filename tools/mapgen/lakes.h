// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo.h"

// The five Great Lakes and Lake St. Clair, painted as water over the land outlines.
const QList<Ring>& greatLakes();
