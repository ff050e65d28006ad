// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>

namespace velmora::testing {

// One message box as the user saw it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    Qt::TextFormat format = Qt::AutoText;
};

// Answers every modal window once, from inside its own event loop, as soon
// as it is shown: a message box with OK, or with Yes when it asks a question
// (the printer dialog's "replace the file?"), any other dialog with its OK
// or Cancel button as `acceptDialogs` says (Cancel when OK is greyed out). Nothing is polled, so a window
// that is active again after a box closes is never answered twice; of
// several answerers alive at once, the newest answers.
class ModalAnswerer final : public QObject {
public:
    ModalAnswerer();
    ~ModalAnswerer() override;

    bool acceptDialogs = true;
    // Draws each window before answering it, as the user would see it.
    bool drawFirst = false;
    // Waits until the window is the active one, as a window system makes it.
    bool answerWhenActive = false;
    // The message boxes answered with OK, in order.
    const QList<SeenBox>& seen() const { return seen_; }
    int questionsAnswered() const { return questions_; }
    int dialogsAnswered() const { return dialogs_; }
    void clear() { seen_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QWidget* window);

    QList<SeenBox> seen_;
    int questions_ = 0;
    int dialogs_ = 0;
};

} // namespace velmora::testing
