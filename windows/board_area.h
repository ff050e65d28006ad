// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace velmora {

// The green board with the eight lines of its 3 × 3 grid; the cell buttons
// and images sit on it.
class BoardArea final : public QWidget {
    Q_OBJECT

public:
    explicit BoardArea(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
