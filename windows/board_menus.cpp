// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/board_menus.h"

#include "windows/build_config.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace velmora {

namespace {

QMenu* addMenu(QMainWindow& window, QWidget* parentMenu, const char* name, const QString& text)
{
    auto* menu = new QMenu(text, &window);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QLatin1String("Action"));
    if (auto* bar = qobject_cast<QMenuBar*>(parentMenu))
        bar->addMenu(menu);
    else
        static_cast<QMenu*>(parentMenu)->addMenu(menu);
    return menu;
}

QAction* addItem(
    QMainWindow& window, QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {})
{
    auto* action = new QAction(text, &window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

QAction* addCheckItem(
    QMainWindow& window, QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {})
{
    QAction* action = addItem(window, menu, name, text, shortcut);
    action->setCheckable(true);
    return action;
}

void addSeparator(QMainWindow& window, QMenu* menu, const char* name)
{
    auto* separator = new QAction(&window);
    separator->setObjectName(QLatin1String(name));
    separator->setSeparator(true);
    menu->addAction(separator);
}

void buildFileMenu(QMainWindow& window)
{
    QMenu* fichier = addMenu(window, window.menuBar(), "fichier", QStringLiteral("&Fichier"));
    addItem(window, fichier, "Newgame", QStringLiteral("&Nouvelle Partie"), Qt::Key_F2);
    addSeparator(window, fichier, "trait");
    addItem(window, fichier, "print2", QStringLiteral("&Imprimer"), QKeySequence(Qt::CTRL | Qt::Key_P));
    addItem(window, fichier, "propimpri", QStringLiteral("&Propiété Imprimante"));
    addSeparator(window, fichier, "trait2");
    addItem(window, fichier, "Exit1", QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_W));
}

void buildOptionsMenu(QMainWindow& window)
{
    QMenu* option1 = addMenu(window, window.menuBar(), "option1", QStringLiteral("&Option"));
    QMenu* tp = addMenu(window, option1, "tp", QStringLiteral("&Type de Partie"));
    QMenu* co = addMenu(window, tp, "co", QStringLiteral("&Contre Ordinateur"));
    addCheckItem(window, co, "facile", QStringLiteral("&Facile"), Qt::Key_F5);
    addCheckItem(window, co, "Normal", QStringLiteral("&Normal"), Qt::Key_F6);
    addCheckItem(window, co, "Impo", QStringLiteral("&Impossible"), Qt::Key_F7);
    addCheckItem(window, tp, "joueur", QStringLiteral("&2 Jouers"), Qt::Key_F8)->setChecked(true);
    QMenu* langue = addMenu(window, option1, "langue", QStringLiteral("&Langue"));
    addCheckItem(window, langue, "franc", QStringLiteral("&Français"));
    addCheckItem(window, langue, "angl", QStringLiteral("&Anglais"));
}

void buildHelpMenu(QMainWindow& window)
{
    QMenu* aide = addMenu(window, window.menuBar(), "Aide", QStringLiteral("&Aide"));
    QMenu* site = addMenu(window, aide, "site", QStringLiteral("&Sites"));
    addItem(window, site, "velmora1", QString::fromUtf8(build::kCaptionProgram));
    addItem(window, site, "dozi", QString::fromUtf8(build::kCaptionSibling));
    addItem(window, site, "vek", QString::fromUtf8(build::kCaptionAuthor));
    addSeparator(window, aide, "tirait2");
    addItem(window, aide, "apropos", QStringLiteral("A &propos"));
}

} // namespace

void buildBoardMenus(QMainWindow& window)
{
    buildFileMenu(window);
    buildOptionsMenu(window);
    buildHelpMenu(window);
}

} // namespace velmora
