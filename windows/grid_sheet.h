// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QWidget>

class QPainter;

namespace velmora {

// `printgrille`: 15 blank 3 × 3 grids, 5 across and 3 down, on white. It is
// printed and never shown.
class GridSheet final : public QWidget {
    Q_OBJECT

public:
    GridSheet();

    // The sheet's designed size, 11310 × 6765 twips.
    static QSize sizeInTwips();
    // The 60 lines of the sheet, in twips from its top-left corner.
    static QList<QLine> linesInTwips();
    // Draws the sheet with the painter's coordinates in twips.
    void paintInTwips(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
