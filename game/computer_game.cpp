// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/computer_game.h"

namespace velmora {

void ComputerGame::beginReset()
{
    if (fields_.tp1 == HardMarker::Set)
        fields_.typepart = Hard;
}

void ComputerGame::chooseLevel(Level level)
{
    if (level != Hard)
        fields_.tp1 = HardMarker::Cleared;
    fields_.typepart = level;
    raz();
}

void ComputerGame::comp()
{
    const ComputerChoice choice = chooseComputerMove(board(), fields_);
    apply(choice.before);
    switch (choice.action) {
    case ComputerAction::PlayCell:
        move(choice.cell);
        break;
    case ComputerAction::RandomCell:
        playRandomCell();
        break;
    case ComputerAction::HandOver:
        comp();
        break;
    case ComputerAction::None:
        break;
    }
    // A move that ended the game has already reset the board by now; the
    // writes after it still land, as the book orders them.
    apply(choice.after);
}

void ComputerGame::apply(const FieldWrites& writes)
{
    if (writes.ty)
        fields_.ty = writes.ty;
    if (writes.ca)
        fields_.ca = writes.ca;
    if (writes.ca2)
        fields_.ca2 = writes.ca2;
    if (writes.typepart)
        fields_.typepart = *writes.typepart;
    if (writes.setHardMarker)
        fields_.tp1 = HardMarker::Set;
}

void ComputerGame::playRandomCell()
{
    // A full board cannot come up in play; a position set up by hand must
    // not make the computer draw for ever.
    if (!board().hasEmptyCell())
        return;
    for (;;) {
        random_.reseed();
        int drawn = 0;
        while (drawn == 0)
            drawn = static_cast<int>(10.0 * random_.next());
        if (isCell(drawn) && board().isEmpty(drawn)) {
            move(drawn);
            return;
        }
    }
}

} // namespace velmora
