// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/cells.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The state of one game: the nine marks, whose turn it is and how many moves
// were made. The fields are held typed; their text forms ("0" cross, "1"
// nought, the empty code otherwise; "0"/"1" for the turn; "0".."9" for the
// count) are what the windows show to tests and automation.
class Board {
public:
    Mark mark(int cell) const { return marks_.at(index(cell)); }
    bool isEmpty(int cell) const { return mark(cell) == Mark::None; }
    void setMark(int cell, Mark mark) { marks_.at(index(cell)) = mark; }
    void clearMarks() { marks_.fill(Mark::None); }
    bool hasEmptyCell() const;

    Player toMove() const { return toMove_; }
    void setToMove(Player player) { toMove_ = player; }

    int moveCount() const { return moveCount_; }
    void setMoveCount(int count) { moveCount_ = count; }

    // True when some line holds three equal marks; which line, or how many,
    // does not matter.
    bool hasCompleteLine() const;

    std::string markText(int cell) const;
    bool setMarkText(int cell, std::string_view text);
    std::string turnText() const;
    bool setTurnText(std::string_view text);
    std::string moveCountText() const;
    bool setMoveCountText(std::string_view text);

private:
    static std::size_t index(int cell) { return static_cast<std::size_t>(cell - 1); }

    std::array<Mark, kCellCount> marks_{};
    Player toMove_ = Player::One;
    int moveCount_ = 0;
};

// Reads the whole text as a decimal number from 0 to 99, written without a
// leading zero; anything else fails.
bool parseSmallNumber(std::string_view text, int& value);

} // namespace velmora
