// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"

#include <algorithm>
#include <charconv>

namespace velmora {

bool parseSmallNumber(std::string_view text, int& value)
{
    // "05" is not the text of 5: a field holds its numbers without a leading
    // zero, so that reading it as text and as a number agree.
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text.front() == '0'))
        return false;
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < 0)
        return false;
    value = parsed;
    return true;
}

bool Board::hasEmptyCell() const
{
    return std::any_of(marks_.begin(), marks_.end(), [](Mark m) { return m == Mark::None; });
}

bool Board::hasCompleteLine() const
{
    return std::any_of(kLines.begin(), kLines.end(), [this](const Line& line) {
        // Empty cells have codes of their own and never make a line.
        const Mark first = mark(line[0]);
        return first != Mark::None && first == mark(line[1]) && first == mark(line[2]);
    });
}

std::string Board::markText(int cell) const
{
    switch (mark(cell)) {
    case Mark::Cross:
        return "0";
    case Mark::Nought:
        return "1";
    case Mark::None:
        break;
    }
    return std::to_string(emptyCode(cell));
}

bool Board::setMarkText(int cell, std::string_view text)
{
    int value = -1;
    if (!isCell(cell) || !parseSmallNumber(text, value))
        return false;
    if (value == 0 || value == 1)
        setMark(cell, value == 0 ? Mark::Cross : Mark::Nought);
    else if (value == emptyCode(cell))
        setMark(cell, Mark::None);
    else
        return false;
    return true;
}

std::string Board::turnText() const
{
    return toMove_ == Player::One ? "0" : "1";
}

bool Board::setTurnText(std::string_view text)
{
    if (text != "0" && text != "1")
        return false;
    toMove_ = text == "0" ? Player::One : Player::Two;
    return true;
}

std::string Board::moveCountText() const
{
    return std::to_string(moveCount_);
}

bool Board::setMoveCountText(std::string_view text)
{
    int value = -1;
    if (!parseSmallNumber(text, value) || value > kCellCount)
        return false;
    moveCount_ = value;
    return true;
}

} // namespace velmora
