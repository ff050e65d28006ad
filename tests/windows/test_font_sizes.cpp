// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window built at a font larger than the one it was laid out for shows
// each caption whole: labels, buttons, status panels, the menus in one row.

#include "support/gui_support.h"
#include "windows/two_player_window.h"

#include <QTest>
#include <QtWidgets>

using namespace velmora;

// The control's name and caption where the caption is cut, else nothing.
static QString cutCaption(QWidget& control)
{
    QRect room = control.contentsRect();
    QString text;
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        // A label that had to cut its text holds it whole in its tooltip.
        text = label->toolTip().isEmpty() ? label->text() : label->toolTip();
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        text = button->text();
    }
    const bool whole = room.contains(control.fontMetrics().boundingRect(room, flags, text));
    return text.isEmpty() || whole ? QString() : QStringLiteral("%1 \"%2\", ").arg(control.objectName(), text);
}

class TestFontSizes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyCaptionFitsItsControl()
    {
        // The laid-out 9 points (at 144 dots per inch in the second run), the
        // 10 points many desktops choose, and larger; in French and English.
        for (const auto& [points, lan] :
            {std::pair{9, "F"}, {9, "A"}, {10, "F"}, {12, "A"}, {14, "F"}, {16, "F"}, {16, "A"}}) {
            QApplication::setFont(QFont(QApplication::font().family(), points));
            testing::TestProgram test;
            test.program().apropos(), test.program().printer1(), test.program().acceuil();
            test.program().chooseLanguage(*lan == 'A' ? Language::English : Language::French, test.program().velmora());
            test.program().chooseLevel(Hard);
            QString cut;
            for (const char* name : {"Velmora", "Velmoraco", "Acceuil", "Apropos²", "Printer1"})
                testing::topLevelWindow(name)->show();
            // What can be seen (Command1 lies behind a panel); Qt shows a »
            // button on a menu bar with no room for all its menus.
            for (QWidget* window : QApplication::topLevelWidgets())
                for (QWidget* control : window->findChildren<QWidget*>())
                    if (!control->visibleRegion().isEmpty())
                        cut += qobject_cast<QMenuBar*>(control->parent()) ? "menus behind », " : cutCaption(*control);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 pt, %2: %3").arg(points).arg(lan, cut)));
        }
    }
};

QTEST_MAIN(TestFontSizes)
#include "test_font_sizes.moc"
