// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every game a person can play against each level, with every cell the
// computer's dice can land on, played through the real moves; and the real
// dice.
#include "game/computer_game.h"
#include "platform/clock_random_source.h"

#include <QTest>

#include <array>
#include <set>
#include <tuple>
#include <vector>

namespace {

using namespace velmora;

// Explores the tree depth first. A reply's first draw lands on a played
// cell, which the computer must draw again; then on each empty cell in turn.
// The first broken rule found is kept in `failure`.
class GameTree final : public GameView, public RandomSource {
public:
    explicit GameTree(int level)
    {
        game_.fields().typepart = level;
        explore(game_.board(), game_.fields());
    }

    void showMark(int cell, Mark mark) override
    {
        check(game_.board().isEmpty(cell) && inStep(), "a move on a played cell, or out of step");
        noughts_ += mark == Mark::Nought;
    }
    void clearBoard() override { }
    void showTurn(Player) override { check(false, "the computer window named a player"); }
    void announce(Outcome o) override { check(inStep(), "out of step at the end"), ++outcomes.at(int(o)), ended_ = 1; }
    void reseed() override { ++attempts_; }
    double next() override
    {
        std::vector<int> played, empty;
        for (int cell = 1; cell <= kCellCount; ++cell)
            (game_.board().isEmpty(cell) ? empty : played).push_back(cell);
        draws_ = int(empty.size());
        return ((attempts_ == 1 && !played.empty() ? played.front() : empty.at(draw_)) + 0.5) / 10.0;
    }

    const char* failure = nullptr;
    std::array<int, 3> outcomes{}; // the person wins, loses, draws

private:
    // Every empty cell for the next cross, and for each every landing of the
    // dice the computer's reply draws; a game that goes on is explored further.
    void explore(const Board board, const OpponentFields fields)
    {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            for (int draw = 0, draws = 1; board.isEmpty(cell) && draw < draws && !failure; ++draw) {
                game_.board() = board;
                game_.fields() = fields;
                std::tie(draw_, draws_, attempts_, noughts_, ended_) = std::tuple(draw, 1, 0, 0, 0);
                game_.move(cell);
                draws = draws_;
                check(ended_ ? game_.board().moveCount() == 0 : noughts_ == 1 && inStep(), "no reply, or no reset");
                if (!ended_)
                    explore(game_.board(), game_.fields());
            }
        }
    }
    // The count and the turn agree with the marks on the board.
    bool inStep() const
    {
        int marked = 0;
        for (int cell = 1; cell <= kCellCount; ++cell)
            marked += !game_.board().isEmpty(cell);
        return game_.board().moveCount() == marked && game_.board().toMove() == Player(marked % 2);
    }
    void check(bool ok, const char* what) { failure = ok || failure ? failure : what; }

    int draw_ = 0, draws_ = 1, attempts_ = 0, noughts_ = 0, ended_ = 0;
    ComputerGame game_{*this, *this};
};

class TestGameTree : public QObject {
    Q_OBJECT

private slots:
    // The known totals of noughts and crosses: Easy can reach every game.
    void everyGame()
    {
        for (int level : {Easy, Medium, Hard}) {
            const GameTree tree(level);
            QVERIFY2(!tree.failure, qPrintable(QStringLiteral("level %1: %2").arg(level).arg(tree.failure)));
            QVERIFY(level != Easy || tree.outcomes == (std::array{131184, 77904, 46080}));
        }
    }

    void clockDice()
    {
        // Draws faster than the clock ticks never repeat, and stay below one.
        ClockRandomSource random;
        std::set<double> values;
        for (int i = 0; i < 10000; ++i, random.reseed())
            values.insert(random.next());
        QVERIFY(values.size() == 10000 && *values.begin() >= 0.0 && *values.rbegin() < 1.0);
    }
};

} // namespace

QTEST_APPLESS_MAIN(TestGameTree)
#include "test_game_tree.moc"
