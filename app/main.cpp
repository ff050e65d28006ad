// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"
#include "platform/clock_random_source.h"
#include "windows/build_config.h"
#include "windows/program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts when it finds no display; say so plainly instead.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fputs("velmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "start it from a graphical session.\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    // Qt takes the X11 window class from the application name; docks match
    // the windows to the launcher by it (StartupWMClass in the desktop file).
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(velmora::build::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(velmora::build::kDesktopId));

    velmora::ClockRandomSource random;
    velmora::SystemClock clock;
    velmora::Program program(random, clock);
    QObject::connect(&program, &velmora::Program::ended, &app, &QCoreApplication::quit);
    program.start();
    return app.exec();
}
