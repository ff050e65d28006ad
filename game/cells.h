// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// Cells are numbered 1 to 9 row by row from the top left. Their names give the
// row (H top, M middle, B bottom) and the column (g left, m middle, d right).
inline constexpr int kCellCount = 9;

inline constexpr std::array<std::string_view, kCellCount> kCellNames
    = {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"};

constexpr std::string_view cellName(int cell)
{
    return kCellNames.at(static_cast<std::size_t>(cell - 1));
}

constexpr bool isCell(int cell)
{
    return cell >= 1 && cell <= kCellCount;
}

// An empty cell holds a code of its own, so that three empty cells never
// compare equal. Cell 1 holds 10, because 1 is the nought's mark.
constexpr int emptyCode(int cell)
{
    return cell == 1 ? 10 : cell;
}

enum class Mark : std::uint8_t { None, Cross, Nought };

// Player one plays the crosses and always opens a game.
enum class Player : std::uint8_t { One, Two };

constexpr Mark markOf(Player player)
{
    return player == Player::One ? Mark::Cross : Mark::Nought;
}
constexpr Player otherPlayer(Player player)
{
    return player == Player::One ? Player::Two : Player::One;
}

using Line = std::array<int, 3>;

// The eight lines of the grid: rows, columns, then the two diagonals.
inline constexpr std::array<Line, 8> kLines = {{
    {1, 2, 3},
    {4, 5, 6},
    {7, 8, 9},
    {1, 4, 7},
    {2, 5, 8},
    {3, 6, 9},
    {1, 5, 9},
    {3, 5, 7},
}};

} // namespace velmora
