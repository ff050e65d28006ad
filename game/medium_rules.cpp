// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/medium_rules.h"

#include <array>

namespace velmora {

namespace {

struct LineRule {
    int firstPair;
    int secondPair;
    int gap;
};

// The rows from the bottom up, the columns from left to right, then the
// diagonal from the top right and the one from the top left. In a row the gap
// moves left to right, in a column top to bottom; in a diagonal the centre is
// the gap first, then the bottom end, then the top end. The order decides
// which of several wins, or blocks, the computer plays.
constexpr std::array<LineRule, 24> kLineRules = {{
    {9, 8, 7}, {9, 7, 8}, {8, 7, 9}, // bottom row
    {6, 5, 4}, {6, 4, 5}, {5, 4, 6}, // middle row
    {3, 2, 1}, {3, 1, 2}, {2, 1, 3}, // top row
    {7, 4, 1}, {7, 1, 4}, {4, 1, 7}, // left column
    {5, 8, 2}, {8, 2, 5}, {5, 2, 8}, // middle column
    {9, 6, 3}, {9, 3, 6}, {6, 3, 9}, // right column
    {7, 3, 5}, {3, 5, 7}, {7, 5, 3}, // diagonal from the top right
    {9, 1, 5}, {5, 1, 9}, {9, 5, 1}, // diagonal from the top left
}};

} // namespace

std::optional<int> mediumRuleCell(const Board& board, Mark mark)
{
    for (const LineRule& rule : kLineRules) {
        if (board.mark(rule.firstPair) == mark && board.mark(rule.secondPair) == mark && board.isEmpty(rule.gap))
            return rule.gap;
    }
    return std::nullopt;
}

} // namespace velmora
