// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the game's start-up: the least a Qt Widgets program with
// a window can be, a main window with a menu bar and a status bar, built
// with the same compiler, flags and Qt as the game.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), &app, &QCoreApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QLabel(QStringLiteral("Bare window")));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    // The size of the game's first window, the welcome window.
    window.resize(406, 262);
    window.show();
    return QApplication::exec();
}
