// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/captions.h"

#include <QDialog>

namespace velmora {

class Program;

// `Printer1`: the small dialog that prints a sheet of 15 blank grids. It is
// closed for good by either of its buttons.
class PrintWindow final : public QDialog {
    Q_OBJECT

public:
    explicit PrintWindow(Program& program);

    void applyLanguage(Language language);

public Q_SLOTS:
    // Print: the printer dialog, then the sheet, then the window goes.
    void Command1_Click();
    // Cancel: the window goes and nothing is printed.
    void Command2_Click();

private:
    Program& program_;
    // The texts' language: as laid out until one is chosen.
    Language language_ = kLaidOutLanguage;
};

} // namespace velmora
