// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <memory>

namespace velmora {

namespace {

const QString kBoxName = QStringLiteral("MessageBox");

// Qt 6.4 closes a dialog through its native window, which destroys that
// window; the next showing makes a new one, and each time Qt's focus
// bookkeeping leaves a connection behind on the box's window object (about
// 90 B a message under X11). Dropping that object once the box is closed
// takes them with it.
class MessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    void dropWindow() { destroy(); }
};

} // namespace

void showExclamationBox(QWidget* parent, const QString& text, const QString& title)
{
    // Each window keeps one box and shows it again for every message. A new
    // box per message loads the style's icon for its OK button anew, and Qt
    // 6.4 keeps the pictures of every such icon (about 2 KB a box under X11):
    // an evening of games would make the program grow without end.
    // Every box of that name is made below.
    auto* box = parent == nullptr
        ? nullptr
        : static_cast<MessageBox*>(parent->findChild<QMessageBox*>(kBoxName, Qt::FindDirectChildrenOnly));
    std::unique_ptr<MessageBox> oneOff;
    if (box == nullptr || box->isVisible()) {
        // Without a window to keep it, or while the window's box is still
        // open, a box serves this message only.
        const bool kept = parent != nullptr && box == nullptr;
        box = new MessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box->setObjectName(kBoxName);
        box->setTextFormat(Qt::PlainText); // paths and addresses, never markup
        if (!kept)
            oneOff.reset(box);
    }
    box->setWindowTitle(title);
    box->setText(text);
    const QPointer<QMessageBox> stillThere(box);
    box->exec();
    // A hidden box stays the active window until a window manager says
    // otherwise, and there may be none: the window it belongs to takes the
    // keys again at once, as when each box was destroyed.
    if (QApplication::activeWindow() == box)
        QApplication::setActiveWindow(parent != nullptr && parent->isVisible() ? parent : nullptr);
    if (!oneOff && stillThere)
        box->dropWindow();
}

} // namespace velmora
