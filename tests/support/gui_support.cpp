// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace velmora::testing {

MessageBoxAnswerer::MessageBoxAnswerer()
    : watcher_(new QObject)
{
    auto* timer = new QTimer(watcher_);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, watcher_, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        seen_.append({box->text(), box->windowTitle(), box->icon(), int(box->buttons().size())});
        box->button(QMessageBox::Ok)->click();
    });
    timer->start();
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    delete watcher_;
}

double ScriptedRandom::next()
{
    int cell = 0;
    if (!cells_.empty()) {
        cell = cells_.front();
        cells_.pop_front();
    } else {
        cell = roundRobin_ % 9 + 1;
        ++roundRobin_;
    }
    // The integer part of ten times the value is the cell drawn.
    return (cell + 0.5) / 10.0;
}

TestProgram::TestProgram()
{
    qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
    program_ = std::make_unique<Program>(random_, clock_);
}

TestProgram::~TestProgram() = default;

QString TestProgram::settingsPath() const
{
    return configHome_.filePath(QStringLiteral("Velmora.ini"));
}

QByteArray TestProgram::settingsBytes() const
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void TestProgram::writeSettings(const QByteArray& bytes) const
{
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool activate(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QStringList marks(QObject& board)
{
    QStringList result;
    for (int cell = 1; cell <= 9; ++cell)
        result.append(board.property(QStringLiteral("Label%1").arg(cell).toLatin1().constData()).toString());
    return result;
}

} // namespace velmora::testing
