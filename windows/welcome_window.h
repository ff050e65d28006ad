// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twips.h"

#include <QDateTime>
#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace velmora {

class Clock;
class Program;

// `Acceuil`: the program's first window. It shows the title, the version and
// the two marks for about a second, then hands over to the game; a key or a
// click on the frame hands over at once.
class WelcomeWindow final : public QDialog {
    Q_OBJECT

public:
    WelcomeWindow(Program& program, const Clock& clock);

public Q_SLOTS:
    void Timer1_Timer();
    // The hand-over: the start-up continuation, then the window goes.
    void Frame1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(const TwipsScale& scale);
    void fitLabelsToTexts();
    void startCounting();

    Program& program_;
    const Clock& clock_;
    QDateTime startTime_;
    QFrame* frame1_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QTimer* timer1_ = nullptr;
    bool handedOver_ = false;
    bool framePressed_ = false;
    bool drawn_ = false;
};

} // namespace velmora
