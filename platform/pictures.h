// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's pictures, rendered from their drawings by scripts/make-pictures
// and built in. Each mark comes at its designed 37 pixels and at two and three
// times that, so that a scaled screen shows it as sharp as its text.

#include "game/cells.h"

#include <QIcon>
#include <QPixmap>

namespace velmora {

// The mark's picture for a screen of this device-pixel ratio: the variant
// with at least as many pixels, tagged with its own ratio so that it is
// painted at the designed 37 x 37 logical pixels. None gives a null pixmap.
QPixmap markPixmap(Mark mark, qreal devicePixelRatio);

// The mark's largest variant, for pictures shown larger than designed.
QPixmap largestMarkPixmap(Mark mark);

// The board windows' icon: the program's icon of the installed theme, or the
// built-in one at every size it has.
QIcon boardIcon();

// The About window's icon, at every size it has.
QIcon aboutIcon();

} // namespace velmora
