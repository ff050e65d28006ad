// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window, and of the end-of-game boxes, at the first
// start and after each language choice, against the approved file
// tests/windows/approved-texts.txt; VELMORA_APPROVE=1 writes the file anew,
// so that a change of text is approved by reviewing its diff. With the texts,
// the check marks and what the settings file holds.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The texts in five states: the first start, with no settings file, then
// French and English chosen in turn in either window, with the game type
// given, while player 2 is to move. In each a code that is no language
// changes nothing and writes nothing, and the language chosen again in the
// other window changes nothing but is saved again.
void addEveryText(QStringList& lines, TestProgram& test)
{
    Program& program = test.program();
    program.acceuil();
    program.continueStartUp();
    program.apropos();
    program.printer1();
    for (const auto& [choice, chosenIn, other, pt] : {std::tuple{"first start", "", "", ""},
             {"franc", "Velmora", "Velmoraco", ""}, {"angl", "Velmoraco", "Velmora", "I"},
             {"franc", "Velmoraco", "Velmora", "F"}, {"angl", "Velmora", "Velmoraco", "i"}}) {
        clickCells(program.velmora(), "Hg Mm Bd");
        program.velmora().setPt(QLatin1String(pt));
        if (*chosenIn != '\0')
            chooseItem(*topLevelWindow(chosenIn), choice);
        const QStringList texts = windowTexts();
        const QString lan = program.velmora().Lan();
        QFile::remove(test.settingsPath());
        for (const char* code : {"", "a", "Label10"}) {
            program.velmora().setLan(QLatin1String(code));
            program.velmora().lang();
            program.velmoraco().lang();
        }
        QVERIFY(!QFile::exists(test.settingsPath()));
        program.velmora().setLan(lan);
        if (*other != '\0')
            chooseItem(*topLevelWindow(other), choice);
        QCOMPARE(windowTexts(), texts);
        // Qt's own texts follow.
        if (!lan.isEmpty())
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), lan == "A" ? "Cancel" : "Annuler");
        const QString state
            = *chosenIn != '\0' ? QStringLiteral("%1 in %2, pt \"%3\"").arg(choice, chosenIn, pt) : choice;
        lines << state + " | settings | Velmora.ini | bytes | "
                + QString::fromLatin1(test.settingsBytes()).replace('\r', "\\r").replace('\n', "\\n");
        for (const QString& line : texts)
            lines << state + " | " + line;
        // Each window's ends of a game: the crosses win, the noughts win, a
        // draw; the computer plays Easy with the dice given.
        ModalAnswerer answerer;
        chooseItem(program.velmora(), "Newgame");
        clickCells(program.velmora(), "Hg Mg Hm Mm Hd Mg Hg Mm Hm Bd Hd Hg Hm Hd Mm Mg Md Bm Bg Bd");
        chooseItem(program.velmora(), "facile");
        test.random().script({4, 5, 4, 5, 6, 2, 5, 6, 7});
        clickCells(program.velmoraco(), "Hg Hm Hd Hg Hm Bd Hg Hd Mg Bm Bd");
        chooseItem(program.velmoraco(), "joueur");
        for (qsizetype i = 0; i < answerer.seen().size(); ++i) {
            const SeenBox& box = answerer.seen().at(i);
            lines << QStringList{state, i < 3 ? "Velmora" : "Velmoraco", "box", box.title, box.text}.join(" | ");
        }
    }
}

} // namespace

class TestApprovedTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsTheApprovedOne()
    {
        QStringList lines;
        TestProgram test;
        addEveryText(lines, test);
        if (QTest::currentTestFailed())
            return;
        const QByteArray texts = lines.join('\n').toUtf8() + '\n';
        QFile approved(qEnvironmentVariable("VELMORA_SOURCE_DIR") + "/tests/windows/approved-texts.txt");
        if (qEnvironmentVariable("VELMORA_APPROVE") == QLatin1String("1")) {
            QVERIFY(approved.open(QIODevice::WriteOnly) && approved.write(texts) == texts.size());
            approved.close();
        }
        QVERIFY2(approved.open(QIODevice::ReadOnly), qPrintable(approved.fileName()));
        if (approved.readAll() == texts)
            return;
        QTemporaryFile shown;
        QVERIFY(shown.open() && shown.write(texts) == texts.size() && shown.flush());
        QProcess diff;
        diff.start("diff", {"-u", approved.fileName(), shown.fileName()});
        diff.waitForFinished();
        QFAIL(qPrintable("texts differ from the approved ones (VELMORA_APPROVE=1 approves them):\n"
            + QString::fromUtf8(diff.readAllStandardOutput())));
    }
};

QTEST_MAIN(TestApprovedTexts)
#include "test_approved_texts.moc"
