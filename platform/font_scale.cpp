// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_scale.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

namespace velmora {

namespace {

// 9 points at 96 dots per inch. Set in pixels, the designed font keeps its
// size whatever resolution the screen gives to points.
constexpr int kDesignedFontPixels = 12;
constexpr double kDesignedPixelsPerPoint = 96.0 / 72.0;

} // namespace

TwipsScale scaleForFont(const QFont& font)
{
    QFont designed(QStringLiteral("Sans Serif"));
    designed.setStyleHint(QFont::SansSerif);
    designed.setPixelSize(kDesignedFontPixels);
    return TwipsScale(double(QFontMetrics(font).height()) / QFontMetrics(designed).height());
}

QFont scaledFont(QFont font, double points, const TwipsScale& scale)
{
    // The scale already holds the screen's font resolution: a larger font is
    // given in pixels, or that resolution would count twice.
    if (scale.factor() == 1.0)
        font.setPointSizeF(points);
    else
        font.setPixelSize(static_cast<int>(std::lround(points * kDesignedPixelsPerPoint * scale.factor())));
    return font;
}

void growToTextHeight(QWidget& control)
{
    const int needed
        = control.hasHeightForWidth() ? control.heightForWidth(control.width()) : control.sizeHint().height();
    if (needed > control.height())
        control.setGeometry(control.x(), control.y() - (needed - control.height()) / 2, control.width(), needed);
}

} // namespace velmora
