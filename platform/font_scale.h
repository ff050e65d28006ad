// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twips.h"

class QFont;
class QWidget;

namespace velmora {

// The windows were laid out for the system's sans-serif at 9 points on a
// screen of 96 dots per inch. A font in force that is taller, by its size,
// its face or the screen's font resolution, draws the layout larger by the
// ratio of the two fonts' line heights; a smaller one leaves it as designed.
TwipsScale scaleForFont(const QFont& font);

// `font` at a size laid out in points, made larger by the scale as the
// window around it is. At scale 1 it keeps exactly its laid-out point size.
QFont scaledFont(QFont font, double points, const TwipsScale& scale);

// A control placed lower than its text's height grows to that height about
// its centre line, so that its text, centred, stays where it was drawn.
void growToTextHeight(QWidget& control);

} // namespace velmora
