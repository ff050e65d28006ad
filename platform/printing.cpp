// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printing.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

Q_LOGGING_CATEGORY(lcPrinting, "velmora.printing")

namespace velmora {

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

namespace {

constexpr double kTwipsPerInch = 1440.0;

// A folder, a pipe or a device, itself or at the end of a link: not ours to
// print on.
bool isRefusedTarget(const QString& path)
{
    const QFileInfo target(path);
    return target.exists() && !target.isFile();
}

// Qt's printer dialog opens the file named in it to see that it can be
// written, and a pipe there would hold it until something read it: its
// print button waits for a regular file, or a name that is free.
void guardFileName(QPrintDialog& dialog)
{
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QPushButton* print = buttons == nullptr ? nullptr : buttons->button(QDialogButtonBox::Ok);
    if (name == nullptr || print == nullptr)
        return;
    const auto check = [name, print] { print->setEnabled(!name->isEnabled() || !isRefusedTarget(name->text())); };
    QObject::connect(name, &QLineEdit::textChanged, print, check);
    if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
        QObject::connect(printers, &QComboBox::currentIndexChanged, print, check);
    // The dialog enables the field as it opens.
    QTimer::singleShot(0, print, check);
}

// One page on `device`, scaled from twips at the device's resolution.
PrintFailure paintPageInTwips(
    QPaintDevice& device, int resolution, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PrintFailure::NotStarted;
    // One page, at the sheet's designed size, from the top-left of the
    // printable area.
    const double scale = resolution / kTwipsPerInch;
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), sizeInTwips));
    draw(painter);
    return painter.end() ? PrintFailure::None : PrintFailure::PrinterError;
}

// Writes the page and reads back what the file holds. On a full disk or
// past a size limit the writes fail, or part of them, and the PDF writer
// would still end well: only the file's size and its last line tell.
PrintFailure writeWholeFile(const QString& path, const QByteArray& pdf)
{
    // Unbuffered, so that the size below is what reached the file.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered)) {
        qCWarning(lcPrinting) << "could not start printing on" << path << "-" << file.errorString();
        return PrintFailure::NotStarted;
    }
    file.write(pdf);
    const qint64 size = file.size();
    const bool whole
        = size == pdf.size() && file.seek(std::max<qint64>(0, size - 16)) && file.readAll().trimmed().endsWith("%%EOF");
    if (!whole) {
        qCWarning(lcPrinting) << "printing left" << path << "incomplete:" << size << "of" << pdf.size() << "bytes";
        return PrintFailure::Incomplete;
    }
    return PrintFailure::None;
}

// The page as PDF, made in memory and then written, so that the file can be
// held against what was made. A pipe would hold the program in open()
// until something read it, and a device would swallow the page: only a
// regular file, or none yet, is written.
PrintFailure printPdfFile(const QPrinter& printer, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw)
{
    const QString path = printer.outputFileName();
    if (isOutputFileRefused(printer))
        return PrintFailure::NotAFile;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setPdfVersion(printer.pdfVersion());
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    const PrintFailure failure = paintPageInTwips(writer, writer.resolution(), sizeInTwips, draw);
    if (failure != PrintFailure::None) {
        qCWarning(lcPrinting) << "printing failed on" << path;
        return failure;
    }
    return writeWholeFile(path, pdf.data());
}

} // namespace

bool runPrinterDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    guardFileName(dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool isOutputFileRefused(const QPrinter& printer)
{
    if (!isRefusedTarget(printer.outputFileName()))
        return false;
    qCWarning(lcPrinting) << "not printing on" << printer.outputFileName() << "- not a regular file";
    return true;
}

PrintFailure printPageInTwips(QPrinter& printer, const QSize& sizeInTwips, const std::function<void(QPainter&)>& draw)
{
    // Qt prints to a file only as PDF.
    if (!printer.outputFileName().isEmpty())
        return printPdfFile(printer, sizeInTwips, draw);
    PrintFailure failure = paintPageInTwips(printer, printer.resolution(), sizeInTwips, draw);
    if (failure == PrintFailure::None && printer.printerState() == QPrinter::Error)
        failure = PrintFailure::PrinterError;
    if (failure != PrintFailure::None)
        qCWarning(lcPrinting) << "printing failed on" << printDestination(printer);
    return failure;
}

QString printDestination(const QPrinter& printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

} // namespace velmora
