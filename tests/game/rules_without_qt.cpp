// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game rules on their own. This binary links the game library and nothing
// else, so it only builds while the rules stay free of the toolkit.
#include "game/board_game.h"
#include "game/computer_game.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace velmora;
using Calls = std::vector<std::string>;

int passed = 0;
int failed = 0;

void check(bool condition, const std::string& what)
{
    ++(condition ? passed : failed);
    if (!condition)
        std::printf("FAIL: %s\n", what.c_str());
}

// Writes down every call the game makes, in order. The computer window's game
// never draws here: it has no level.
class RecordingView final : public GameView, public RandomSource {
public:
    Calls log;

    void showMark(int c, Mark m) override
    {
        log.push_back(std::string(cellName(c)) + (m == Mark::Cross ? " X" : " O"));
    }
    void clearBoard() override { log.emplace_back("clear"); }
    void showTurn(Player next) override { log.emplace_back(next == Player::One ? "turn 1" : "turn 2"); }
    void announce(Outcome o) override { log.emplace_back(std::array{"1 wins", "2 wins", "draw"}.at(int(o))); }
    void reseed() override { }
    double next() override { return 0.5; }
};

bool isFresh(const Board& board)
{
    bool fresh = board.toMove() == Player::One && board.moveCount() == 0;
    for (int cell = 1; cell <= kCellCount; ++cell)
        fresh = fresh && board.isEmpty(cell);
    return fresh;
}

} // namespace

int main()
{
    // Each game: the moves, then every call of the last one; the moves before
    // it show only their marks and the turns. An ended game is reset.
    const std::vector<std::pair<std::vector<int>, Calls>> games = {
        {{1, 5}, {"Mm O", "turn 1"}},
        {{1, 2, 3, 5, 4, 6, 8, 7, 9}, {"Bd X", "turn 2", "draw", "turn 1", "clear"}},
        // The ninth cross completes the top row and the left column at once.
        {{2, 5, 3, 6, 4, 8, 7, 9, 1}, {"Hg X", "turn 2", "1 wins", "turn 1", "clear"}},
    };
    for (const auto& [moves, last] : games) {
        RecordingView view;
        TwoPlayerGame game(view);
        for (int cell : moves)
            game.move(cell);
        check(view.log.size() == 2 * moves.size() - 2 + last.size()
                && Calls(view.log.end() - long(last.size()), view.log.end()) == last
                && (moves.size() < kCellCount ? game.board().moveCount() == 2 : isFresh(game.board())),
            "the game ending on " + std::string(cellName(moves.back())));
    }

    // The computer window names no player, and only the Hard marker brings
    // the next game back to Hard.
    RecordingView view;
    ComputerGame game(view, view);
    game.move(1);
    for (HardMarker marker : {HardMarker::Set, HardMarker::NeverSet, HardMarker::Cleared}) {
        game.fields().typepart = Medium;
        game.fields().tp1 = marker;
        game.raz();
        check(game.fields().typepart == (marker == HardMarker::Set ? Hard : Medium) && game.fields().tp1 == marker
                && view.log.back() == "clear" && isFresh(game.board()),
            "the computer's reset with tp1 " + hardMarkerText(marker));
    }
    check(view.log.front() == "Hg X" && view.log.size() == 4, "the computer window's move");

    // The text forms of the fields take only what they would show.
    Board board;
    int level = 0;
    check(board.setMarkText(1, "10") && board.setMarkText(1, "1") && !board.setMarkText(2, "10")
            && !board.setMarkText(5, "05") && !board.setTurnText("2") && !board.setMoveCountText("10")
            && !parseLevel("03", level) && board.mark(1) == Mark::Nought && board.isEmpty(5),
        "the text forms refuse what they never show");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
