// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modal_answerer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>

namespace velmora::testing {

namespace {
// Only the newest answerer answers, so that no window is answered twice.
QList<ModalAnswerer*> answerers;
} // namespace

ModalAnswerer::ModalAnswerer()
{
    answerers.append(this);
    QCoreApplication::instance()->installEventFilter(this);
}

ModalAnswerer::~ModalAnswerer()
{
    QCoreApplication::instance()->removeEventFilter(this);
    answerers.removeOne(this);
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QDialog*>(watched);
    const QEvent::Type when = answerWhenActive ? QEvent::WindowActivate : QEvent::Show;
    if (event->type() == when && window != nullptr && window->isModal() && answerers.last() == this) {
        // Queued: the answer runs once the window's own loop has started.
        QMetaObject::invokeMethod(
            this,
            [this, shown = QPointer<QWidget>(window)] {
                if (shown && shown->isVisible())
                    answer(shown);
            },
            Qt::QueuedConnection);
    }
    return false;
}

void ModalAnswerer::answer(QWidget* window)
{
    if (drawFirst)
        window->grab();
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            ++questions_;
            yes->click();
            return;
        }
        seen_.append({box->text(), box->windowTitle(), box->icon(), int(box->buttons().size()), box->textFormat()});
        box->button(QMessageBox::Ok)->click();
        return;
    }
    ++dialogs_;
    auto* buttons = window->findChild<QDialogButtonBox*>();
    // A greyed-out OK cannot be pressed: Cancel answers instead.
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    (acceptDialogs && ok->isEnabled() ? ok : buttons->button(QDialogButtonBox::Cancel))->click();
}

} // namespace velmora::testing
