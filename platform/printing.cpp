// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printing.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcPrinting, "velmora.printing")

namespace velmora {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

std::unique_ptr<QPrinter> makeProgramPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Velmora"));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // The documents folder may not exist on a fresh account; the home
        // folder always does.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(folder).exists())
            folder = QDir::homePath();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir(folder).filePath(QStringLiteral("Velmora-grilles.pdf")));
    }
    return printer;
}

bool runPrinterDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintFailure printPageInTwips(QPrinter& printer, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        qCWarning(lcPrinting) << "could not start printing on" << printDestination(printer);
        return PrintFailure::NotStarted;
    }
    // One page, at the sheet's designed size, from the top-left of the
    // printable area.
    const double scale = printer.resolution() / kTwipsPerInch;
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), sizeInTwips));
    draw(painter);
    // On a full disk the PDF writer loses its writes and still ends well:
    // only the file itself tells.
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) {
        qCWarning(lcPrinting) << "printing failed on" << printDestination(printer);
        return PrintFailure::PrinterError;
    }
    if (!printer.outputFileName().isEmpty() && QFileInfo(printer.outputFileName()).size() == 0) {
        qCWarning(lcPrinting) << "printing left" << printer.outputFileName() << "empty or missing";
        return PrintFailure::EmptyFile;
    }
    return PrintFailure::None;
}

QString printDestination(const QPrinter& printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

} // namespace velmora
