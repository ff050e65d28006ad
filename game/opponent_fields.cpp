// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/opponent_fields.h"

#include "game/board.h"

namespace velmora {

namespace {
constexpr std::string_view kUnwritten = "Label10";
constexpr std::string_view kMarkerSet = "3";
constexpr std::string_view kMarkerCleared = "2135";
} // namespace

std::string hardMarkerText(HardMarker marker)
{
    switch (marker) {
    case HardMarker::Set:
        return std::string(kMarkerSet);
    case HardMarker::Cleared:
        return std::string(kMarkerCleared);
    case HardMarker::NeverSet:
        break;
    }
    return std::string(kUnwritten);
}

bool parseHardMarker(std::string_view text, HardMarker& marker)
{
    if (text == kMarkerSet)
        marker = HardMarker::Set;
    else if (text == kMarkerCleared)
        marker = HardMarker::Cleared;
    else if (text == kUnwritten)
        marker = HardMarker::NeverSet;
    else
        return false;
    return true;
}

std::string bookFieldText(const BookField& field)
{
    return field ? std::to_string(*field) : std::string(kUnwritten);
}

bool parseBookField(std::string_view text, BookField& field)
{
    if (text == kUnwritten) {
        field.reset();
        return true;
    }
    int value = 0;
    if (!parseSmallNumber(text, value))
        return false;
    field = value;
    return true;
}

std::string levelText(int typepart)
{
    return std::to_string(typepart);
}

bool parseLevel(std::string_view text, int& typepart)
{
    return parseSmallNumber(text, typepart);
}

} // namespace velmora
