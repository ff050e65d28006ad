// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"
#include "platform/clock_random_source.h"
#include "windows/build_config.h"
#include "windows/program.h"

#include <QApplication>
#include <QList>

#include <utility>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's messages while it opens the display are held back: when it opens one
// they go out as they came; when it cannot, Qt would abort (a core dump)
// after several lines, and one line of ours says it instead.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void replayHeldMessages()
{
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& held : std::exchange(heldMessages, {}))
        qtHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
}

void holdWhileOpeningDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const bool noDisplay = text.contains(QLatin1String("no Qt platform plugin could be initialized"))
        || text.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive);
    if (type == QtFatalMsg && noDisplay) {
        const bool unset = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        std::fprintf(stderr, "velmora: no display found (%s); start it from a graphical session.\n",
            unset ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : "the one named cannot be opened");
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.append({type, QByteArray(context.category), text});
    if (type == QtFatalMsg)
        replayHeldMessages();
}

} // namespace

int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(holdWhileOpeningDisplay);
    QApplication app(argc, argv);
    replayHeldMessages();
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
