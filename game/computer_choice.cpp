// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/computer_choice.h"

#include "game/medium_rules.h"
#include "game/opening_book.h"

namespace velmora {

namespace {

ComputerChoice mediumChoice(const Board& board)
{
    // A win is always preferred to a block; with neither, a random cell.
    std::optional<int> cell = mediumRuleCell(board, Mark::Nought);
    if (!cell)
        cell = mediumRuleCell(board, Mark::Cross);
    if (!cell)
        return {.action = ComputerAction::RandomCell};
    return {.action = ComputerAction::PlayCell, .cell = *cell};
}

} // namespace

ComputerChoice chooseComputerMove(const Board& board, const OpponentFields& fields)
{
    // The computer moves only on its own turn, and never opens a game.
    if (board.toMove() != Player::Two)
        return {};
    switch (fields.typepart) {
    case Easy:
        return {.action = ComputerAction::RandomCell};
    case Medium:
        return mediumChoice(board);
    case Hard:
        return openingBookChoice(board, fields);
    default:
        return {};
    }
}

} // namespace velmora
