// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_game.h"
#include "game/computer_choice.h"
#include "game/random_source.h"

namespace velmora {

// The game against the computer. The person plays the crosses; after every
// move that leaves the game open, `comp` lets the computer answer, nested
// inside the person's move.
class ComputerGame final : public BoardGame {
public:
    ComputerGame(GameView& view, RandomSource& random)
        : BoardGame(view)
        , random_(random)
    {
    }

    // The computer's turn, if it is one: choose by the level in force and play.
    void comp();
    // A level chosen: Easy and Medium clear the Hard marker, so that a game
    // that stepped down from Hard does not come back to it; then the level is
    // in force and a new game begins.
    void chooseLevel(Level level);

    OpponentFields& fields() { return fields_; }
    const OpponentFields& fields() const { return fields_; }

protected:
    // A game that stepped down from Hard is followed by a Hard game.
    void beginReset() override;
    void gameGoesOn() override { comp(); }

private:
    void apply(const FieldWrites& writes);
    // Attempts of the random cell draw until one hits an empty cell.
    void playRandomCell();

    RandomSource& random_;
    OpponentFields fields_;
};

} // namespace velmora
