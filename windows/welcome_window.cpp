// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/welcome_window.h"

#include "platform/clock.h"
#include "platform/font_scale.h"
#include "platform/label_text.h"
#include "platform/pictures.h"
#include "platform/window_placement.h"
#include "windows/build_config.h"
#include "windows/program.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace velmora {

namespace {

// A label in Arial at `points`, made larger with the window.
QLabel* addLabel(
    QWidget* parent, const char* name, const QRect& place, const TwipsScale& scale, double points, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = scaledFont(QFont(QStringLiteral("Arial")), points, scale);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(place);
    growToTextHeight(*label);
    return label;
}

QLabel* addLogo(QWidget* parent, const char* name, const QRect& place, Mark mark)
{
    auto* logo = new QLabel(parent);
    logo->setObjectName(QLatin1String(name));
    logo->setGeometry(place);
    logo->setPixmap(largestMarkPixmap(mark));
    logo->setScaledContents(true);
    return logo;
}

// Elapsed time as "h:mm:ss": hours without a leading zero.
QString elapsedText(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

WelcomeWindow::WelcomeWindow(Program& program, const Clock& clock)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , program_(program)
    , clock_(clock)
{
    setObjectName(QStringLiteral("Acceuil"));
    setWindowTitle(QString());
    const TwipsScale scale = scaleForFont(font());
    setFixedSize(scale.size(6090, 3930));
    buildControls(scale);
    centreOnScreen(*this);

    // The version and the title; the time is counted from the showing, below.
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Version %1.%2.%3")
                      .arg(build::kVersionMajor)
                      .arg(build::kVersionMinor)
                      .arg(build::kVersionPatch));
    findChild<QLabel*>(QStringLiteral("lblProductName"))->setText(QStringLiteral("Velmora"));
    fitLabelsToTexts();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    // A coarse timer may fire up to 5 % early; the hand-over is meant to
    // come one second after the window shows, not at the second tick.
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &WelcomeWindow::Timer1_Timer);
}

void WelcomeWindow::showEvent(QShowEvent* event)
{
    // The second the window stays is counted from its showing, not from its
    // building: building the program's first window takes a while.
    if (!timer1_->isActive())
        startCounting();
    QDialog::showEvent(event);
}

void WelcomeWindow::paintEvent(QPaintEvent* event)
{
    // And counted again from its first drawing: the window system may map
    // and draw it some milliseconds after it was shown.
    if (!drawn_) {
        drawn_ = true;
        startCounting();
    }
    QDialog::paintEvent(event);
}

void WelcomeWindow::startCounting()
{
    if (handedOver_)
        return;
    startTime_ = clock_.now();
    timer1_->start();
}

void WelcomeWindow::buildControls(const TwipsScale& scale)
{
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::Box);
    frame1_->setGeometry(scale.rect(150, 60, 5865, 3795));
    frame1_->installEventFilter(this);

    addLogo(frame1_, "imgLogo0", scale.rect(840, 1440, 1335, 1425), Mark::Cross);
    addLogo(frame1_, "imgLogo1", scale.rect(240, 720, 1335, 1425), Mark::Nought);
    QLabel* product = addLabel(frame1_, "lblProductName", scale.rect(2880, 960, 2430, 765), scale, 32.25, true);
    product->setText(QStringLiteral("Produit"));
    QLabel* version = addLabel(frame1_, "lblVersion", scale.rect(4560, 2700, 885, 285), scale, 12, true);
    version->setText(QStringLiteral("Version"));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* notice = addLabel(frame1_, "lblCopyright", scale.rect(2760, 3060, 2895, 255), scale, 8.25, false);
    setTextElidedToWidth(*notice, QString::fromUtf8(build::kPublisherNotice));
    addLabel(frame1_, "Label2", scale.rect(3480, 1680, 975, 255), scale, 8.25, false);
    elapsed_ = addLabel(frame1_, "Label1", scale.rect(720, 240, 855, 375), scale, 9.75, true);
    elapsed_->setText(QStringLiteral("00:00:00"));
    elapsed_->setAlignment(Qt::AlignCenter);
    elapsed_->hide();
}

void WelcomeWindow::fitLabelsToTexts()
{
    // The title and the version size themselves to their texts; the version
    // keeps its right edge, and neither may leave the frame.
    auto* product = findChild<QLabel*>(QStringLiteral("lblProductName"));
    auto* version = findChild<QLabel*>(QStringLiteral("lblVersion"));
    const int versionRight = version->geometry().right();
    for (QLabel* label : {product, version})
        label->adjustSize();
    version->move(versionRight - version->width() + 1, version->y());
    const int frameRight = frame1_->contentsRect().right();
    if (product->geometry().right() > frameRight)
        product->move(frameRight - product->width(), product->y());
}

void WelcomeWindow::Timer1_Timer()
{
    // Whole seconds to the nearest: a tick a few milliseconds early still
    // counts its full second. A clock set back counts as no time.
    const qint64 seconds = std::max<qint64>(0, (startTime_.msecsTo(clock_.now()) + 500) / 1000);
    elapsed_->setText(elapsedText(seconds));
    // A late first tick on a busy machine must not strand the user here:
    // hand over at the first tick one second or more after the showing.
    if (seconds >= 1)
        Frame1_Click();
}

void WelcomeWindow::Frame1_Click()
{
    if (handedOver_)
        return;
    handedOver_ = true;
    timer1_->stop();
    program_.continueStartUp();
    close();
    deleteLater();
}

void WelcomeWindow::keyPressEvent(QKeyEvent* event)
{
    // Form_KeyPress: any key that types a character hands over.
    if (!event->text().isEmpty()) {
        Frame1_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool WelcomeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the frame's own area hands over: pressed and released
    // there. A click on a picture or a label inside it does nothing.
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (watched == frame1_ && (press || event->type() == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint place = mouse->position().toPoint();
        const bool onOwnArea = frame1_->rect().contains(place) && frame1_->childAt(place) == nullptr;
        if (mouse->button() == Qt::LeftButton) {
            const bool clicked = !press && framePressed_ && onOwnArea;
            framePressed_ = press && onOwnArea;
            if (clicked)
                Frame1_Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmora
