// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window, and of the end-of-game boxes, at the first
// start and after each language choice, against the approved file
// tests/windows/approved-texts.txt. VELMORA_APPROVE=1 writes the file anew,
// so that a change of text is approved by reviewing its diff.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Each window's ends of a game: the crosses win, the noughts win, a draw; the
// computer plays Easy with the dice given.
QStringList everyEndOfGame(TestProgram& test, const QString& state)
{
    ModalAnswerer answerer;
    QStringList lines;
    const auto addBoxes = [&](const char* window) {
        for (const SeenBox& box : answerer.seen())
            lines << QStringList{state, window, "box", box.title, box.text}.join(" | ");
        answerer.clear();
    };
    clickCells(test.program().velmora(), "Hg Mg Hm Mm Hd Mg Hg Mm Hm Bd Hd Hg Hm Hd Mm Mg Md Bm Bg Bd");
    addBoxes("Velmora");
    chooseItem(test.program().velmora(), "facile");
    test.random().script({4, 5, 4, 5, 6, 2, 5, 6, 7});
    clickCells(test.program().velmoraco(), "Hg Hm Hd Hg Hm Bd Hg Hd Mg Bm Bd");
    chooseItem(test.program().velmoraco(), "joueur");
    addBoxes("Velmoraco");
    return lines;
}

QString approvedPath()
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tests/windows/approved-texts.txt");
}

} // namespace

class TestApprovedTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsTheApprovedOne()
    {
        TestProgram test;
        test.program().acceuil();
        test.program().continueStartUp();
        test.program().apropos();
        test.program().printer1();
        QStringList lines;
        for (const char* state : {"first start", "franc", "angl"}) {
            if (state != QLatin1String("first start"))
                chooseItem(test.program().velmora(), state);
            // The cells name their marks too.
            clickCells(test.program().velmora(), "Hg Mm");
            for (const QString& line : windowTexts())
                lines << QLatin1String(state) + " | " + line;
            chooseItem(test.program().velmora(), "Newgame");
            lines << everyEndOfGame(test, QLatin1String(state));
        }
        const QByteArray texts = lines.join('\n').toUtf8() + '\n';

        QFile approved(approvedPath());
        if (qEnvironmentVariable("VELMORA_APPROVE") == QLatin1String("1")) {
            QVERIFY(approved.open(QIODevice::WriteOnly) && approved.write(texts) == texts.size());
            approved.close();
            qInfo("wrote %s", qPrintable(approved.fileName()));
        }
        QVERIFY2(approved.open(QIODevice::ReadOnly), qPrintable(approved.fileName()));
        if (approved.readAll() == texts)
            return;
        QTemporaryFile shown(QDir::tempPath() + QStringLiteral("/texts-XXXXXX.txt"));
        QVERIFY(shown.open() && shown.write(texts) == texts.size() && shown.flush());
        QProcess diff;
        diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), approved.fileName(), shown.fileName()});
        diff.waitForFinished();
        QFAIL(qPrintable("texts differ from the approved ones (VELMORA_APPROVE=1 approves them):\n"
            + QString::fromUtf8(diff.readAllStandardOutput())));
    }
};

QTEST_MAIN(TestApprovedTexts)
#include "test_approved_texts.moc"
