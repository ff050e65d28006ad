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
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace velmora;

// Explores the tree depth first. A reply's first draw lands on a played
// cell, which the computer must draw again; then on each empty cell in turn.
class GameTree final : public GameView, public RandomSource {
public:
    explicit GameTree(int level)
    {
        game_.fields().typepart = level;
        explore();
    }

    void showMark(int cell, Mark mark) override
    {
        check(game_.board().isEmpty(cell) && inStep(), "a move on a played cell, or out of step");
        noughts_ += mark == Mark::Nought;
        moves_ += char('0' + cell);
    }
    void clearBoard() override { }
    void showTurn(Player) override { check(false, "the computer window named a player"); }
    void announce(Outcome outcome) override
    {
        check(inStep(), "out of step at the end");
        ++outcomes.at(std::size_t(outcome));
        ended_ = true;
    }
    void reseed() override { ++attempts_; }
    double next() override
    {
        std::vector<int> played, empty;
        for (int cell = 1; cell <= kCellCount; ++cell)
            (game_.board().isEmpty(cell) ? empty : played).push_back(cell);
        draws_ = empty.size();
        return ((attempts_ == 1 && !played.empty() ? played.front() : empty.at(draw_)) + 0.5) / 10.0;
    }

    QString failure;
    std::array<int, 3> outcomes{}; // the person wins, loses, draws

private:
    void explore()
    {
        const Board board = game_.board();
        const OpponentFields fields = game_.fields();
        const std::string moves = moves_;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            for (std::size_t draw = 0, draws = 1; board.isEmpty(cell) && draw < draws && failure.isEmpty(); ++draw) {
                game_.board() = board;
                game_.fields() = fields;
                moves_ = moves;
                std::tie(draw_, draws_, attempts_, noughts_, ended_) = std::tuple(draw, 1, 0, 0, false);
                game_.move(cell);
                draws = draws_;
                check(ended_ || (noughts_ == 1 && inStep()), "not one reply to a cross");
                if (!ended_)
                    explore();
                else
                    check(game_.board().moveCount() == 0, "the ended game was not reset");
            }
        }
    }
    bool inStep() const
    {
        const Board& board = game_.board();
        int marked = 0;
        for (int cell = 1; cell <= kCellCount; ++cell)
            marked += !board.isEmpty(cell);
        return board.moveCount() == marked && board.toMove() == (marked % 2 == 0 ? Player::One : Player::Two);
    }
    void check(bool ok, const char* what)
    {
        if (!ok && failure.isEmpty())
            failure = QLatin1String(what) + QStringLiteral(" after the cells ") + QString::fromStdString(moves_);
    }

    std::size_t draw_ = 0, draws_ = 1;
    int attempts_ = 0, noughts_ = 0;
    bool ended_ = false;
    std::string moves_;
    ComputerGame game_{*this, *this};
};

class TestGameTree : public QObject {
    Q_OBJECT

private slots:
    void everyGame()
    {
        for (int level : {Easy, Medium, Hard}) {
            const GameTree tree(level);
            QVERIFY2(tree.failure.isEmpty(), qPrintable(QStringLiteral("level %1: ").arg(level) + tree.failure));
            // The known totals of noughts and crosses: Easy can reach every game.
            if (level == Easy)
                QCOMPARE(tree.outcomes, (std::array{131184, 77904, 46080}));
        }
    }

    void clockDice()
    {
        // Draws faster than the clock ticks never repeat, and stay below one.
        ClockRandomSource random;
        std::set<double> values;
        for (int i = 0; i < 10000; ++i) {
            random.reseed();
            values.insert(random.next());
        }
        QVERIFY(values.size() == 10000 && *values.begin() >= 0.0 && *values.rbegin() < 1.0);
    }
};

} // namespace

QTEST_APPLESS_MAIN(TestGameTree)
#include "test_game_tree.moc"
