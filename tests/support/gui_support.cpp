// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace velmora::testing {

double ScriptedRandom::next()
{
    const int cell = cells_.empty() ? roundRobin_++ % 9 + 1 : cells_.front();
    if (!cells_.empty())
        cells_.pop_front();
    // The integer part of ten times the value is the cell drawn.
    return (cell + 0.5) / 10.0;
}

TestProgram::TestProgram()
{
    qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
    program_ = std::make_unique<Program>(random_, clock_);
}

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

QWidget* topLevelWindow(const char* name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found
        = std::find_if(windows.begin(), windows.end(), [name](QWidget* w) { return w->objectName() == name; });
    return found != windows.end() ? *found : nullptr;
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
    return fieldTexts(
        board, {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"});
}

void chooseItem(QWidget& window, const QString& choice)
{
    const int key = choice.size() <= 3 && choice.startsWith(QLatin1Char('F')) ? choice.mid(1).toInt() : 0;
    if (key == 0)
        window.findChild<QAction*>(choice)->trigger();
    else if (activate(window))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_F1 + key - 1));
    QCoreApplication::processEvents();
}

void clickCells(QWidget& window, const QString& cells)
{
    // As between a person's clicks, what the last one posted runs first:
    // a new board takes clicks once the one before it is gone.
    for (const QString& cell : cells.split(QLatin1Char(' '))) {
        QTest::mouseClick(window.findChild<QPushButton*>(cell), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
}

QStringList fieldTexts(QObject& window, const QStringList& names)
{
    QStringList texts;
    for (const QString& name : names)
        texts.append(window.property(name.toLatin1().constData()).toString());
    return texts;
}

QString statusText(QWidget& window, const char* panel)
{
    return window.findChild<QLabel*>(QLatin1String(panel))->text();
}

QStringList checkedItems(QWidget& window, const QStringList& items)
{
    QStringList checked = items;
    checked.removeIf([&window](const QString& item) { return !window.findChild<QAction*>(item)->isChecked(); });
    return checked;
}

namespace {

void addTexts(QStringList& lines, const QString& window, const QObject& object)
{
    const QString whole = object.property("toolTip").toString();
    const bool cut = !whole.isEmpty() && whole == object.property("accessibleName").toString();
    if (object.property("checkable").toBool())
        lines << QStringList{window, object.objectName(), "checked", object.property("checked").toString()}.join(" | ");
    for (const char* property : {"windowTitle", "text", "toolTip", "accessibleName", "accessibleDescription"}) {
        // An item's tooltip is its text again.
        if (property == QLatin1String("toolTip") && (cut || qobject_cast<const QAction*>(&object)))
            continue;
        const QString text = cut && property == QLatin1String("text") ? whole : object.property(property).toString();
        if (!text.isEmpty())
            lines << QStringList{window, object.objectName(), property, text}.join(" | ").replace('\n', "\\n");
    }
}

} // namespace

QStringList windowTexts()
{
    QStringList lines;
    for (const char* name : {"Velmora", "Velmoraco", "Acceuil", "Apropos²", "Printer1"}) {
        if (QWidget* window = topLevelWindow(name)) {
            addTexts(lines, window->objectName(), *window);
            for (const QObject* child : window->findChildren<QObject*>()) {
                if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
                    addTexts(lines, window->objectName(), *child);
            }
        }
    }
    return lines;
}

QString seenBoxes(const ModalAnswerer& answerer)
{
    QStringList boxes;
    for (const SeenBox& box : answerer.seen())
        boxes.append(box.title + QStringLiteral(": ") + box.text
            + (box.format == Qt::PlainText ? QString() : QStringLiteral(" <read as markup>")));
    return boxes.join(QLatin1Char('\n'));
}

QStringList boardState(QWidget& window)
{
    QString shown;
    for (const char* cell : {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"}) {
        const bool button = !window.findChild<QPushButton*>(QLatin1String(cell))->isHidden();
        const bool image
            = !window.findChild<QLabel*>(QStringLiteral("Im") + QString::fromLatin1(cell).toLower())->isHidden();
        shown += button && !image ? QLatin1Char('B') : image && !button ? QLatin1Char('I') : QLatin1Char('?');
    }
    return marks(window) << shown << fieldTexts(window, {"Joueur1", "nbjouer"});
}

QStringList freshBoardState()
{
    return {"10", "2", "3", "4", "5", "6", "7", "8", "9", "BBBBBBBBB", "0", "0"};
}

} // namespace velmora::testing
