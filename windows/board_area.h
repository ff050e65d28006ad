// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twips.h"

#include <QWidget>

namespace velmora {

// The green board with the eight lines of its 3 × 3 grid; the cell buttons
// and images sit on it, drawn as large as the window's scale makes them.
class BoardArea final : public QWidget {
    Q_OBJECT

public:
    BoardArea(QWidget* parent, const TwipsScale& scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwipsScale scale_;
};

} // namespace velmora
