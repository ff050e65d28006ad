// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board_game.h"

namespace velmora {

void BoardGame::move(int cell)
{
    if (!isCell(cell))
        return;
    const Player mover = board_.toMove();
    const Mark mark = markOf(mover);
    view_.showMark(cell, mark);
    board_.setMark(cell, mark);
    board_.setToMove(otherPlayer(mover));
    turnPassed(board_.toMove());
    board_.setMoveCount(board_.moveCount() + 1);
    detect();
}

void BoardGame::detect()
{
    if (board_.hasCompleteLine()) {
        // The turn has already passed: the player who just moved has won.
        const bool playerOneMoved = board_.toMove() == Player::Two;
        view_.announce(playerOneMoved ? Outcome::PlayerOneWins : Outcome::PlayerTwoWins);
        raz();
    } else if (board_.moveCount() == kCellCount) {
        view_.announce(Outcome::Draw);
        raz();
    } else {
        gameGoesOn();
    }
}

void BoardGame::raz()
{
    beginReset();
    board_.setToMove(Player::One);
    board_.clearMarks();
    view_.clearBoard();
    board_.setMoveCount(0);
}

} // namespace velmora
