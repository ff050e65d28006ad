// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/board_menus.h"

#include "settings/captions.h"
#include "windows/build_config.h"
#include "windows/game_types.h"

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

void addSeparator(QMainWindow& window, QMenu* menu, const char* name)
{
    auto* separator = new QAction(&window);
    separator->setObjectName(QLatin1String(name));
    separator->setSeparator(true);
    menu->addAction(separator);
}

// The items that `lang` captions carry their laid-out caption.
QMenu* addCaptionedMenu(QMainWindow& window, QWidget* parentMenu, const char* name)
{
    return addMenu(window, parentMenu, name, laidOutCaption(name));
}

QAction* addCaptionedItem(QMainWindow& window, QMenu* menu, const char* name, const QKeySequence& shortcut = {})
{
    return addItem(window, menu, name, laidOutCaption(name), shortcut);
}

void buildFileMenu(QMainWindow& window)
{
    QMenu* fichier = addCaptionedMenu(window, window.menuBar(), "fichier");
    addCaptionedItem(window, fichier, "Newgame", Qt::Key_F2);
    addSeparator(window, fichier, "trait");
    addCaptionedItem(window, fichier, "print2", QKeySequence(Qt::CTRL | Qt::Key_P));
    addCaptionedItem(window, fichier, "propimpri");
    addSeparator(window, fichier, "trait2");
    addCaptionedItem(window, fichier, "Exit1", QKeySequence(Qt::CTRL | Qt::Key_W));
}

// The game types and the languages, each group from its table; a new window
// plays two players.
void buildOptionsMenu(QMainWindow& window)
{
    QMenu* option1 = addCaptionedMenu(window, window.menuBar(), "option1");
    QMenu* tp = addCaptionedMenu(window, option1, "tp");
    QMenu* co = addCaptionedMenu(window, tp, "co");
    for (const GameType& type : kGameTypes) {
        QAction* item = addCaptionedItem(window, type.level == NoLevel ? tp : co, type.menuItem, type.shortcut);
        item->setCheckable(true);
        item->setChecked(type.level == NoLevel);
    }
    QMenu* langue = addCaptionedMenu(window, option1, "langue");
    for (const LanguageInfo& language : kLanguages)
        addCaptionedItem(window, langue, language.menuItem)->setCheckable(true);
}

void buildHelpMenu(QMainWindow& window)
{
    QMenu* aide = addCaptionedMenu(window, window.menuBar(), "Aide");
    QMenu* site = addMenu(window, aide, "site", QStringLiteral("&Sites"));
    addItem(window, site, "velmora1", QString::fromUtf8(build::kCaptionProgram));
    addItem(window, site, "dozi", QString::fromUtf8(build::kCaptionSibling));
    addItem(window, site, "vek", QString::fromUtf8(build::kCaptionAuthor));
    addSeparator(window, aide, "tirait2");
    addCaptionedItem(window, aide, "apropos");
}

} // namespace

void buildBoardMenus(QMainWindow& window)
{
    buildFileMenu(window);
    buildOptionsMenu(window);
    buildHelpMenu(window);
}

} // namespace velmora
