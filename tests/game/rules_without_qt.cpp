// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game rules on their own. This binary links the game library and nothing
// else, so it only builds while the rules stay free of the toolkit.
#include "game/board_game.h"
#include "game/computer_game.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace velmora;

int passed = 0;
int failed = 0;

void check(bool condition, const std::string& what)
{
    if (condition) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL: %s\n", what.c_str());
}

// Writes down every call the game makes, in order.
class RecordingView final : public GameView {
public:
    std::vector<std::string> calls;

    void showMark(int cell, Mark mark) override
    {
        calls.push_back(std::string(cellName(cell)) + (mark == Mark::Cross ? " X" : " O"));
    }
    void clearBoard() override { calls.push_back("clear"); }
    void showTurn(Player toMove) override { calls.push_back(toMove == Player::One ? "turn 1" : "turn 2"); }
    void announce(Outcome outcome) override
    {
        const char* const outcomes[] = {"player 1 wins", "player 2 wins", "draw"};
        calls.emplace_back(outcomes[static_cast<int>(outcome)]);
    }

    long countOf(const std::string& call) const { return std::count(calls.begin(), calls.end(), call); }
    long announcements() const { return countOf("player 1 wins") + countOf("player 2 wins") + countOf("draw"); }
};

// The computer window's game never rolls its dice here: it has no level.
class UnusedRandomSource final : public RandomSource {
public:
    void reseed() override { }
    double next() override { return 0.5; }
};

bool isFreshBoard(const Board& board)
{
    bool empty = true;
    for (int cell = 1; cell <= kCellCount; ++cell)
        empty = empty && board.isEmpty(cell);
    return empty && board.toMove() == Player::One && board.moveCount() == 0;
}

std::string lineName(const Line& line)
{
    return std::string(cellName(line[0])) + "-" + std::string(cellName(line[1])) + "-" + std::string(cellName(line[2]));
}

// Moves in which `winner` fills `line` while the other player stays off it
// and makes no line of its own.
std::vector<int> movesFillingLine(const Line& line, Player winner)
{
    std::vector<int> others;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (std::find(line.begin(), line.end(), cell) == line.end())
            others.push_back(cell);
    }
    // The crosses need three cells off the line when the noughts win.
    const auto isLine = [](int a, int b, int c) {
        return std::any_of(kLines.begin(), kLines.end(), [&](const Line& l) { return l == Line{a, b, c}; });
    };
    if (isLine(others[0], others[1], others[2]))
        std::swap(others[2], others[3]);
    if (winner == Player::One)
        return {line[0], others[0], line[1], others[1], line[2]};
    return {others[0], line[0], others[1], line[1], others[2], line[2]};
}

void playMoves(BoardGame& game, const std::vector<int>& cells)
{
    for (int cell : cells)
        game.move(cell);
}

void testEveryLineWins()
{
    for (const Line& line : kLines) {
        for (Player winner : {Player::One, Player::Two}) {
            const std::string what = lineName(line) + (winner == Player::One ? " by crosses" : " by noughts");
            RecordingView view;
            TwoPlayerGame game(view);
            std::vector<int> moves = movesFillingLine(line, winner);
            const int last = moves.back();
            moves.pop_back();
            playMoves(game, moves);
            check(view.announcements() == 0, what + ": no result before the line is full");
            game.move(last);
            const std::string expected = winner == Player::One ? "player 1 wins" : "player 2 wins";
            check(view.announcements() == 1 && view.countOf(expected) == 1, what + ": the mover is announced");
            check(isFreshBoard(game.board()), what + ": the board is reset");
        }
    }
}

void testLineNeedsThreeEqualMarks()
{
    Board board;
    check(!board.hasCompleteLine(), "an empty board has no line");
    for (const Line& line : kLines) {
        Board mixed;
        mixed.setMark(line[0], Mark::Cross);
        mixed.setMark(line[1], Mark::Cross);
        mixed.setMark(line[2], Mark::Nought);
        check(!mixed.hasCompleteLine(), lineName(line) + ": two crosses and a nought are no line");
    }
    // The middle and bottom rows full without a line; the top row stays empty.
    for (int cell : {4, 6, 8})
        board.setMark(cell, Mark::Cross);
    for (int cell : {5, 7, 9})
        board.setMark(cell, Mark::Nought);
    check(!board.hasCompleteLine(), "an empty top row is no line");
    const std::vector<std::string> codes = {"10", "2", "3", "4", "5", "6", "7", "8", "9"};
    Board empty;
    for (int cell = 1; cell <= kCellCount; ++cell)
        check(empty.markText(cell) == codes.at(static_cast<std::size_t>(cell - 1)),
            "empty code of " + std::string(cellName(cell)));
}

// Crosses Hg Hd Mm Bm, noughts Hm Mg Md Bg: the ninth cross, on Bd, makes
// the diagonal from Hg.
void testNinthMoveLineIsAWin()
{
    RecordingView view;
    TwoPlayerGame game(view);
    playMoves(game, {1, 2, 3, 4, 5, 6, 8, 7});
    check(view.announcements() == 0, "no result before the ninth move");
    view.calls.clear();
    game.move(9);
    check(view.calls == std::vector<std::string>{"Bd X", "turn 2", "player 1 wins", "turn 1", "clear"},
        "the ninth move's line is a win, announced once, then the reset");
    check(isFreshBoard(game.board()), "the board is reset after the ninth move");
}

// The last cross, on Hg, completes the top row and the left column at once.
void testTwoLinesGiveOneAnnouncement()
{
    RecordingView view;
    TwoPlayerGame game(view);
    playMoves(game, {2, 5, 3, 6, 4, 8, 7, 9, 1});
    check(view.announcements() == 1 && view.countOf("player 1 wins") == 1, "two lines at once: one announcement");
}

void testDrawAfterNineMoves()
{
    RecordingView view;
    TwoPlayerGame game(view);
    playMoves(game, {1, 2, 3, 5, 4, 6, 8, 7});
    check(view.announcements() == 0, "no result before the board is full");
    view.calls.clear();
    game.move(9);
    check(view.calls == std::vector<std::string>{"Bd X", "turn 2", "draw", "turn 1", "clear"},
        "nine moves without a line: the draw, then the reset");
}

void testMoveOrder()
{
    RecordingView view;
    TwoPlayerGame game(view);
    game.move(1);
    game.move(5);
    check(view.calls == std::vector<std::string>{"Hg X", "turn 2", "Mm O", "turn 1"},
        "a move shows its mark, then the player now to move");
    check(game.board().markText(1) == "0" && game.board().markText(5) == "1", "mark texts of a cross and a nought");
    check(
        game.board().turnText() == "0" && game.board().moveCountText() == "2", "turn and count texts after two moves");
    game.move(3);
    check(game.board().turnText() == "1" && game.board().moveCountText() == "3", "turn and count texts after three");

    RecordingView computerView;
    UnusedRandomSource random;
    ComputerGame computerGame(computerView, random);
    computerGame.move(1);
    check(computerView.calls == std::vector<std::string>{"Hg X"}, "the computer window names no player in a move");
}

void testTwoPlayerReset()
{
    RecordingView view;
    TwoPlayerGame game(view);
    game.move(1);
    view.calls.clear();
    game.raz();
    check(view.calls == std::vector<std::string>{"turn 1", "clear"}, "the reset shows player 1 before clearing");
    check(isFreshBoard(game.board()), "the reset in player 2's turn starts with player 1");
}

void testComputerReset()
{
    RecordingView view;
    UnusedRandomSource random;
    ComputerGame game(view, random);
    game.move(1);
    game.fields() = {.typepart = Medium, .tp1 = HardMarker::Set, .ty = 1, .ca = 1, .ca2 = 6};
    game.raz();
    check(game.fields().typepart == Hard, "the Hard marker brings the next game back to Hard");
    check(game.fields().tp1 == HardMarker::Set && game.fields().ty == 1 && game.fields().ca == 1
            && game.fields().ca2 == 6,
        "the reset keeps the marker and the book fields");
    check(view.calls == std::vector<std::string>{"Hg X", "clear"}, "the computer window's reset names no player");
    for (HardMarker marker : {HardMarker::NeverSet, HardMarker::Cleared}) {
        game.fields().typepart = Medium;
        game.fields().tp1 = marker;
        game.raz();
        check(game.fields().typepart == Medium, "without the marker the level stays: " + hardMarkerText(marker));
    }
    check(isFreshBoard(game.board()), "the computer window's reset clears the board");
}

void testBoardTextSetters()
{
    Board board;
    check(board.setMarkText(1, "1") && board.mark(1) == Mark::Nought, "cell 1 takes the nought's mark");
    check(board.setMarkText(1, "10") && board.isEmpty(1), "cell 1 takes its empty code 10");
    check(board.setMarkText(5, "0") && board.mark(5) == Mark::Cross, "a cell takes the cross's mark");
    for (const auto& [cell, text] : std::vector<std::pair<int, std::string>>{
             {2, "10"}, {1, "2"}, {5, "05"}, {5, "00"}, {5, ""}, {5, "x"}, {5, "-1"}, {5, " 1"}, {0, "0"}}) {
        check(!board.setMarkText(cell, text), "a mark field refuses \"" + text + "\"");
    }
    check(board.mark(5) == Mark::Cross && board.isEmpty(1), "refused texts change no mark");
    for (const char* text : {"2", "", "01", "x"})
        check(!board.setTurnText(text), std::string("the turn refuses \"") + text + "\"");
    check(board.setTurnText("1") && board.toMove() == Player::Two, "the turn takes 1");
    for (const char* text : {"10", "09", "-1", "x", ""})
        check(!board.setMoveCountText(text), std::string("the count refuses \"") + text + "\"");
    check(board.setMoveCountText("9") && board.moveCountText() == "9", "the count takes 9");
    int level = 0;
    check(parseLevel("4", level) && level == 4, "a level of no meaning is kept");
    check(!parseLevel("03", level) && !parseLevel("3 ", level) && level == 4, "the level refuses 03 and \"3 \"");
}

} // namespace

int main()
{
    testEveryLineWins();
    testLineNeedsThreeEqualMarks();
    testNinthMoveLineIsAWin();
    testTwoLinesGiveOneAnnouncement();
    testDrawAfterNineMoves();
    testMoveOrder();
    testTwoPlayerReset();
    testComputerReset();
    testBoardTextSetters();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
