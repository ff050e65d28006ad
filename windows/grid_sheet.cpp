// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/grid_sheet.h"

#include "platform/twips.h"

#include <QPainter>

#include <array>

namespace velmora {

namespace {

// Each grid is a square 2040 twips wide with no outline: two lines each way,
// 600 and 1320 from its left (or top) edge.
constexpr int kGridSide = 2040;
constexpr std::array<int, 2> kDividers = {600, 1320};
constexpr std::array<int, 5> kGridLefts = {120, 2400, 4560, 6840, 9120};
constexpr std::array<int, 3> kGridTops = {120, 2280, 4560};

} // namespace

GridSheet::GridSheet()
{
    setObjectName(QStringLiteral("printgrille"));
    setWindowTitle(QStringLiteral("Grille"));
    setAttribute(Qt::WA_DontShowOnScreen);
    const QSize size = sizeInTwips();
    setFixedSize(twipsToPixels(size.width()), twipsToPixels(size.height()));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

QSize GridSheet::sizeInTwips()
{
    return {11310, 6765};
}

QList<QLine> GridSheet::linesInTwips()
{
    QList<QLine> lines;
    for (int top : kGridTops) {
        for (int left : kGridLefts) {
            for (int divider : kDividers) {
                lines.append(QLine(left + divider, top, left + divider, top + kGridSide));
                lines.append(QLine(left, top + divider, left + kGridSide, top + divider));
            }
        }
    }
    return lines;
}

void GridSheet::paintInTwips(QPainter& painter) const
{
    // A line is one screen pixel thick, 15 twips, on paper as on screen: a
    // cosmetic hairline would come out one printer dot thin.
    painter.setPen(QPen(Qt::black, kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(linesInTwips());
}

void GridSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    paintInTwips(painter);
}

} // namespace velmora
