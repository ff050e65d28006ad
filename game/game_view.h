// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/cells.h"

namespace velmora {

enum class Outcome { PlayerOneWins, PlayerTwoWins, Draw };

// What a game needs from the window that shows it. The calls arrive in the
// order of the rules, nested inside the move that caused them.
class GameView {
public:
    virtual ~GameView() = default;

    // Hide the cell's button, copy the cross or nought picture into its image
    // and show the image.
    virtual void showMark(int cell, Mark mark) = 0;
    // Blank the nine images, hide them, then show the nine buttons.
    virtual void clearBoard() = 0;
    // Tell the result in a modal box; returns once it is dismissed.
    virtual void announce(Outcome outcome) = 0;
};

// What the two-player game shows beside the board: whose turn it is.
class TurnView {
public:
    virtual ~TurnView() = default;
    virtual void showPlayerToMove(Player player) = 0;
};

} // namespace velmora
