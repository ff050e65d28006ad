// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every game a person can play against each level, with every reply the
// computer can draw, played through the real moves; and the real random
// source at the Easy level.
#include "game/computer_game.h"
#include "platform/clock_random_source.h"

#include <QTest>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace velmora;

std::vector<int> cellsWhere(const Board& board, bool empty)
{
    std::vector<int> cells;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (board.isEmpty(cell) == empty)
            cells.push_back(cell);
    }
    return cells;
}

// Plays every person move in every position, with every cell the computer can
// draw in reply, and checks every call of the game. A draw first lands on each
// played cell, one attempt each, which the computer must refuse.
class GameTree final : public GameView, public RandomSource {
public:
    explicit GameTree(int level)
    {
        game_.fields().typepart = level;
        game_.comp();
        check(moves_.empty(), "the computer opened the game");
        explore();
    }

    void showMark(int cell, Mark mark) override
    {
        // The board still shows the position the move is made in.
        check(game_.board().isEmpty(cell), "a move on a played cell");
        check(inStep(), "count or turn out of step before a move");
        turn_.noughts += mark == Mark::Nought ? 1 : 0;
        bookMoves += mark == Mark::Nought && game_.fields().typepart == Hard ? 1 : 0;
        moves_ += static_cast<char>('0' + cell);
    }
    void clearBoard() override { }
    void showTurn(Player) override { check(false, "the computer window named a player"); }
    void announce(Outcome outcome) override
    {
        check(inStep(), "count or turn out of step at the end");
        ++outcomes.at(static_cast<std::size_t>(outcome));
        turn_.ended = outcome == Outcome::PlayerTwoWins ? 1 : 0;
    }
    void reseed() override { ++turn_.attempts; }
    double next() override
    {
        const std::vector<int> played = cellsWhere(game_.board(), false), empty = cellsWhere(game_.board(), true);
        turn_.draws = empty.size();
        const std::size_t attempt = turn_.attempts - 1;
        return ((attempt < played.size() ? played[attempt] : empty.at(turn_.draw)) + 0.5) / 10.0;
    }

    QString failure;
    std::array<int, 3> outcomes{}; // by Outcome: the person wins, loses, draws
    int bookMoves = 0;

private:
    // Each person move, then each cell the reply can draw, from the position
    // on the board.
    void explore()
    {
        const Board board = game_.board();
        const OpponentFields fields = game_.fields();
        const std::size_t played = moves_.size();
        for (int cell : cellsWhere(board, true)) {
            for (std::size_t draw = 0, draws = 1; draw < draws && failure.isEmpty(); ++draw) {
                game_.board() = board;
                game_.fields() = fields;
                moves_.resize(played);
                turn_ = {.draw = draw};
                game_.move(cell);
                draws = turn_.draws;
                check(turn_.noughts == (turn_.ended == 0 ? 0 : 1), "not exactly one reply to a cross");
                check(inStep(), "count or turn out of step after the reply");
                if (turn_.ended < 0)
                    explore();
                else
                    check(game_.board().moveCount() == 0, "the ended game was not reset");
            }
        }
    }
    bool inStep() const
    {
        const Board& board = game_.board();
        return board.moveCount() == static_cast<int>(cellsWhere(board, false).size())
            && board.toMove() == (board.moveCount() % 2 == 0 ? Player::One : Player::Two);
    }
    void check(bool ok, const char* what)
    {
        if (!ok && failure.isEmpty())
            failure = QLatin1String(what) + QStringLiteral(" after the cells ") + QString::fromStdString(moves_);
    }

    struct Turn {
        std::size_t draw = 0; // the empty cell the draw lands on
        std::size_t draws = 1; // how many it could land on
        std::size_t attempts = 0;
        int noughts = 0;
        int ended = -1; // 1 when the computer won, 0 for any other end
    } turn_;
    std::string moves_;
    ComputerGame game_{*this, *this};
};

// Counts the computer's replies on each cell.
class ReplyCounter final : public GameView {
public:
    void showMark(int cell, Mark mark) override { replies.at(static_cast<std::size_t>(cell)) += mark == Mark::Nought; }
    void clearBoard() override { }
    void showTurn(Player) override { }
    void announce(Outcome) override { }
    std::array<int, kCellCount + 1> replies{};
};

class TestGameTree : public QObject {
    Q_OBJECT

private slots:
    void everyGame()
    {
        for (int level : {Easy, Medium, Hard}) {
            const GameTree tree(level);
            const auto [wins, losses, draws] = tree.outcomes;
            QVERIFY2(tree.failure.isEmpty(), qPrintable(QStringLiteral("level %1: ").arg(level) + tree.failure));
            qInfo("Level %d: %d games; the person wins %d, loses %d, draws %d; %d moves from the book", level,
                wins + losses + draws, wins, losses, draws, tree.bookMoves);
            // The known totals of noughts and crosses: Easy can reach every game.
            if (level == Easy)
                QCOMPARE(tree.outcomes, (std::array{131184, 77904, 46080}));
            QVERIFY(level == Hard ? tree.bookMoves > 0 : tree.bookMoves == 0);
        }
    }

    void clockSource()
    {
        // Draws faster than the clock ticks never repeat.
        ClockRandomSource random;
        std::set<double> values;
        for (int i = 0; i < 10000; ++i) {
            random.reseed();
            values.insert(random.next());
        }
        QCOMPARE(values.size(), std::size_t{10000});
        QVERIFY(*values.begin() >= 0.0 && *values.rbegin() < 1.0);

        // Easy's replies to a cross on the centre spread evenly, and the draw
        // never stalls.
        constexpr int kReplies = 9000;
        ReplyCounter view;
        ComputerGame game(view, random);
        game.fields().typepart = Easy;
        for (int i = 0; i < kReplies; ++i) {
            game.move(5);
            game.raz();
        }
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const int count = view.replies.at(static_cast<std::size_t>(cell));
            QVERIFY2(cell == 5 ? count == 0 : count > 0.5 * kReplies / 8 && count < 1.5 * kReplies / 8,
                qPrintable(QStringLiteral("%1 replies on %2").arg(count).arg(cellName(cell).data())));
        }
    }
};

} // namespace

QTEST_APPLESS_MAIN(TestGameTree)
#include "test_game_tree.moc"
