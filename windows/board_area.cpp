// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/board_area.h"

#include <QPainter>

#include <array>

namespace velmora {

namespace {

// An outer square and the inner dividers of cells 840 twips wide.
constexpr std::array<int, 4> kGridLinesTwips = {120, 960, 1800, 2640};

} // namespace

BoardArea::BoardArea(QWidget* parent, const TwipsScale& scale)
    : QWidget(parent)
    , scale_(scale)
{
    setObjectName(QStringLiteral("board"));
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(green);
}

void BoardArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    const int first = scale_.pixels(kGridLinesTwips.front());
    const int last = scale_.pixels(kGridLinesTwips.back());
    for (int at : kGridLinesTwips) {
        const int pixel = scale_.pixels(at);
        painter.drawLine(pixel, first, pixel, last);
        painter.drawLine(first, pixel, last, pixel);
    }
}

} // namespace velmora
