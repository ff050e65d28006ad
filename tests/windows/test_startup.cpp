// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the welcome window, the settings it restores and the board window
// it hands over to.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(12, 0));

// What each language makes the two-player window say; "" is the laid-out
// French of a program that has applied no language yet.
struct Texts {
    QString joueurItem;
    QString gameTypePanel;
    QString turnPanel;
};

Texts textsIn(const QString& language)
{
    if (language == QLatin1String("A"))
        return {"&2 Players", "2 Players", "Player : 1"};
    if (language == QLatin1String("F"))
        return {"&2 Joueur", "2 Joueur", "Joueur : 1"};
    return {"&2 Jouers", "2 Joueurs", "Joueur : 1"};
}

QString panelText(QWidget& window, const char* panel)
{
    return window.findChild<QLabel*>(panel)->text();
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names.append(window->objectName());
    names.sort();
    return names;
}

// A program started on the settings file `bytes` (none when null), its
// welcome window waiting for its first tick.
WelcomeWindow& startOn(TestProgram& test, const QByteArray& bytes)
{
    if (!bytes.isNull()) {
        test.writeSettings(bytes);
        QFile file(test.settingsPath());
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(kLongAgo, QFileDevice::FileModificationTime);
    }
    test.program().start();
    return test.program().acceuil();
}

// One start-up case: the settings file (none when null), the language the
// windows then speak ("" for the laid-out texts), the level item checked and
// the level named in the status bar (none for two players), the game-type
// code that is warned about, and the file afterwards.
void addStart(const char* row, const char* file, const char* language, const char* levelItem, const char* levelName,
    const char* unknownCode, const char* fileAfter)
{
    QTest::newRow(row) << (file != nullptr ? QByteArray(file) : QByteArray()) << QString(language) << QString(levelItem)
                       << QString(levelName) << QString(unknownCode) << QByteArray(fileAfter);
}

void tickAfter(TestProgram& test, WelcomeWindow& welcome, int seconds)
{
    test.clock().advanceSeconds(seconds);
    welcome.Timer1_Timer();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWelcomeWindowShowsTitleAndVersion();
    void theSavedGameOpens_data();
    void theSavedGameOpens();
    void theFirstTickOfOneSecondOrMoreHandsOver_data();
    void theFirstTickOfOneSecondOrMoreHandsOver();
    void aCharacterKeyOrAClickOnTheFrameHandsOverAtOnce_data();
    void aCharacterKeyOrAClickOnTheFrameHandsOverAtOnce();
    void otherKeysAndClicksOnTheFramesContentDoNothing();
    void theHandOverHappensOnce();
};

void TestStartup::theWelcomeWindowShowsTitleAndVersion()
{
    TestProgram test;
    WelcomeWindow& welcome = startOn(test, {});
    QCOMPARE(visibleWindows(), QStringList({"Acceuil"}));
    QCOMPARE(welcome.findChild<QLabel*>("lblProductName")->text(), QStringLiteral("Velmora"));
    QCOMPARE(welcome.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(welcome.findChild<QLabel*>("lblVersion")->isVisible());
    QVERIFY(welcome.findChild<QLabel*>("Label1")->isHidden());
    QVERIFY(welcome.windowTitle().isEmpty());
    QCOMPARE(welcome.size(), QSize(406, 262));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((welcome.geometry().center() - screen.center()).manhattanLength() <= 2);
    // The title and the version keep within the frame.
    auto* frame = welcome.findChild<QFrame*>("Frame1");
    for (const char* name : {"lblProductName", "lblVersion", "lblCopyright"})
        QVERIFY2(frame->rect().contains(welcome.findChild<QLabel*>(name)->geometry()), name);
    QVERIFY(welcome.timer()->isActive());
    QCOMPARE(welcome.timer()->interval(), 1000);
}

void TestStartup::theSavedGameOpens_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("levelItem");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QString>("unknownCode");
    QTest::addColumn<QByteArray>("fileAfter");

    // clang-format off
    // A level opens the window against the computer and the file is written
    // again; an unknown one opens the two-player window with a warning.
    //       row                              file            lang  level      name       warn   file after
    addStart("no file",                       nullptr,        "",   "",        "",        "",    "<no file>");
    addStart("French alone",                  "F",            "F",  "",        "",        "",    "F");
    addStart("English alone",                 "A\r\n",        "A",  "",        "",        "",    "A\r\n");
    addStart("English, two players",          "A\r\r\n",      "A",  "",        "",        "",    "A\r\r\n");
    addStart("English, Hard",                 "A\rI\r\n",     "A",  "Impo",    "Hard",    "",    "A\rI\r\n");
    addStart("French, Easy",                  "F\rF\r\n",     "F",  "facile",  "Facile",  "",    "F\rF\r\n");
    addStart("lines ended by CR LF",          "A\r\nN\r\n",   "A",  "Normal",  "Medium",  "",    "A\rN\r\n");
    addStart("three lines, the last counts",  "A\rI\rN\r\n",  "A",  "Normal",  "Medium",  "",    "A\rN\r\n");
    addStart("empty first line",              "\rI\r\n",      "",   "",        "",        "",    "\rI\r\n");
    addStart("no language, Hard",             "a\rI\r\n",     "",   "Impo",    "Hard",    "",    "a\rI\r\n");
    addStart("lower-case level",              "A\rf\r\n",     "A",  "",        "",        "f",   "A\rf\r\n");
    addStart("level with a blank",            "F\rF \r\n",    "F",  "",        "",        "F ",  "F\rF \r\n");
    addStart("unknown level",                 "A\rX\r\n",     "A",  "",        "",        "X",   "A\rX\r\n");
    // clang-format on
}

void TestStartup::theSavedGameOpens()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, language);
    QFETCH(QString, levelItem);
    QFETCH(QString, levelName);
    QFETCH(QString, unknownCode);
    QFETCH(QByteArray, fileAfter);

    const QRegularExpression unknownWarning(
        QStringLiteral("unknown game type \"%1\"").arg(QRegularExpression::escape(unknownCode)));
    if (unknownCode.isEmpty())
        QTest::failOnWarning(QRegularExpression(QStringLiteral("unknown game type")));
    else
        QTest::ignoreMessage(QtWarningMsg, unknownWarning);

    TestProgram test;
    WelcomeWindow& welcome = startOn(test, file);
    tickAfter(test, welcome, 1);
    QTRY_VERIFY(!test.program().hasAcceuil());

    TwoPlayerWindow& velmora = test.program().velmora();
    QVERIFY(test.program().hasVelmoraco());
    ComputerWindow& velmoraco = test.program().velmoraco();
    const bool level = !levelItem.isEmpty();
    QCOMPARE(visibleWindows(), QStringList({level ? "Velmoraco" : "Velmora"}));

    // The language reached both board windows, or neither.
    const Texts texts = textsIn(language);
    for (BoardWindow* window : {static_cast<BoardWindow*>(&velmora), static_cast<BoardWindow*>(&velmoraco)})
        QCOMPARE(window->menuItem("joueur")->text(), texts.joueurItem);
    QCOMPARE(velmora.menuItem("angl")->isChecked(), language == QLatin1String("A"));
    QCOMPARE(velmora.menuItem("franc")->isChecked(), language == QLatin1String("F"));
    QCOMPARE(velmoraco.menuItem("angl")->isChecked(), language == QLatin1String("A"));
    QCOMPARE(velmoraco.menuItem("franc")->isChecked(), language != QLatin1String("A"));
    QCOMPARE(panelText(velmora, "Panel1"), texts.gameTypePanel);
    QCOMPARE(panelText(velmora, "Panel2"), texts.turnPanel);

    if (level) {
        QCOMPARE(panelText(velmoraco, "Panel1"), levelName);
        for (const char* item : {"facile", "Normal", "Impo"})
            QCOMPARE(velmoraco.menuItem(item)->isChecked(), levelItem == QLatin1String(item));
        QVERIFY(!velmoraco.menuItem("joueur")->isChecked());
    }
    const QString pt = levelItem == QLatin1String("facile") ? QStringLiteral("F")
        : levelItem == QLatin1String("Normal")              ? QStringLiteral("N")
        : levelItem == QLatin1String("Impo")                ? QStringLiteral("I")
                                                            : unknownCode;
    QCOMPARE(velmora.property("pt").toString(), pt);

    // The file is rewritten when a level opened, and only then.
    QCOMPARE(test.settingsBytes(), fileAfter);
    if (!file.isNull())
        QCOMPARE(QFileInfo(test.settingsPath()).lastModified() != kLongAgo, level);
}

void TestStartup::theFirstTickOfOneSecondOrMoreHandsOver_data()
{
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<QString>("lastTime");
    QTest::newRow("on time") << QList<int>({1}) << "0:00:01";
    QTest::newRow("late first tick") << QList<int>({2}) << "0:00:02";
    QTest::newRow("an early tick, then on time") << QList<int>({0, 1}) << "0:00:01";
    QTest::newRow("over an hour late") << QList<int>({3725}) << "1:02:05";
}

void TestStartup::theFirstTickOfOneSecondOrMoreHandsOver()
{
    QFETCH(QList<int>, ticks);
    QFETCH(QString, lastTime);
    TestProgram test;
    WelcomeWindow& welcome = startOn(test, QByteArray("A\r\r\n"));
    QPointer<QLabel> elapsed = welcome.findChild<QLabel*>("Label1");
    for (int i = 0; i < ticks.size() - 1; ++i) {
        tickAfter(test, welcome, ticks.at(i));
        QCOMPARE(elapsed->text(), QStringLiteral("0:00:00"));
        QVERIFY(elapsed->isHidden());
        QCOMPARE(visibleWindows(), QStringList({"Acceuil"}));
    }
    tickAfter(test, welcome, ticks.constLast());
    QVERIFY(!elapsed.isNull());
    QCOMPARE(elapsed->text(), lastTime);
    QVERIFY(!welcome.timer()->isActive());
    QTRY_VERIFY(!test.program().hasAcceuil());
    QVERIFY(elapsed.isNull());
    QCOMPARE(visibleWindows(), QStringList({"Velmora"}));
    QCOMPARE(panelText(test.program().velmora(), "Panel1"), QStringLiteral("2 Players"));
}

void TestStartup::aCharacterKeyOrAClickOnTheFrameHandsOverAtOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("a letter") << int(Qt::Key_X);
    QTest::newRow("a digit") << int(Qt::Key_5);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace);
    QTest::newRow("a click on the frame") << 0;
}

void TestStartup::aCharacterKeyOrAClickOnTheFrameHandsOverAtOnce()
{
    QFETCH(int, key);
    TestProgram test;
    WelcomeWindow& welcome = startOn(test, QByteArray("F\rN\r\n"));
    if (key != 0)
        QTest::keyClick(&welcome, Qt::Key(key));
    else
        QTest::mouseClick(welcome.findChild<QFrame*>("Frame1"), Qt::LeftButton, {}, QPoint(5, 5));
    // The clock has not moved: no tick could have handed over.
    QCOMPARE(visibleWindows(), QStringList({"Velmoraco"}));
    QTRY_VERIFY(!test.program().hasAcceuil());
    QCOMPARE(panelText(test.program().velmoraco(), "Panel1"), QStringLiteral("Normal"));
    QCOMPARE(test.settingsBytes(), QByteArray("F\rN\r\n"));
}

void TestStartup::otherKeysAndClicksOnTheFramesContentDoNothing()
{
    TestProgram test;
    WelcomeWindow& welcome = startOn(test, QByteArray("F\rN\r\n"));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift})
        QTest::keyClick(&welcome, key);
    for (const char* name : {"imgLogo0", "imgLogo1", "lblProductName", "lblVersion", "lblCopyright", "Label2"}) {
        auto* control = welcome.findChild<QLabel*>(name);
        QVERIFY2(control->isVisible(), name);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
    }
    // Beside the frame, in the window's margin.
    QTest::mouseClick(&welcome, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::qWait(20);
    QVERIFY(test.program().hasAcceuil());
    QCOMPARE(visibleWindows(), QStringList({"Acceuil"}));
    QVERIFY(welcome.timer()->isActive());
    QCOMPARE(test.settingsBytes(), QByteArray("F\rN\r\n"));
}

void TestStartup::theHandOverHappensOnce()
{
    TestProgram test;
    MessageBoxAnswerer answerer;
    WelcomeWindow& welcome = startOn(test, QByteArray("A\rI\r\n"));
    QPointer<WelcomeWindow> stillThere = &welcome;
    QTest::keyClick(&welcome, Qt::Key_Space);
    ComputerWindow& velmoraco = test.program().velmoraco();
    QVERIFY(velmoraco.isVisible());
    QVERIFY(!welcome.isVisible());
    QVERIFY(!welcome.timer()->isActive());

    // A game begins; a second hand-over would start a new one.
    QTest::mouseClick(velmoraco.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    QCOMPARE(velmoraco.property("nbjouer").toString(), QStringLiteral("2"));
    QVERIFY(!stillThere.isNull());
    tickAfter(test, welcome, 1);
    QTest::keyClick(&welcome, Qt::Key_A);
    welcome.Frame1_Click();
    QCOMPARE(velmoraco.property("nbjouer").toString(), QStringLiteral("2"));
    QCOMPARE(velmoraco.property("Label5").toString(), QStringLiteral("0"));

    QTRY_VERIFY(stillThere.isNull());
    QVERIFY(!test.program().hasAcceuil());
    QCOMPARE(visibleWindows(), QStringList({"Velmoraco"}));
    QVERIFY(answerer.seen().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
