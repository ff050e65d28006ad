// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/level.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Marks a Hard game that stepped down to Medium, so that the next reset
// brings it back to Hard. Text forms: "Label10" (never written), "3" (set),
// "2135" (cleared by choosing Easy or Medium).
enum class HardMarker { NeverSet, Set, Cleared };

// A field of the opening book: a small number, or nothing written yet
// (text "Label10").
using BookField = std::optional<int>;

// The window against the computer's own fields, beside its board.
struct OpponentFields {
    int typepart = NoLevel;
    HardMarker tp1 = HardMarker::NeverSet;
    BookField ty; // which opening the book is following
    BookField ca; // cell of the person's first cross, when not the centre
    BookField ca2; // key of the position after the computer's second nought
};

std::string hardMarkerText(HardMarker marker);
bool parseHardMarker(std::string_view text, HardMarker& marker);
std::string bookFieldText(const BookField& field);
bool parseBookField(std::string_view text, BookField& field);
std::string levelText(int typepart);
bool parseLevel(std::string_view text, int& typepart);

} // namespace velmora
