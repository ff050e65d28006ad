// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "game/game_view.h"

namespace velmora {

// One board window's game: the move on a cell, the detection that ends every
// move, and the reset. Everything that follows a move (the announcement, the
// reset, the computer's reply) happens inside the move, before it returns.
class BoardGame {
public:
    explicit BoardGame(GameView& view)
        : view_(view)
    {
    }
    virtual ~BoardGame() = default;
    BoardGame(const BoardGame&) = delete;
    BoardGame& operator=(const BoardGame&) = delete;

    // The move on a cell, shared by clicks, keys and the computer. Callers
    // make sure the cell is empty: a played cell's button is hidden.
    void move(int cell);
    // Start a new game: empty board, crosses to move, nothing counted.
    void raz();

    const Board& board() const { return board_; }
    Board& board() { return board_; }

protected:
    GameView& view() { return view_; }

    // Runs at the end of every move: announce a win or a draw and reset.
    void detect();

    // The first step of a reset, before the board is touched.
    virtual void beginReset() = 0;
    // The turn has just passed to the given player.
    virtual void turnPassed(Player) { }
    // The move just made left the game open.
    virtual void gameGoesOn() { }

private:
    GameView& view_;
    Board board_;
};

// The game of two people sharing the screen; it keeps the turn panel current.
class TwoPlayerGame final : public BoardGame {
public:
    TwoPlayerGame(GameView& view, TurnView& turn)
        : BoardGame(view)
        , turn_(turn)
    {
    }

protected:
    void beginReset() override { turn_.showPlayerToMove(Player::One); }
    void turnPassed(Player next) override { turn_.showPlayerToMove(next); }

private:
    TurnView& turn_;
};

} // namespace velmora
