// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game rules on their own. This binary links the game library and nothing
// else, so it only builds while the rules stay free of the toolkit.
#include "game/board_game.h"
#include "game/computer_game.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

using namespace velmora;

int passed = 0;
int failed = 0;

void check(bool condition, const std::string& what)
{
    ++(condition ? passed : failed);
    if (!condition)
        std::printf("FAIL: %s\n", what.c_str());
}

// Writes down every call the game makes, in order.
class RecordingView final : public GameView, public TurnView {
public:
    std::string log;

    void showMark(int c, Mark m) override { log += std::string(cellName(c)) + (m == Mark::Cross ? "X " : "O "); }
    void clearBoard() override { log += "clear "; }
    void showPlayerToMove(Player next) override { log += next == Player::One ? "1 " : "2 "; }
    void announce(Outcome o) override { log += std::array{"1-wins ", "2-wins ", "draw "}.at(std::size_t(o)); }
};

} // namespace

int main()
{
    // Each game is played twice on one board: the reset after the first leaves
    // nothing behind. The ninth cross of the second completes the top row and
    // the left column at once.
    for (const auto& [moves, log] :
        {std::pair{"123546879", "HgX 2 HmO 1 HdX 2 MmO 1 MgX 2 MdO 1 BmX 2 BgO 1 BdX 2 draw 1 clear "},
            {"253648791", "HmX 2 MmO 1 HdX 2 MdO 1 MgX 2 BmO 1 BgX 2 BdO 1 HgX 2 1-wins 1 clear "}}) {
        RecordingView view;
        TwoPlayerGame game(view, view);
        for (char move : std::string(moves) + moves)
            game.move(move - '0');
        check(view.log == std::string(log) + log, std::string("the game through the cells ") + moves);
    }

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
