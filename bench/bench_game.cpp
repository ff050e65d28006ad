// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the computer takes to decide, and to play a whole game, at each
// level.
#include "game/computer_game.h"
#include "platform/clock_random_source.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

namespace {

using namespace velmora;

// Rows of the grid from the top: X cross, O nought, "." empty.
Board boardFrom(std::string_view cells)
{
    Board board;
    int marks = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const char c = cells.at(static_cast<std::size_t>(cell - 1));
        if (c == 'X' || c == 'O') {
            board.setMark(cell, c == 'X' ? Mark::Cross : Mark::Nought);
            ++marks;
        }
    }
    board.setMoveCount(marks);
    board.setToMove(Player::Two);
    return board;
}

OpponentFields fieldsAt(int level, BookField ty = {}, BookField ca = {}, BookField ca2 = {})
{
    return {.typepart = level, .tp1 = HardMarker::NeverSet, .ty = ty, .ca = ca, .ca2 = ca2};
}

struct Position {
    Board board;
    OpponentFields fields;
};

// Positions the computer meets in ordinary play: an opening, a block, a win
// and a quiet middle game; at Hard, one answer from each part of the book.
std::vector<Position> typicalPositions(int level)
{
    if (level == Hard) {
        return {
            {boardFrom("X........"), fieldsAt(Hard)},
            {boardFrom("X...O...X"), fieldsAt(Hard, 1, 1)},
            {boardFrom(".X..O...X"), fieldsAt(Hard, 1, 2)},
            {boardFrom(".X.XOO..X"), fieldsAt(Hard, 5, 9, 2)},
        };
    }
    std::vector<Position> positions;
    for (std::string_view cells : {"X........", "XO......X", "XOXXO....", "X...O..X."})
        positions.push_back({boardFrom(cells), fieldsAt(level)});
    return positions;
}

void computerDecision(benchmark::State& state, int level)
{
    const std::vector<Position> positions = typicalPositions(level);
    std::size_t next = 0;
    for (auto _ : state) {
        const Position& position = positions[next];
        next = (next + 1) % positions.size();
        benchmark::DoNotOptimize(chooseComputerMove(position.board, position.fields));
    }
}

class CountingView final : public GameView {
public:
    void showMark(int, Mark) override { }
    void clearBoard() override { }
    void announce(Outcome) override { ++gamesEnded; }
    int gamesEnded = 0;
};

// The person takes the centre, then the corners, then the edges.
int personMove(const Board& board)
{
    for (int cell : {5, 1, 3, 7, 9, 2, 4, 6, 8}) {
        if (board.isEmpty(cell))
            return cell;
    }
    return 0;
}

// One game from the empty board to the announcement, with the real random
// source; every game starts at the chosen level.
void wholeGame(benchmark::State& state, int level)
{
    CountingView view;
    ClockRandomSource random;
    ComputerGame game(view, random);
    for (auto _ : state) {
        game.fields() = fieldsAt(level);
        const int ended = view.gamesEnded;
        while (view.gamesEnded == ended)
            game.move(personMove(game.board()));
    }
}

} // namespace

BENCHMARK_CAPTURE(computerDecision, easy, int{Easy});
BENCHMARK_CAPTURE(computerDecision, medium, int{Medium});
BENCHMARK_CAPTURE(computerDecision, hard, int{Hard});
BENCHMARK_CAPTURE(wholeGame, easy, int{Easy});
BENCHMARK_CAPTURE(wholeGame, medium, int{Medium});
BENCHMARK_CAPTURE(wholeGame, hard, int{Hard});
