// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's decision in chosen positions, and how a decision is played:
// the field writes before and after its move, and the random cell draw.
#include "game/computer_game.h"

#include <QStringList>
#include <QTest>

#include <array>
#include <deque>
#include <initializer_list>
#include <utility>

namespace velmora {

QString writesText(const FieldWrites& w)
{
    QStringList parts;
    for (const auto& [field, value] : {std::pair{"ty", w.ty}, std::pair{"ca", w.ca}, std::pair{"ca2", w.ca2}}) {
        if (value)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(field)).arg(*value);
    }
    if (w.typepart)
        parts << QStringLiteral("typepart %1").arg(*w.typepart);
    if (w.setHardMarker)
        parts << QStringLiteral("tp1 3");
    return QLatin1Char('{') + parts.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// QCOMPARE prints a decision as "before {ty 1} play Mm after {ca 4}".
char* toString(const ComputerChoice& c)
{
    const char* const actions[] = {"no move", "play ", "random cell", "hand over"};
    const QString action = QLatin1String(actions[static_cast<int>(c.action)])
        + QLatin1String(c.action == ComputerAction::PlayCell ? cellName(c.cell).data() : "");
    return qstrdup(
        qPrintable(QStringLiteral("before %1 %2 after %3").arg(writesText(c.before), action, writesText(c.after))));
}

} // namespace velmora

Q_DECLARE_METATYPE(velmora::ComputerChoice)
Q_DECLARE_METATYPE(velmora::OpponentFields)

namespace {

using namespace velmora;

enum : int { Hg = 1, Hm, Hd, Mg, Mm, Md, Bg, Bm, Bd };

// Rows of the grid from the top, "/" between rows: X cross, O nought, "." empty.
Board boardFrom(const QString& rows, bool computerToMove)
{
    const QString cells = QString(rows).remove(QLatin1Char('/'));
    Board board;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QChar c = cells.at(cell - 1);
        if (c == QLatin1Char('X') || c == QLatin1Char('O')) {
            board.setMark(cell, c == QLatin1Char('X') ? Mark::Cross : Mark::Nought);
            board.setMoveCount(board.moveCount() + 1);
        }
    }
    board.setToMove(computerToMove ? Player::Two : Player::One);
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

const char* name(int cell)
{
    return cellName(cell).data();
}

// The level and the opening-book fields; 0 for a book field not written yet.
OpponentFields at(int level, int ty = 0, int ca = 0, int ca2 = 0, HardMarker tp1 = HardMarker::NeverSet)
{
    const auto field = [](int value) { return value == 0 ? BookField{} : BookField{value}; };
    return {.typepart = level, .tp1 = tp1, .ty = field(ty), .ca = field(ca), .ca2 = field(ca2)};
}

const auto none = [] { return ComputerChoice{}; };
const auto randomCell = [] { return ComputerChoice{.action = ComputerAction::RandomCell}; };
const auto play = [](int cell) { return ComputerChoice{.action = ComputerAction::PlayCell, .cell = cell}; };
const auto handOver = [] {
    return ComputerChoice{
        .before = {.typepart = Medium}, .action = ComputerAction::HandOver, .after = {.setHardMarker = true}};
};
const auto bookReply = [](int cell, FieldWrites before) {
    return ComputerChoice{.before = before, .action = ComputerAction::PlayCell, .cell = cell};
};
// A reply that closes the book: play, then Medium with the marker set.
const auto lastReply = [](int cell) {
    return ComputerChoice{
        .action = ComputerAction::PlayCell, .cell = cell, .after = {.typepart = Medium, .setHardMarker = true}};
};

void addRow(const QString& rowName, const QString& rows, const OpponentFields& fields, const ComputerChoice& expected,
    bool computerToMove = true)
{
    QTest::newRow(qPrintable(rowName)) << rows << fields << computerToMove << expected;
}

void addMediumAndTurnRows()
{
    addRow("Medium wins down the middle column before blocking", "XOX/XO./...", at(Medium), play(Bm));
    addRow("Medium wins up the left column into cell 1", ".X./O.X/OX.", at(Medium), play(Hg));
    addRow("Medium completes the bottom row before the top row", ".OO/X.X/.OO", at(Medium), play(Bg));
    addRow("Medium blocks the diagonal through the centre", "XO./.../..X", at(Medium), play(Mm));
    addRow("Medium blocks two pairs aimed at Bd", "OOX/O.X/XX.", at(Medium), play(Bd));
    addRow("Medium skips pairs whose gap holds a nought", ".OX/O.X/XXO", at(Medium), play(Mm));
    addRow("Medium blocks the first of two open pairs", "..X/XOX/X..", at(Medium), play(Hg));
    addRow("Medium blocks the diagonal from Hd before the one from Hg", "XOX/.XO/...", at(Medium), play(Bg));
    addRow("Medium blocks when its own pair is stopped", "OOX/X../..X", at(Medium), play(Md));
    addRow("Medium draws at random without a pair", "X../.O./.X.", at(Medium), randomCell());
    addRow("Easy draws at random even with a win open", "XOX/XO./...", at(Easy), randomCell());
    addRow("Easy waits while the person is to move", "X../.../...", at(Easy), none(), false);
    addRow("Medium waits while the person is to move", "X../.../...", at(Medium), none(), false);
    addRow("Hard waits while the person is to move", "X../.../...", at(Hard), none(), false);
    addRow("Level 0 makes no move", "X../.../...", at(NoLevel), none());
    addRow("Level 4 makes no move", "X../.../...", at(4), none());
    addRow("Hard makes no move after a fourth cross", "XXO/.OX/XO.", at(Hard, 1, 1, 6), none());
}

void addFirstAndSecondCrossRows()
{
    for (int cross : {Hg, Hm, Hd, Mg, Md, Bg, Bm, Bd})
        addRow(QStringLiteral("Hard takes the centre after a cross on %1").arg(name(cross)), position({cross}, {}),
            at(Hard),
            ComputerChoice{
                .before = {.ty = 1}, .action = ComputerAction::PlayCell, .cell = Mm, .after = {.ca = cross}});
    addRow("Hard takes Hd after a cross on the centre", ".../.X./...", at(Hard), bookReply(Hd, {.ty = 2}));
    for (int edge : {Hm, Mg, Md, Bm})
        addRow(QStringLiteral("Hard hands over after an opening on %1").arg(name(edge)), position({edge, Bd}, {Mm}),
            at(Hard, 1, edge), handOver());

    struct Reply {
        int corner, cross, reply;
        FieldWrites writes;
    };
    for (const Reply& r : {Reply{Hg, Md, Hm, {.ca2 = 6}}, Reply{Hg, Bm, Md, {.ca2 = 8}}, Reply{Hg, Bd, Md, {.ca2 = 9}},
             Reply{Hd, Mg, Hm, {.ty = 3, .ca2 = 4}}, Reply{Hd, Bm, Md, {.ty = 3, .ca2 = 8}},
             Reply{Hd, Bg, Bm, {.ty = 3, .ca2 = 7}}, Reply{Bg, Md, Bm, {.ty = 4, .ca2 = 6}},
             Reply{Bg, Hm, Mg, {.ca2 = 8}}, Reply{Bg, Hd, Hm, {.ca2 = 9}}, Reply{Bd, Hg, Hm, {.ty = 5, .ca2 = 1}},
             Reply{Bd, Hm, Md, {.ty = 5, .ca2 = 2}}, Reply{Bd, Mg, Bm, {.ty = 5, .ca2 = 4}}})
        addRow(
            QStringLiteral("Hard answers crosses %1 and %2 with %3").arg(name(r.corner), name(r.cross), name(r.reply)),
            position({r.corner, r.cross}, {Mm}), at(Hard, 1, r.corner), bookReply(r.reply, r.writes));

    // A second cross in line with the first: Medium blocks the pair.
    for (const auto& [corner, crosses] :
        {std::pair{Hg, std::array{Hm, Hd, Mg, Bg}}, std::pair{Hd, std::array{Hg, Hm, Md, Bd}},
            std::pair{Bg, std::array{Hg, Mg, Bm, Bd}}, std::pair{Bd, std::array{Hd, Md, Bg, Bm}}})
        for (int cross : crosses)
            addRow(QStringLiteral("Hard hands over after crosses %1 and %2").arg(name(corner), name(cross)),
                position({corner, cross}, {Mm}), at(Hard, 1, corner), handOver());

    addRow("Hard answers the centre and Bg with Bd", "..O/.X./X..", at(Hard, 2), lastReply(Bd));
    for (int cross : {Hg, Hm, Mg, Md, Bm, Bd})
        addRow(QStringLiteral("Hard hands over after the centre and %1").arg(name(cross)), position({Mm, cross}, {Hd}),
            at(Hard, 2), handOver());
}

// Each row: the book position after the computer's second nought, then the
// person's third cross. A reply is played only in a quiet position.
void addThirdCrossRows()
{
    addRow("Hard hands over after Bd, Hg, then Bm", position({Bd, Hg, Bm}, {Mm, Hm}), at(Hard, 5, 9, 1), handOver());
    addRow("Hard replies Bg after Bd, Hm, then Mg", position({Bd, Hm, Mg}, {Mm, Md}), at(Hard, 5, 9, 2), lastReply(Bg));
    addRow("Hard hands over to win after Bd, Hm, then Hg", position({Bd, Hm, Hg}, {Mm, Md}), at(Hard, 5, 9, 2),
        handOver());
    addRow("Hard hands over when its reply cell is taken", position({Bg, Hm, Md}, {Mm, Hd}), at(Hard, 5, 9, 2),
        handOver());
    addRow("Hard replies Bg after Bd, Mg, then Hm", position({Bd, Mg, Hm}, {Mm, Bm}), at(Hard, 5, 9, 4), lastReply(Bg));
    addRow("Hard replies Hg after Bg, Md, then Hm", position({Bg, Md, Hm}, {Mm, Bm}), at(Hard, 4, 7, 6), lastReply(Hg));
    addRow("Hard replies Bd after Hd, Mg, then Bm", position({Hd, Mg, Bm}, {Mm, Hm}), at(Hard, 3, 3, 4), lastReply(Bd));
    addRow("Hard hands over to win after Hd, Mg, then Bd", position({Hd, Mg, Bd}, {Mm, Hm}), at(Hard, 3, 3, 4),
        handOver());
    addRow("Hard replies Hg after Hd, Bm, then Mg", position({Hd, Bm, Mg}, {Mm, Md}), at(Hard, 3, 3, 8), lastReply(Hg));
    addRow("Hard hands over after Hd, Bg, then Hm", position({Hd, Bg, Hm}, {Mm, Bm}), at(Hard, 3, 3, 7), handOver());
    addRow("Hard replies Bg after Hg, Md, then Bm", position({Hg, Md, Bm}, {Mm, Hm}), at(Hard, 1, 1, 6), lastReply(Bg));
    addRow("Hard hands over to block Bg after Hg, Bm, then Mg", position({Hg, Bm, Mg}, {Mm, Md}), at(Hard, 1, 1, 8),
        handOver());
    addRow("Hard replies Hd after Bg, Hm, then Md", position({Bg, Hm, Md}, {Mm, Mg}), at(Hard, 1, 7, 8), lastReply(Hd));
    addRow("Hard hands over after Hg, Bd, then Mg", position({Hg, Bd, Mg}, {Mm, Md}), at(Hard, 1, 1, 9), handOver());
    addRow("Hard hands over after Bg, Hd, then Bm", position({Bg, Hd, Bm}, {Mm, Hm}), at(Hard, 1, 7, 9), handOver());
}

QString fieldsText(const OpponentFields& f)
{
    return QStringLiteral("typepart %1, tp1 %2, ty %3, ca %4, ca2 %5")
        .arg(QString::fromStdString(levelText(f.typepart)), QString::fromStdString(hardMarkerText(f.tp1)),
            QString::fromStdString(bookFieldText(f.ty)), QString::fromStdString(bookFieldText(f.ca)),
            QString::fromStdString(bookFieldText(f.ca2)));
}

// Notes every call of the game with the opponent's fields at that moment.
class FieldWatchingView final : public GameView {
public:
    const ComputerGame* game = nullptr;
    QStringList events;
    QList<int> noughts;

    void showMark(int cell, Mark mark) override
    {
        if (mark == Mark::Nought)
            noughts << cell;
        events
            << QStringLiteral("%1 %2: %3").arg(name(cell), mark == Mark::Cross ? "X" : "O", fieldsText(game->fields()));
    }
    void clearBoard() override { events << QStringLiteral("clear: ") + fieldsText(game->fields()); }
    void showTurn(Player) override { events << QStringLiteral("turn shown"); }
    void announce(Outcome outcome) override
    {
        const char* const outcomes[] = {"person wins", "computer wins", "draw"};
        events << QLatin1String(outcomes[static_cast<int>(outcome)]);
    }
};

// Hands out the values of a script and counts the calls. A spent script
// draws Bd, empty in every position below, so a wrong number of draws fails
// instead of hanging.
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(const QList<double>& script)
        : script_(script.begin(), script.end())
    {
    }
    void reseed() override { ++reseeds; }
    double next() override
    {
        ++draws;
        const double value = script_.empty() ? 0.95 : script_.front();
        if (!script_.empty())
            script_.pop_front();
        return value;
    }
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<double> script_;
};

struct PlayedGame {
    FieldWatchingView view;
    ScriptedRandomSource random;
    ComputerGame game{view, random};

    PlayedGame(const QString& rows, const OpponentFields& fields, const QList<double>& script)
        : random(script)
    {
        view.game = &game;
        game.board() = boardFrom(rows, true);
        game.fields() = fields;
        game.comp();
    }
};

class TestComputerChoice : public QObject {
    Q_OBJECT

private slots:
    void chooses_data();
    void chooses();
    void compAppliesWritesInOrder_data();
    void compAppliesWritesInOrder();
    void randomDraw_data();
    void randomDraw();
};

void TestComputerChoice::chooses_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<OpponentFields>("fields");
    QTest::addColumn<bool>("computerToMove");
    QTest::addColumn<ComputerChoice>("expected");
    addMediumAndTurnRows();
    addFirstAndSecondCrossRows();
    addThirdCrossRows();
}

void TestComputerChoice::chooses()
{
    QFETCH(QString, rows);
    QFETCH(OpponentFields, fields);
    QFETCH(bool, computerToMove);
    QFETCH(ComputerChoice, expected);
    QCOMPARE(chooseComputerMove(boardFrom(rows, computerToMove), fields), expected);
}

void TestComputerChoice::compAppliesWritesInOrder_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<OpponentFields>("fields");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("fieldsAfter");
    QTest::addColumn<int>("levelAfterNextReset");

    const QString win = position({Bd, Hg, Md}, {Mm, Hm});
    QTest::newRow("first cross: ty before the centre, ca after")
        << "X../.../..." << at(Hard) << QStringList{"Mm O: typepart 3, tp1 Label10, ty 1, ca Label10, ca2 Label10"}
        << "typepart 3, tp1 Label10, ty 1, ca 1, ca2 Label10" << int(Hard);
    QTest::newRow("second cross: ca2 before the book move")
        << position({Hg, Md}, {Mm}) << at(Hard, 1, 1) << QStringList{"Hm O: typepart 3, tp1 Label10, ty 1, ca 1, ca2 6"}
        << "typepart 3, tp1 Label10, ty 1, ca 1, ca2 6" << int(Hard);
    QTest::newRow("hand-over: Medium before the move, marker after")
        << position({Hm, Hg}, {Mm}) << at(Hard, 1, 2)
        << QStringList{"Hd O: typepart 2, tp1 Label10, ty 1, ca 2, ca2 Label10"}
        << "typepart 2, tp1 3, ty 1, ca 2, ca2 Label10" << int(Hard);
    QTest::newRow("centre reply: Medium after the move")
        << position({Mm, Bg}, {Hd}) << at(Hard, 2)
        << QStringList{"Bd O: typepart 3, tp1 Label10, ty 2, ca Label10, ca2 Label10"}
        << "typepart 2, tp1 3, ty 2, ca Label10, ca2 Label10" << int(Hard);
    QTest::newRow("third-cross reply: Medium after the move")
        << position({Bd, Hm, Mg}, {Mm, Md}) << at(Hard, 5, 9, 2)
        << QStringList{"Bg O: typepart 3, tp1 Label10, ty 5, ca 9, ca2 2"} << "typepart 2, tp1 3, ty 5, ca 9, ca2 2"
        << int(Hard);
    QTest::newRow("winning hand-over: reset before the marker, next game Medium")
        << win << at(Hard, 5, 9, 1)
        << QStringList{"Bm O: typepart 2, tp1 Label10, ty 5, ca 9, ca2 1", "computer wins",
               "clear: typepart 2, tp1 Label10, ty 5, ca 9, ca2 1"}
        << "typepart 2, tp1 3, ty 5, ca 9, ca2 1" << int(Hard);
    QTest::newRow("winning hand-over with the marker already set: next game Hard")
        << win << at(Hard, 5, 9, 1, HardMarker::Set)
        << QStringList{"Bm O: typepart 2, tp1 3, ty 5, ca 9, ca2 1", "computer wins",
               "clear: typepart 3, tp1 3, ty 5, ca 9, ca2 1"}
        << "typepart 3, tp1 3, ty 5, ca 9, ca2 1" << int(Hard);
    QTest::newRow("Medium chosen by the person writes nothing")
        << position({Hm, Hg}, {Mm}) << at(Medium)
        << QStringList{"Hd O: typepart 2, tp1 Label10, ty Label10, ca Label10, ca2 Label10"}
        << "typepart 2, tp1 Label10, ty Label10, ca Label10, ca2 Label10" << int(Medium);
}

void TestComputerChoice::compAppliesWritesInOrder()
{
    QFETCH(QString, rows);
    QFETCH(OpponentFields, fields);
    QFETCH(QStringList, events);
    QFETCH(QString, fieldsAfter);
    QFETCH(int, levelAfterNextReset);

    PlayedGame played(rows, fields, {});
    QCOMPARE(played.view.events, events);
    QCOMPARE(fieldsText(played.game.fields()), fieldsAfter);
    QCOMPARE(played.random.draws, 0);
    played.game.raz();
    QCOMPARE(played.game.fields().typepart, levelAfterNextReset);
}

void TestComputerChoice::randomDraw_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("reseeds");
    QTest::addColumn<int>("draws");

    // d = integer part of 10 x value: 0.0 gives 0, drawn again without a new
    // seed; a taken cell ends the attempt and the next attempt reseeds.
    QTest::newRow("Easy redraws a zero and retries a taken cell")
        << "X../.../..." << int(Easy) << QList<double>{0.0, 0.15, 0.95} << int(Bd) << 2 << 3;
    QTest::newRow("Easy counts cell 1 with its code 10 as empty")
        << ".../.X./..." << int(Easy) << QList<double>{0.15} << int(Hg) << 1 << 1;
    QTest::newRow("Easy plays the only empty cell")
        << "XOX/XOO/OX." << int(Easy) << QList<double>{0.15, 0.55, 0.95} << int(Bd) << 3 << 3;
    QTest::newRow("Medium without a pair falls back to the draw")
        << "X../.O./.X." << int(Medium) << QList<double>{0.55, 0.0, 0.05, 0.25} << int(Hm) << 2 << 4;
}

void TestComputerChoice::randomDraw()
{
    QFETCH(QString, rows);
    QFETCH(int, level);
    QFETCH(QList<double>, script);
    QFETCH(int, cell);
    QFETCH(int, reseeds);
    QFETCH(int, draws);

    PlayedGame played(rows, at(level), script);
    QCOMPARE(played.view.noughts, QList<int>{cell});
    QCOMPARE(played.random.reseeds, reseeds);
    QCOMPARE(played.random.draws, draws);
}

} // namespace

QTEST_APPLESS_MAIN(TestComputerChoice)
#include "test_computer_choice.moc"
