// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/computer_choice.h"

namespace velmora {

// The Hard level's opening book, for the person's first three crosses.
ComputerChoice openingBookChoice(const Board& board, const OpponentFields& fields);

} // namespace velmora
