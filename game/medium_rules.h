// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"

#include <optional>

namespace velmora {

// The Medium level: the first line rule that applies to `mark` (win with the
// nought, block the cross), as the gap cell to play.
std::optional<int> mediumRuleCell(const Board& board, Mark mark);

} // namespace velmora
