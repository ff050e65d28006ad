// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the About window and the web links; the names a screen
// reader gives the controls of the windows; the sizable windows and the notice.

#include "platform/label_text.h"
#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/build_config.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

QString spoken(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The names of the cells given, each as its button and its image both say it.
QStringList cellNames(BoardWindow& window, const QStringList& cells)
{
    QStringList names;
    for (const QString& cell : cells) {
        const QString button = spoken(window.findChild<QPushButton*>(cell));
        const QString image = spoken(window.findChild<QLabel*>(QStringLiteral("Im") + cell.toLower()));
        names << (button == image ? button : button + QStringLiteral(" / ") + image);
    }
    return names;
}

// The window takes a larger size, as from the user, and its controls stay
// where they were laid out.
bool growsWithControlsInPlace(QWidget& window)
{
    const auto places = [&window] {
        QList<QRect> rects;
        for (const QWidget* control : window.findChildren<QWidget*>())
            rects << control->geometry();
        return rects;
    };
    const QList<QRect> before = places();
    const QSize larger = window.size() + QSize(60, 40);
    window.resize(larger);
    return window.size() == larger && places() == before;
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
    void aboutAndPrintGrowAndTheNoticeFits();

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
    const QStringList corners = {"Hg", "Mm", "Bd"};
    QCOMPARE(cellNames(velmora, corners), QStringList({"haut gauche, croix", "centre, rond", "bas droite, vide"}));
    // The button that takes the digit keys says what it is for.
    const auto keyboard = [&velmora] {
        QAccessibleInterface* button
            = QAccessible::queryAccessibleInterface(velmora.findChild<QPushButton*>("Command1"));
        return button->text(QAccessible::Name) + " | " + button->text(QAccessible::Description);
    };
    QVERIFY2(keyboard().startsWith("Plateau de jeu | Jouez avec les touches 1 à 9"), qPrintable(keyboard()));

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
    QCOMPARE(cellNames(velmora, corners), QStringList({"haut gauche, vide", "centre, vide", "bas droite, vide"}));
    clickCells(velmora, "Bd");
    chooseItem(test.program().velmoraco(), "angl");
    QCOMPARE(cellNames(velmora, corners), QStringList({"top left, empty", "centre, empty", "bottom right, cross"}));
    QVERIFY2(keyboard().startsWith("Game board | Play with the keys 1 to 9"), qPrintable(keyboard()));
    QCOMPARE(cellNames(test.program().velmoraco(), {"Bd"}), QStringList({"bottom right, empty"}));
}

void TestHelpMenu::aboutAndPrintGrowAndTheNoticeFits()
{
    TestProgram test;
    test.program().start();
    // Both open centred on the screen at their laid-out sizes and may grow.
    // The print text is at its laid-out size and fits.
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    AboutWindow& about = test.program().apropos();
    QCOMPARE(about.size(), QSize(209, 102));
    QCOMPARE(about.geometry().center(), centre);
    QVERIFY(growsWithControlsInPlace(about));
    PrintWindow& print = test.program().printer1();
    QCOMPARE(print.size(), QSize(250, 78));
    QCOMPARE(print.geometry().center(), centre);
    QVERIFY(growsWithControlsInPlace(print));
    auto* printText = print.findChild<QLabel*>("Label1");
    QCOMPARE(printText->font().pointSizeF(), 9.75);
    QVERIFY(printText->heightForWidth(printText->width()) <= printText->height());

    // The notice set at configure time fits both its labels at their fonts;
    // a longer text is cut and shown whole in the tooltip.
    const QString notice = QString::fromUtf8(build::kPublisherNotice);
    const QString longer = notice + QStringLiteral(", GNU General Public License, version 3 or any later version");
    for (QLabel* label :
        {test.program().acceuil().findChild<QLabel*>("lblCopyright"), about.findChild<QLabel*>("Label1")}) {
        const QFontMetrics metrics(label->font());
        const int room = label->contentsRect().width();
        QVERIFY2(metrics.horizontalAdvance(notice) <= room && label->toolTip().isEmpty(),
            qPrintable(QStringLiteral("\"%1\" is wider than the %2 pixels of %3")
                           .arg(notice)
                           .arg(room)
                           .arg(label->objectName())));
        setTextElidedToWidth(*label, longer);
        QCOMPARE(label->toolTip(), longer);
        QVERIFY(label->text() != longer && metrics.horizontalAdvance(label->text()) <= room);
    }
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
