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
// choices made there stay with the printer for the next print. Its print
// button is offered only for a file that may be printed on.
bool runPrinterDialog(QPrinter& printer, QWidget* parent);

// True, and logged, when the printer prints to a file and a folder, a pipe
// or a device stands at its name: the printer dialog and the PDF writer
// would open it, and a pipe would hold them there until something read it.
bool isOutputFileRefused(const QPrinter& printer);

// Why a page did not come out.
enum class PrintFailure {
    None,
    NotStarted, // the printer or the file could not be opened
    PrinterError, // the printer reported an error
    NotAFile, // a folder, a pipe or a device stands where the file should go
    Incomplete, // the file does not hold the whole page: a full disk, a size limit
};

// Prints one page: `draw` paints in twips from the top-left of the printable
// area, at the size given. A print to a file goes only to a regular file, or
// to none yet, and is read back afterwards, as the painter reports success
// even when nothing could be written. A failure is logged in one line.
PrintFailure printPageInTwips(QPrinter& printer, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw);

// Where the page went: the output file, else the printer's name.
QString printDestination(const QPrinter& printer);

} // namespace velmora
