// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the About window and the web links; and the names a screen
// reader gives the controls of the windows.

#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/build_config.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

QString spoken(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The names of the nine cells, each as its button and its image both say it.
QStringList cellNames(BoardWindow& window)
{
    QStringList names;
    for (const char* cell : {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"}) {
        const QString button = spoken(window.findChild<QPushButton*>(cell));
        const QString image = spoken(window.findChild<QLabel*>(QStringLiteral("Im") + QString(cell).toLower()));
        names << (button == image ? button : button + QStringLiteral(" / ") + image);
    }
    return names;
}

// What the cells should be called, `marks` giving each as '.', 'X' or 'O'.
QStringList expectedNames(bool english, const char* marks)
{
    const char* const places = english
        ? "top left|top middle|top right|middle left|centre|middle right|bottom left|bottom middle|bottom right"
        : "haut gauche|haut milieu|haut droite|milieu gauche|centre|milieu droite|bas gauche|bas milieu|bas droite";
    const QStringList contents = QString::fromUtf8(english ? "empty|cross|nought" : "vide|croix|rond").split('|');
    QStringList names;
    for (const QString& place : QString::fromUtf8(places).split('|'))
        names << place + QStringLiteral(", ") + contents.at(QByteArray(".XO").indexOf(marks[names.size()]));
    return names;
}

// What a screen reader says for each control of the window that shows a text.
QStringList spokenTexts(QWidget& window)
{
    QStringList names;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (!control->property("text").toString().isEmpty())
            names << spoken(control);
    return names;
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT

public:
    // Stands in for the browser: keeps the addresses it is asked to open.
    Q_INVOKABLE void openUrl(const QUrl& url) { opened_.append(url); }

private Q_SLOTS:
    void aboutKeepsOneWindowInPlaceUntilItsCloseBox();
    void cellsAreNamedByPlaceAndMarkAndWebLinksLeaveTheGame();
    void theOtherWindowsAreNamedByTheirTexts();

private:
    QList<QUrl> opened_;
};

void TestHelpMenu::aboutKeepsOneWindowInPlaceUntilItsCloseBox()
{
    TestProgram test;
    TwoPlayerWindow& board = test.program().velmora();
    chooseItem(board, "apropos");
    QPointer<AboutWindow> about = &test.program().apropos();
    about->move(123, 77);
    // "OK" only hides it: the other window's command shows it again in place.
    QTest::mouseClick(about->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(about->isHidden());
    chooseItem(test.program().velmoraco(), "apropos");
    QCOMPARE(&test.program().apropos(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(about->pos(), QPoint(123, 77));
    // The close box destroys it; the next one speaks the language chosen since.
    about->close();
    QTRY_VERIFY(about.isNull());
    chooseItem(board, "angl");
    chooseItem(board, "apropos");
    QCOMPARE(test.program().apropos().windowTitle(), QStringLiteral("About"));
}

void TestHelpMenu::cellsAreNamedByPlaceAndMarkAndWebLinksLeaveTheGame()
{
    TestProgram test;
    TwoPlayerWindow& velmora = test.program().velmora();
    velmora.show();
    clickCells(velmora, "Hg Mm");
    QCOMPARE(cellNames(velmora), expectedNames(false, "X...O...."));

    // Each web link opens its own page, once, and leaves the game as it was.
    const QStringList game = boardState(velmora);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    for (const char* item : {"velmora1", "dozi", "vek"})
        chooseItem(velmora, item);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(opened_, QList<QUrl>({QUrl(build::kUrlProgram), QUrl(build::kUrlSibling), QUrl(build::kUrlAuthor)}));
    QCOMPARE(boardState(velmora), game);

    // A new game renames the cells, and so does a language chosen in either
    // window, in both.
    chooseItem(velmora, "Newgame");
    QCOMPARE(cellNames(velmora), expectedNames(false, "........."));
    clickCells(velmora, "Bd");
    chooseItem(test.program().velmoraco(), "angl");
    QCOMPARE(cellNames(velmora), expectedNames(true, "........X"));
    QCOMPARE(cellNames(test.program().velmoraco()), expectedNames(true, "........."));
}

void TestHelpMenu::theOtherWindowsAreNamedByTheirTexts()
{
    TestProgram test;
    test.program().start();
    const QString notice = QString::fromUtf8(build::kPublisherNotice);
    QCOMPARE(spokenTexts(test.program().acceuil()), QStringList({"Velmora", "Version 1.0.0", notice, "00:00:00"}));
    QCOMPARE(spokenTexts(test.program().apropos()), QStringList({"Tolm Games", notice, "Version 1.00", "OK"}));
    // The print window's names follow its texts into English.
    chooseItem(test.program().velmora(), "angl");
    QCOMPARE(spokenTexts(test.program().printer1()),
        QStringList({"Impression of grid to play Velmora (by 15)", "Print", "Cancel"}));
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
