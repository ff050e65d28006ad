// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace velmora {

// The program's printer. With no printer installed it prints to a PDF file,
// Velmora-grilles.pdf in the user's documents folder.
std::unique_ptr<QPrinter> makeProgramPrinter();

// The system's printer dialog, modal; true when the user chose to print. The
// choices made there stay with the printer for the next print.
bool runPrinterDialog(QPrinter& printer, QWidget* parent);

// Prints one page: `draw` paints in twips from the top-left of the printable
// area, at the size given. False, with a logged line, when printing failed.
bool printPageInTwips(QPrinter& printer, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw);

} // namespace velmora
