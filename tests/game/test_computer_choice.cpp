// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's decision in chosen positions, and how a decision is played:
// the field writes before and after its move, and the random cell draw.
#include "game/computer_game.h"

#include <QTest>

#include <array>
#include <initializer_list>
#include <optional>
#include <tuple>
#include <utility>

Q_DECLARE_METATYPE(velmora::OpponentFields)

namespace {

using namespace velmora;

enum : int { Hg = 1, Hm, Hd, Mg, Mm, Md, Bg, Bm, Bd };

const auto name = [](int cell) { return isCell(cell) ? QLatin1String(cellName(cell).data(), 2) : QLatin1String("?"); };

// Written fields as "ty 1, ca 4, typepart 3, tp1 3", in the order they are applied.
QString text(const FieldWrites& w)
{
    QStringList parts;
    for (const auto& [field, value] : {std::pair{"ty", w.ty}, {"ca", w.ca}, {"ca2", w.ca2}, {"typepart", w.typepart},
             {"tp1", w.setHardMarker ? std::optional{3} : std::nullopt}}) {
        if (value)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(field)).arg(*value);
    }
    return parts.join(QStringLiteral(", "));
}

// A decision as "ty 1, play Mm, ca 4": the writes before, the move, the writes after.
QString text(const ComputerChoice& c)
{
    const char* const actions[] = {"none", "play ", "random", "hand over"};
    QStringList parts{text(c.before), QLatin1String(actions[static_cast<int>(c.action)]), text(c.after)};
    if (c.action == ComputerAction::PlayCell)
        parts[1] += name(c.cell);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

const auto fieldsText = [](const OpponentFields& f) {
    return text(FieldWrites{f.ty, f.ca, f.ca2, f.typepart, f.tp1 == HardMarker::Set});
};
const QString handOver = QStringLiteral("typepart 2, hand over, tp1 3");
const auto lastReply = [](int cell) { return QStringLiteral("play %1, typepart 2, tp1 3").arg(name(cell)); };

// Rows of the grid from the top, "/" between rows: X cross, O nought, "."
// empty. The computer is to move, unless a "*" follows.
Board boardFrom(const QString& rows)
{
    const QString cells = QString(rows).remove(QLatin1Char('/'));
    Board board;
    for (int cell = 1; cell <= kCellCount; ++cell)
        board.setMark(
            cell, std::array{Mark::None, Mark::Cross, Mark::Nought}.at(QStringLiteral(".XO").indexOf(cells[cell - 1])));
    board.setMoveCount(kCellCount - static_cast<int>(cells.count(QLatin1Char('.'))));
    board.setToMove(cells.endsWith(QLatin1Char('*')) ? Player::One : Player::Two);
    return board;
}

QString position(std::initializer_list<int> crosses, std::initializer_list<int> noughts)
{
    QString cells(kCellCount, QLatin1Char('.'));
    for (int cell : crosses)
        cells[cell - 1] = QLatin1Char('X');
    for (int cell : noughts)
        cells[cell - 1] = QLatin1Char('O');
    return cells;
}

// The level and the opening-book fields; 0 for a book field not written yet.
OpponentFields at(int level, int ty = 0, int ca = 0, int ca2 = 0, HardMarker tp1 = HardMarker::NeverSet)
{
    const auto field = [](int value) { return value == 0 ? BookField{} : BookField{value}; };
    return {.typepart = level, .tp1 = tp1, .ty = field(ty), .ca = field(ca), .ca2 = field(ca2)};
}

void row(const QString& rowName, const QString& rows, const OpponentFields& fields, const QString& expected,
    const QString& log = {}, const QList<double>& script = {})
{
    QTest::newRow(qPrintable(rowName)) << rows << fields << expected << log << script;
}

// A game against the computer that logs every call of the game and every draw
// of its dice, with the fields at each mark and reset, and at the end. A spent
// script draws Bd, empty in every position played, so a wrong number of draws
// fails instead of hanging.
class LoggedGame final : public GameView, public RandomSource {
public:
    LoggedGame(const QString& rows, const OpponentFields& fields, const QList<double>& script)
        : script_(script)
    {
        game_.board() = boardFrom(rows);
        game_.fields() = fields;
        game_.comp();
        log << fieldsText(game_.fields());
    }
    void showMark(int cell, Mark) override { log << name(cell) + " (" + fieldsText(game_.fields()) + ")"; }
    void clearBoard() override { log << "clear (" + fieldsText(game_.fields()) + ")"; }
    void showTurn(Player) override { log << QStringLiteral("turn"); }
    void announce(Outcome o) override { log << (o == Outcome::PlayerTwoWins ? "computer wins" : "other end"); }
    void reseed() override { log << QStringLiteral("reseed"); }
    double next() override
    {
        const double value = script_.isEmpty() ? 0.95 : script_.takeFirst();
        log << QString::number(static_cast<int>(10 * value));
        return value;
    }

    QStringList log;

private:
    QList<double> script_;
    ComputerGame game_{*this, *this};
};

} // namespace

class TestComputerChoice : public QObject {
    Q_OBJECT

private slots:
    void chooses_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<OpponentFields>("fields");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QList<double>>("script");

        // Medium tries its line rules for a win, then for a block; the first rule
        // that applies decides. Each rule alone completes or blocks its pair.
        row("Medium wins down the middle column before blocking", "XOX/XO./...", at(Medium), "play Bm");
        row("Medium completes the bottom row before the top row", ".OO/X.X/.OO", at(Medium), "play Bg");
        row("Medium blocks two pairs aimed at Bd", "OOX/O.X/XX.", at(Medium), "play Bd");
        row("Medium blocks the left column before the right one", "..X/XOX/X..", at(Medium), "play Hg");
        row("Medium blocks the diagonal from Hd before the one from Hg", "XOX/.XO/...", at(Medium), "play Bg");
        const char* const lineNames[] = {"top row", "middle row", "bottom row", "left column", "middle column",
            "right column", "diagonal from Hg", "diagonal from Hd"};
        for (std::size_t i = 0; i < kLines.size(); ++i) {
            for (int gap : kLines[i]) {
                QString pair(kCellCount, QLatin1Char('.'));
                for (int cell : kLines[i])
                    pair[cell - 1] = cell == gap ? QLatin1Char('.') : QLatin1Char('O');
                const QString where = QStringLiteral(" the %1 at %2").arg(QLatin1String(lineNames[i]), name(gap));
                row("Medium completes" + where, pair, at(Medium), "play " + name(gap));
                row("Medium blocks" + where, QString(pair).replace('O', 'X'), at(Medium), "play " + name(gap));
            }
        }
        row("Medium draws at random without a pair", "X../.O./.X.", at(Medium), "random");

        // The cell drawn at random is the integer part of 10 times the value: 0 is
        // drawn again without a new seed; a taken cell ends the attempt, and every
        // attempt reseeds first.
        row("Easy draws at random even with a win open", "XOX/XO./...", at(Easy), "random");
        row("Easy redraws a 0 and retries a taken cell", "X../.../...", at(Easy), "random",
            "reseed; 0; 1; reseed; 9; Bd (typepart 1); typepart 1", {0.0, 0.15, 0.95});
        row("Easy counts cell 1 with its code 10 as empty", ".../.X./...", at(Easy), "random",
            "reseed; 1; Hg (typepart 1); typepart 1", {0.15});
        row("Easy waits while the person is to move", "X../.../...*", at(Easy), "none");
        for (int level : {0, 4})
            row(QStringLiteral("Level %1 makes no move").arg(level), "X../.../...", at(level), "none");
        row("Hard makes no move after a fourth cross", "XXO/.OX/XO.", at(Hard, 1, 1, 6), "none");

        // Hard, the first cross: the book writes ty before its move, ca after.
        for (int cross : {Hg, Hm, Hd, Mg, Md, Bg, Bm, Bd})
            row("Hard takes the centre after " + name(cross), position({cross}, {}), at(Hard),
                QStringLiteral("ty 1, play Mm, ca %1").arg(cross));
        row("Hard plays Mm, then writes ca", "X../.../...", at(Hard), "ty 1, play Mm, ca 1",
            "Mm (ty 1, typepart 3); ty 1, ca 1, typepart 3");
        row("Hard takes Hd after the centre", ".../.X./...", at(Hard), "ty 2, play Hd");

        // The second cross, by the first: an edge hands over; a corner has three
        // book replies and hands over a second cross in line with it; the centre
        // has one reply. A hand-over steps down to Medium before the Medium move
        // and sets tp1 after it.
        for (int edge : {Hm, Mg, Md, Bm})
            row("Hard hands over after " + name(edge) + " and Bd", position({edge, Bd}, {Mm}), at(Hard, 1, edge),
                handOver);
        for (const auto& [first, second, expected] : {std::tuple{Hg, Md, "ca2 6, play Hm"}, {Hg, Bm, "ca2 8, play Md"},
                 {Hg, Bd, "ca2 9, play Md"}, {Hd, Mg, "ty 3, ca2 4, play Hm"}, {Hd, Bm, "ty 3, ca2 8, play Md"},
                 {Hd, Bg, "ty 3, ca2 7, play Bm"}, {Bg, Md, "ty 4, ca2 6, play Bm"}, {Bg, Hm, "ca2 8, play Mg"},
                 {Bg, Hd, "ca2 9, play Hm"}, {Bd, Hg, "ty 5, ca2 1, play Hm"}, {Bd, Hm, "ty 5, ca2 2, play Md"},
                 {Bd, Mg, "ty 5, ca2 4, play Bm"}, {Hg, Hm, ""}, {Hd, Md, ""}, {Bg, Mg, ""}, {Bd, Bg, ""}}) {
            row("Hard after " + name(first) + " and " + name(second), position({first, second}, {Mm}),
                at(Hard, 1, first), *expected ? QString::fromLatin1(expected) : handOver);
        }
        row("Hard writes ca2, then plays Hm", position({Hg, Md}, {Mm}), at(Hard, 1, 1), "ca2 6, play Hm",
            "Hm (ty 1, ca 1, ca2 6, typepart 3); ty 1, ca 1, ca2 6, typepart 3");
        row("Hard answers the centre and Bg with Bd", "..O/.X./X..", at(Hard, 2), lastReply(Bd));
        row("Hard hands over after the centre and Hg", "X.O/.X./...", at(Hard, 2), handOver);
        row("Hard hands over after Hm and Hg", position({Hm, Hg}, {Mm}), at(Hard, 1, 2), handOver,
            "Hd (ty 1, ca 2, typepart 2); ty 1, ca 2, typepart 2, tp1 3");

        // The third cross, by the book position (ty, ca2): crosses, the nought
        // beside Mm, then the reply, 0 for a hand-over. A reply is played only
        // when Medium would neither win (after Bd, Hm, Hg) nor block (after Hg,
        // Bm, Mg) and the reply cell is empty (not after Bg, Hm, Md). When the
        // Medium move of a hand-over wins, its reset comes before tp1 is set.
        for (const auto& [x1, x2, x3, o2, ty, ca2, reply] : {std::tuple{Bd, Hg, Bm, Hm, 5, 1, 0},
                 {Bd, Hm, Mg, Md, 5, 2, Bg}, {Bd, Hm, Hg, Md, 5, 2, 0}, {Bg, Hm, Md, Hd, 5, 2, 0},
                 {Bd, Mg, Hm, Bm, 5, 4, Bg}, {Bg, Md, Hm, Bm, 4, 6, Hg}, {Hd, Mg, Bm, Hm, 3, 4, Bd},
                 {Hd, Bm, Mg, Md, 3, 8, Hg}, {Hd, Bg, Hm, Bm, 3, 7, 0}, {Hg, Md, Bm, Hm, 1, 6, Bg},
                 {Hg, Bm, Mg, Md, 1, 8, 0}, {Bg, Hm, Md, Mg, 1, 8, Hd}, {Hg, Bd, Mg, Md, 1, 9, 0}}) {
            row(QStringLiteral("Hard after %1, %2, then %3").arg(name(x1), name(x2), name(x3)),
                position({x1, x2, x3}, {Mm, o2}), at(Hard, ty, 0, ca2), reply ? lastReply(reply) : handOver);
        }
        const QString win = position({Bd, Hg, Md}, {Mm, Hm});
        row("Hard hands over to a win, next game Medium", win, at(Hard, 5, 9, 1), handOver,
            "Bm (ty 5, ca 9, ca2 1, typepart 2); computer wins; clear (ty 5, ca 9, ca2 1, typepart 2); "
            "ty 5, ca 9, ca2 1, typepart 2, tp1 3");
        row("Hard hands over to a win, tp1 already set: next game Hard", win, at(Hard, 5, 9, 1, HardMarker::Set),
            handOver,
            "Bm (ty 5, ca 9, ca2 1, typepart 2, tp1 3); computer wins; clear (ty 5, ca 9, ca2 1, typepart 3, tp1 3); "
            "ty 5, ca 9, ca2 1, typepart 3, tp1 3");
    }

    // Each row checks the decision in its position; a row with a log also
    // plays the decision and checks every call and draw of the game.
    void chooses()
    {
        QFETCH(QString, rows);
        QFETCH(OpponentFields, fields);
        QFETCH(QString, expected);
        QFETCH(QString, log);
        QFETCH(QList<double>, script);
        QCOMPARE(text(chooseComputerMove(boardFrom(rows), fields)), expected);
        if (!log.isEmpty())
            QCOMPARE(LoggedGame(rows, fields, script).log.join(QStringLiteral("; ")), log);
    }
};

QTEST_APPLESS_MAIN(TestComputerChoice)
#include "test_computer_choice.moc"
