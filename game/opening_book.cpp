// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/opening_book.h"

#include "game/medium_rules.h"

#include <array>
#include <initializer_list>

namespace velmora {

namespace {

enum : int { Hg = 1, Hm, Hd, Mg, Mm, Md, Bg, Bm, Bd };

bool crossOn(const Board& board, int cell)
{
    return board.mark(cell) == Mark::Cross;
}

// Step down to Medium for the rest of the game and let it move; the marker
// set afterwards brings the next game back to Hard.
ComputerChoice handOver()
{
    return {.before = {.typepart = Medium}, .action = ComputerAction::HandOver, .after = {.setHardMarker = true}};
}

// A book move that ends the book: play, then step down to Medium.
ComputerChoice lastBookMove(int cell)
{
    return {.action = ComputerAction::PlayCell, .cell = cell, .after = {.typepart = Medium, .setHardMarker = true}};
}

ComputerChoice bookMove(int cell, FieldWrites before)
{
    return {.before = before, .action = ComputerAction::PlayCell, .cell = cell};
}

// The person opened anywhere but the centre: the computer takes the centre.
ComputerChoice impoty1(int firstCross)
{
    return {.before = {.ty = 1}, .action = ComputerAction::PlayCell, .cell = Mm, .after = {.ca = firstCross}};
}

ComputerChoice firstCross(const Board& board)
{
    for (int cell : {Hg, Hm, Hd, Mg, Md, Bg, Bm, Bd}) {
        if (crossOn(board, cell))
            return impoty1(cell);
    }
    if (crossOn(board, Mm))
        return bookMove(Hd, {.ty = 2});
    return {};
}

struct SecondCrossReply {
    int cross; // where the second cross stands
    BookField ty{}; // ty written with the reply, if any
    int ca2; // position key written with the reply
    int reply; // the computer's answer
};

// Book answers to the second cross after a corner opening, by the corner.
// A second cross on any other cell made a line of two with the first, and
// Medium blocks it.
ComputerChoice cornerOpening(const Board& board, std::initializer_list<SecondCrossReply> replies)
{
    for (const SecondCrossReply& r : replies) {
        if (crossOn(board, r.cross))
            return bookMove(r.reply, {.ty = r.ty, .ca2 = r.ca2});
    }
    return handOver();
}

ComputerChoice secondCross(const Board& board, const OpponentFields& fields)
{
    if (fields.ty == 1) {
        switch (fields.ca.value_or(0)) {
        case Hm:
        case Mg:
        case Md:
        case Bm:
            return handOver();
        case Hg:
            return cornerOpening(board, {{Md, {}, 6, Hm}, {Bm, {}, 8, Md}, {Bd, {}, 9, Md}});
        case Hd:
            return cornerOpening(board, {{Mg, 3, 4, Hm}, {Bm, 3, 8, Md}, {Bg, 3, 7, Bm}});
        case Bg:
            return cornerOpening(board, {{Md, 4, 6, Bm}, {Hm, {}, 8, Mg}, {Hd, {}, 9, Hm}});
        case Bd:
            return cornerOpening(board, {{Hg, 5, 1, Hm}, {Hm, 5, 2, Md}, {Mg, 5, 4, Bm}});
        default:
            return {};
        }
    }
    if (fields.ty == 2) {
        // The person holds the centre and the computer Hd: a cross in the
        // opposite corner is answered in the last free corner of that side.
        return crossOn(board, Bg) ? lastBookMove(Bd) : handOver();
    }
    return {};
}

// The reply cell of a third-cross row is played only when Medium would find
// nothing to win or block; otherwise Medium's move is the safe one.
ComputerChoice replyOrHandOver(const Board& board, int reply)
{
    const bool quiet = !mediumRuleCell(board, Mark::Nought) && !mediumRuleCell(board, Mark::Cross);
    return quiet && board.isEmpty(reply) ? lastBookMove(reply) : handOver();
}

struct ThirdCrossRow {
    int ty;
    int ca2;
    int reply; // 0: hand over to Medium
};

constexpr std::array<ThirdCrossRow, 10> kThirdCrossRows = {{
    {5, 1, 0},
    {5, 2, Bg},
    {5, 4, Bg},
    {4, 6, Hg},
    {3, 4, Bd},
    {3, 8, Hg},
    {3, 7, 0},
    {1, 6, Bg},
    {1, 8, Hd},
    {1, 9, 0},
}};

ComputerChoice thirdCross(const Board& board, const OpponentFields& fields)
{
    for (const ThirdCrossRow& row : kThirdCrossRows) {
        if (fields.ty == row.ty && fields.ca2 == row.ca2)
            return row.reply == 0 ? handOver() : replyOrHandOver(board, row.reply);
    }
    return {};
}

} // namespace

ComputerChoice openingBookChoice(const Board& board, const OpponentFields& fields)
{
    switch (board.moveCount()) {
    case 1:
        return firstCross(board);
    case 3:
        return secondCross(board, fields);
    case 5:
        return thirdCross(board, fields);
    default:
        return {};
    }
}

} // namespace velmora
