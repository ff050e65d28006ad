// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <cmath>

namespace velmora {

// Layouts are drawn in twips, 1/1440 inch: 15 twips to a pixel on a screen
// of 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// A window laid out in twips, drawn larger by `factor` (never smaller than
// designed). At factor 1 every measure is the designed one to the pixel.
class TwipsScale {
public:
    TwipsScale() = default;
    explicit TwipsScale(double factor)
        : factor_(std::isfinite(factor) && factor > 1.0 ? factor : 1.0)
    {
    }

    double factor() const { return factor_; }
    int pixels(int twips) const { return twipsToPixels(static_cast<int>(std::lround(twips * factor_))); }
    QSize size(int width, int height) const { return {pixels(width), pixels(height)}; }
    QRect rect(int left, int top, int width, int height) const
    {
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    }

private:
    double factor_ = 1.0;
};

} // namespace velmora
