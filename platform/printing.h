// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

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

// Why a page did not come out.
enum class PrintFailure {
    None,
    NotStarted, // the printer or the file could not be opened
    PrinterError, // the printer reported an error
    EmptyFile, // printing to a file left it empty or missing: a full disk
};

// Prints one page: `draw` paints in twips from the top-left of the printable
// area, at the size given. A print to a file is checked afterwards, as the
// painter reports success even when nothing could be written. A failure is
// logged in one line.
PrintFailure printPageInTwips(QPrinter& printer, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw);

// Where the page went: the output file, else the printer's name.
QString printDestination(const QPrinter& printer);

} // namespace velmora
