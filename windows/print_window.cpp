// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/print_window.h"

#include "platform/font_scale.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/printing.h"
#include "platform/window_placement.h"
#include "windows/program.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>

namespace velmora {

namespace {

// One box in the language of the window's texts says
// why nothing came out and where it should have gone.
void showPrintFailure(QWidget* parent, PrintFailure failure, const QPrinter& printer, Language language)
{
    const char* reason = failure == PrintFailure::NotStarted ? "Printing.notStarted"
        : failure == PrintFailure::PrinterError              ? "Printing.printerError"
        : failure == PrintFailure::NotAFile                  ? "Printing.notAFile"
                                                             : "Printing.incomplete";
    showExclamationBox(parent,
        caption("Printing.failed", language) + caption(reason, language)
            + QStringLiteral(" (%1)").arg(printDestination(printer)),
        caption("Printer1.title", language));
}

} // namespace

PrintWindow::PrintWindow(Program& program)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , program_(program)
{
    setObjectName(QStringLiteral("Printer1"));
    setWindowTitle(laidOutCaption("Printer1.title"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(boardIcon());
    // The frame is sizable; the controls keep their places, so it may grow
    // but not shrink below the laid-out size.
    const TwipsScale scale = scaleForFont(font());
    resize(scale.size(3750, 1170));
    setMinimumSize(size());

    auto* label = new QLabel(laidOutCaption("Printer1.Label1"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(scale.rect(120, 120, 3495, 495));
    label->setWordWrap(true);
    // The laid-out face is rarely installed: the system's sans-serif stands
    // in for it at the laid-out size.
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setStyleHint(QFont::SansSerif);
    label->setFont(scaledFont(face, 9.75, scale));

    // The print button comes first in the tab order and has the focus.
    auto* print = new QPushButton(laidOutCaption("Printer1.Command1"), this);
    print->setObjectName(QStringLiteral("Command1"));
    print->setGeometry(scale.rect(1988, 720, 1095, 375));
    auto* cancel = new QPushButton(laidOutCaption("Printer1.Command2"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(scale.rect(668, 720, 1095, 375));
    print->setDefault(true);
    print->setFocus();
    connect(print, &QPushButton::clicked, this, &PrintWindow::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &PrintWindow::Command2_Click);
    centreOnScreen(*this);
}

void PrintWindow::applyLanguage(Language language)
{
    language_ = language;
    setWindowTitle(caption("Printer1.title", language));
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(caption("Printer1.Label1", language));
    findChild<QPushButton*>(QStringLiteral("Command2"))->setText(caption("Printer1.Command2", language));
    findChild<QPushButton*>(QStringLiteral("Command1"))->setText(caption("Printer1.Command1", language));
}

void PrintWindow::Command1_Click()
{
    // The window closes whether the printer dialog printed or was cancelled.
    const PrintFailure failure = program_.printGridSheet(*this);
    if (failure != PrintFailure::None)
        showPrintFailure(this, failure, program_.printer(), language_);
    close();
}

void PrintWindow::Command2_Click()
{
    close();
}

} // namespace velmora
