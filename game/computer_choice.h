// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "game/opponent_fields.h"

#include <optional>

namespace velmora {

// Field writes that go with a computer move, applied in the order of the
// members: ty, ca, ca2, typepart, then the Hard marker.
struct FieldWrites {
    BookField ty{};
    BookField ca{};
    BookField ca2{};
    std::optional<int> typepart{};
    bool setHardMarker = false;

    bool operator==(const FieldWrites&) const = default;
};

enum class ComputerAction {
    None, // not the computer's turn, or no level in force
    PlayCell, // play `cell`
    RandomCell, // draw cells at random until an empty one comes up
    HandOver, // run the computer again (at Medium, after `before`)
};

// What the computer does in a position: writes before the move, the move,
// writes after it.
struct ComputerChoice {
    FieldWrites before{};
    ComputerAction action = ComputerAction::None;
    int cell = 0;
    FieldWrites after{};

    bool operator==(const ComputerChoice&) const = default;
};

// The computer's decision: a pure function of the position, the level in
// force and the opening-book fields.
ComputerChoice chooseComputerMove(const Board& board, const OpponentFields& fields);

} // namespace velmora
