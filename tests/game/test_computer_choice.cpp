// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's move in chosen positions, played through the real game: the
// cell, the field writes before and after it, and the random cell draw; and
// the real dice.
#include "game/computer_game.h"
#include "platform/clock_random_source.h"

#include <QTest>

#include <array>
#include <set>
#include <tuple>

Q_DECLARE_METATYPE(velmora::OpponentFields)

namespace {

using namespace velmora;

const auto name = [](int cell) { return QLatin1String(cellName(cell).data(), 2); };

// The fields that differ, as "ty 1, ca 4, typepart 3, tp1 3".
QString changes(const OpponentFields& was, const OpponentFields& is)
{
    const auto tp1 = [](const OpponentFields& f) { return BookField{f.tp1 == HardMarker::Set ? 3 : 0}; };
    QStringList parts;
    for (const auto& [field, before, after] :
        {std::tuple{"ty", was.ty, is.ty}, {"ca", was.ca, is.ca}, {"ca2", was.ca2, is.ca2},
            {"typepart", BookField{was.typepart}, BookField{is.typepart}}, {"tp1", tp1(was), tp1(is)}}) {
        if (before != after)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(field)).arg(after.value_or(0));
    }
    return parts.join(", ");
}

// The level and the opening-book fields, those not given not written yet.
OpponentFields at(int level, BookField ty = {}, BookField ca = {}, BookField ca2 = {}, HardMarker tp1 = {})
{
    return {.typepart = level, .tp1 = tp1, .ty = ty, .ca = ca, .ca2 = ca2};
}

void row(const QString& rowName, const QString& rows, const OpponentFields& fields, const QString& log)
{
    QTest::newRow(qPrintable(rowName)) << rows << fields << log;
}

// Sets up a position and lets the computer move. The log holds every call of
// the game and every draw of its dice, and the fields changed before each
// mark, reset and attempt of a draw, and at the end. The position: rows of the
// grid from the top, "/" between rows, X cross, O nought, "." empty; the
// computer is to move, unless a "*" follows.
class LoggedGame final : public GameView, public RandomSource {
public:
    LoggedGame(const QString& rows, const OpponentFields& fields)
    {
        const QString cells = QString(rows).remove('/');
        for (int cell = 1; cell <= kCellCount; ++cell)
            game_.board().setMark(cell,
                std::array{Mark::None, Mark::Cross, Mark::Nought}.at(QStringLiteral(".XO").indexOf(cells[cell - 1])));
        game_.board().setMoveCount(kCellCount - int(cells.count('.')));
        game_.board().setToMove(cells.endsWith('*') ? Player::One : Player::Two);
        game_.fields() = shown_ = fields;
        game_.comp();
        logChanges();
    }
    void showMark(int cell, Mark) override { logChanges(), log << name(cell); }
    void clearBoard() override { logChanges(), log << "clear"; }
    void announce(Outcome o) override { log << (o == Outcome::PlayerTwoWins ? "computer wins" : "other end"); }
    void reseed() override { logChanges(), log << "reseed"; }
    // The dice show 0, then Hg, then the cells from Bd down, round and round:
    // a wrong number of draws fails instead of hanging.
    double next() override
    {
        const int cell = std::array{0, 1, 9, 8, 7, 6, 5, 4, 3, 2}.at(draws_++ % 10);
        log << QString::number(cell);
        return (cell + 0.5) / 10;
    }

    QStringList log;

private:
    void logChanges()
    {
        if (const QString changed = changes(shown_, game_.fields()); !changed.isEmpty())
            log << changed;
        shown_ = game_.fields();
    }

    OpponentFields shown_;
    int draws_ = 0;
    ComputerGame game_{*this, *this};
};

} // namespace

class TestComputerChoice : public QObject {
    Q_OBJECT

private slots:
    void moves_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<OpponentFields>("fields");
        QTest::addColumn<QString>("log");

        // Medium tries its line rules for a win, then for a block; the first
        // rule that applies decides.
        row("Medium wins before it blocks", "XOX/XO./...", at(Medium), "Bm; computer wins; clear");
        row("Medium completes the bottom row first", ".OO/X.X/.OO", at(Medium), "Bg; computer wins; clear");
        row("Medium blocks two pairs aimed at Bd", "OOX/O.X/XX.", at(Medium), "Bd");
        row("Medium blocks the left column before the right one", "..X/XOX/X..", at(Medium), "Hg");
        row("Medium blocks the diagonal from Hd before the one from Hg", "XOX/.XO/...", at(Medium), "Bg");
        // Each rule alone completes or blocks its pair, wherever the gap is:
        // the rows, the columns, the diagonals.
        for (const Line& line : std::array<Line, 8>{
                 {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}}}) {
            for (int gap : line) {
                QString pair(kCellCount, '.');
                for (int cell : line)
                    pair[cell - 1] = cell == gap ? '.' : 'O';
                const QString where = " the line " + name(line[0]) + "-" + name(line[2]) + " at " + name(gap);
                row("Medium completes" + where, pair, at(Medium), name(gap) + "; computer wins; clear");
                row("Medium blocks" + where, pair.replace('O', 'X'), at(Medium), name(gap));
            }
        }

        // The cell drawn at random is the integer part of 10 times the dice: 0 is
        // drawn again without a new seed; a taken cell ends the attempt, and every
        // attempt reseeds first.
        row("Medium draws at random without a pair", "X../.O./.X.", at(Medium), "reseed; 0; 1; reseed; 9; Bd");
        row("Easy draws at random even with a win open", "XOX/XO./...", at(Easy), "reseed; 0; 1; reseed; 9; Bd");
        row("Easy counts cell 1 with its code 10 as empty", ".../.X./...", at(Easy), "reseed; 0; 1; Hg");
        row("Easy waits while the person is to move", "X../.../...*", at(Easy), "");
        row("No level makes no move", "X../.../...", at(NoLevel), "");
        row("Level 4 makes no move", "X../.../...", at(4), "");
        row("Hard makes no move after a fourth cross", "XXO/.OX/XO.", at(Hard, 1, 1, 6), "");

        // Hard, the first cross: the book writes ty before its move, ca after.
        for (int cross : {1, 2, 3, 4, 6, 7, 8, 9})
            row("Hard takes the centre after " + name(cross), QString(kCellCount, '.').replace(cross - 1, 1, 'X'),
                at(Hard), QStringLiteral("ty 1; Mm; ca %1").arg(cross));
        row("Hard takes Hd after the centre", ".../.X./...", at(Hard), "ty 2; Hd");

        // The second cross, by the first: an edge hands over; a corner has three
        // book replies and hands over a second cross in line with it; the centre
        // has one reply. A hand-over steps down to Medium before the Medium move
        // and sets tp1 after it; the book's last move steps down after it.
        row("Hard hands over after Hm and Hg", "XX./.O./...", at(Hard, 1, 2), "typepart 2; Hd; tp1 3");
        row("Hard hands over after Mg and Bg", ".../XO./X..", at(Hard, 1, 4), "typepart 2; Hg; tp1 3");
        row("Hard hands over after Md and Hd", "..X/.OX/...", at(Hard, 1, 6), "typepart 2; Bd; tp1 3");
        row("Hard hands over after Bm and Bd", ".../.O./.XX", at(Hard, 1, 8), "typepart 2; Bg; tp1 3");
        row("Hard answers Hg and Md with Hm", "X../.OX/...", at(Hard, 1, 1), "ca2 6; Hm");
        row("Hard answers Hg and Bm with Md", "X../.O./.X.", at(Hard, 1, 1), "ca2 8; Md");
        row("Hard answers Hg and Bd with Md", "X../.O./..X", at(Hard, 1, 1), "ca2 9; Md");
        row("Hard hands over after Hg and Hd, in line", "X.X/.O./...", at(Hard, 1, 1), "typepart 2; Hm; tp1 3");
        row("Hard answers Hd and Mg with Hm", "..X/XO./...", at(Hard, 1, 3), "ty 3, ca2 4; Hm");
        row("Hard answers Hd and Bm with Md", "..X/.O./.X.", at(Hard, 1, 3), "ty 3, ca2 8; Md");
        row("Hard answers Hd and Bg with Bm", "..X/.O./X..", at(Hard, 1, 3), "ty 3, ca2 7; Bm");
        row("Hard hands over after Hd and Md, in line", "..X/.OX/...", at(Hard, 1, 3), "typepart 2; Bd; tp1 3");
        row("Hard answers Bg and Md with Bm", ".../.OX/X..", at(Hard, 1, 7), "ty 4, ca2 6; Bm");
        row("Hard answers Bg and Hm with Mg", ".X./.O./X..", at(Hard, 1, 7), "ca2 8; Mg");
        row("Hard answers Bg and Hd with Hm", "..X/.O./X..", at(Hard, 1, 7), "ca2 9; Hm");
        row("Hard hands over after Bg and Bd, in line", ".../.O./X.X", at(Hard, 1, 7), "typepart 2; Bm; tp1 3");
        row("Hard answers Bd and Hg with Hm", "X../.O./..X", at(Hard, 1, 9), "ty 5, ca2 1; Hm");
        row("Hard answers Bd and Hm with Md", ".X./.O./..X", at(Hard, 1, 9), "ty 5, ca2 2; Md");
        row("Hard answers Bd and Mg with Bm", ".../XO./..X", at(Hard, 1, 9), "ty 5, ca2 4; Bm");
        row("Hard hands over after Bd and Md, in line", ".../.OX/..X", at(Hard, 1, 9), "typepart 2; Hd; tp1 3");
        row("Hard answers the centre and Bg with Bd", "..O/.X./X..", at(Hard, 2), "Bd; typepart 2, tp1 3");
        row("Hard hands over after the centre and Hg", "X.O/.X./...", at(Hard, 2), "typepart 2; Bd; tp1 3");

        // The third cross, by the book position (ty, ca2): a reply is played
        // only when Medium would neither win nor block and the reply cell is
        // empty. When the Medium move of a hand-over wins, its reset comes
        // before tp1 is set, and brings back Hard only if tp1 was set before.
        row("Hard answers Bd, Hm, then Mg with Bg", ".X./XOO/..X", at(Hard, 5, 9, 2), "Bg; typepart 2, tp1 3");
        row("Hard answers Bd, Mg, then Hm with Bg", ".X./XO./.OX", at(Hard, 5, 9, 4), "Bg; typepart 2, tp1 3");
        row("Hard answers Bg, Md, then Hm with Hg", ".X./.OX/XO.", at(Hard, 4, 7, 6), "Hg; typepart 2, tp1 3");
        row("Hard answers Hd, Mg, then Bm with Bd", ".OX/XO./.X.", at(Hard, 3, 3, 4), "Bd; typepart 2, tp1 3");
        row("Hard answers Hd, Bm, then Mg with Hg", "..X/XOO/.X.", at(Hard, 3, 3, 8), "Hg; typepart 2, tp1 3");
        row("Hard hands over after Hd, Bg, then Hm", ".XX/.O./XO.", at(Hard, 3, 3, 7), "typepart 2; Hg; tp1 3");
        row("Hard answers Hg, Md, then Bm with Bg", "XO./.OX/.X.", at(Hard, 1, 1, 6), "Bg; typepart 2, tp1 3");
        row("Hard answers Bg, Hm, then Md with Hd", ".X./OOX/X..", at(Hard, 1, 7, 8), "Hd; typepart 2, tp1 3");
        row("Hard hands over after Hg, Bd, then Mg", "X../XOO/..X", at(Hard, 1, 1, 9), "typepart 2; Bg; tp1 3");
        row("Hard hands over after Bg, Hd, then Bm", ".OX/.O./XX.", at(Hard, 1, 7, 9), "typepart 2; Bd; tp1 3");
        row("Hard hands over to a Medium win", "XX./.OO/..X", at(Hard, 5, 9, 2),
            "typepart 2; Mg; computer wins; clear; tp1 3");
        row("Hard hands over to a Medium block", "X../XOO/.X.", at(Hard, 1, 1, 8), "typepart 2; Bg; tp1 3");
        row("Hard hands over, its reply cell taken", ".XO/.OX/X..", at(Hard, 5, 7, 2),
            "typepart 2; reseed; 0; 1; Hg; tp1 3");
        row("Hard hands over to a win, tp1 already set: next game Hard", "XO./.OX/..X",
            at(Hard, 5, 9, 1, HardMarker::Set), "typepart 2; Bm; computer wins; typepart 3; clear");
    }

    void moves()
    {
        QFETCH(QString, rows);
        QFETCH(OpponentFields, fields);
        QFETCH(QString, log);
        QCOMPARE(LoggedGame(rows, fields).log.join("; "), log);
    }

    void theRealDiceStayBelowOneAndNeverRepeat()
    {
        // Draws faster than the clock ticks never repeat.
        ClockRandomSource random;
        std::set<double> values;
        for (int i = 0; i < 10000; ++i, random.reseed())
            values.insert(random.next());
        QVERIFY(values.size() == 10000 && *values.begin() >= 0.0 && *values.rbegin() < 1.0);
    }
};

QTEST_APPLESS_MAIN(TestComputerChoice)
#include "test_computer_choice.moc"
