// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every game a person can play against each level, with every reply the
// computer can draw, played through the real moves; and the real random
// source at the Easy level.
#include "game/computer_game.h"
#include "platform/clock_random_source.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace {

using namespace velmora;

// A handful of cells, kept off the heap: the walk plays a million moves.
struct Cells {
    std::array<int, kCellCount> at{};
    std::size_t size = 0;

    void add(int cell) { at[size++] = cell; }
    bool contains(int cell) const { return std::find(at.begin(), at.begin() + size, cell) != at.begin() + size; }
};

Cells emptyCells(const Board& board)
{
    Cells cells;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (board.isEmpty(cell))
            cells.add(cell);
    }
    return cells;
}

// Cells that would give `mark` a full line, found line by line.
Cells completingCells(const Board& board, Mark mark)
{
    Cells cells;
    for (const Line& line : kLines) {
        int marks = 0;
        int gap = 0;
        for (int cell : line) {
            marks += board.mark(cell) == mark ? 1 : 0;
            gap = board.isEmpty(cell) ? cell : gap;
        }
        if (marks == 2 && gap != 0 && !cells.contains(gap))
            cells.add(gap);
    }
    return cells;
}

// Walks every sequence of choices depth first. A game takes the choices of
// the current path, and the first option wherever the path ends;
// nextPath() then moves to the following sequence.
class ChoiceWalker {
public:
    int choose(const Cells& options)
    {
        if (depth_ == path_.size())
            path_.push_back({0, options.size});
        // The same choices must lead to the same options in every replay.
        deterministic_ = deterministic_ && path_[depth_].count == options.size;
        return options.at.at(path_[depth_++].index);
    }
    bool nextPath()
    {
        depth_ = 0;
        while (!path_.empty() && path_.back().index + 1 == path_.back().count)
            path_.pop_back();
        if (path_.empty())
            return false;
        ++path_.back().index;
        return true;
    }
    bool deterministic() const { return deterministic_; }

private:
    struct Step {
        std::size_t index;
        std::size_t count;
    };
    std::vector<Step> path_;
    std::size_t depth_ = 0;
    bool deterministic_ = true;
};

// A draw first lands on every played cell, one attempt each, which the
// computer must refuse; then on an empty cell the walker picks, so every
// reply the computer can draw is played in some game.
class WalkedRandomSource final : public RandomSource {
public:
    explicit WalkedRandomSource(ChoiceWalker& walker)
        : walker_(walker)
    {
    }
    void watch(const Board& board) { board_ = &board; }
    void reseed() override;
    double next() override { return (cell_ + 0.5) / 10.0; }

private:
    ChoiceWalker& walker_;
    const Board* board_ = nullptr;
    int drawingAtMove_ = -1;
    Cells attempts_;
    std::size_t attempt_ = 0;
    int cell_ = 0;
};

void WalkedRandomSource::reseed()
{
    if (board_->moveCount() != drawingAtMove_) {
        // A new draw: one computer move per count of moves.
        drawingAtMove_ = board_->moveCount();
        attempts_ = {};
        attempt_ = 0;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            if (!board_->isEmpty(cell))
                attempts_.add(cell);
        }
        attempts_.add(walker_.choose(emptyCells(*board_)));
    }
    cell_ = attempts_.at[std::min(attempt_++, attempts_.size - 1)];
}

// Checks the rules at every call the game makes and keeps the outcome.
class CheckingView final : public GameView {
public:
    void watch(const ComputerGame& game) { game_ = &game; }

    void showMark(int cell, Mark mark) override;
    void clearBoard() override { }
    void showTurn(Player) override { fail("the computer window named a player"); }
    void announce(Outcome outcome) override;

    // The person's move, with the computer's answer nested inside it.
    void playPersonMove(ComputerGame& game, int cell);
    void fail(const char* what);
    void checkMediumMove(const Board& board, int cell);
    bool consistent(const Board& board) const;

    QString failure;
    Cells moves;
    bool ended = false;
    Outcome outcome = Outcome::Draw;
    int noughtsThisTurn = 0;
    int bookMoves = 0;

private:
    const ComputerGame* game_ = nullptr;
};

void CheckingView::fail(const char* what)
{
    if (!failure.isEmpty())
        return;
    failure = QLatin1String(what) + QStringLiteral(" after");
    for (std::size_t i = 0; i < moves.size; ++i)
        failure += QLatin1Char(' ') + QLatin1String(cellName(moves.at[i]).data());
}

bool CheckingView::consistent(const Board& board) const
{
    const int marks = kCellCount - static_cast<int>(emptyCells(board).size);
    const Player parity = board.moveCount() % 2 == 0 ? Player::One : Player::Two;
    return board.moveCount() == marks && board.toMove() == parity;
}

void CheckingView::showMark(int cell, Mark mark)
{
    // The board still shows the position the move is made in.
    const Board& board = game_->board();
    if (ended)
        fail("a move after the end of the game");
    if (!board.isEmpty(cell))
        fail("a move on a played cell");
    if (!consistent(board))
        fail("count or turn out of step with the board");
    if (mark == Mark::Cross && board.moveCount() >= 6 && game_->fields().typepart == Hard)
        fail("the book still playing at the fourth cross");
    if (mark == Mark::Nought) {
        ++noughtsThisTurn;
        bookMoves += game_->fields().typepart == Hard ? 1 : 0;
        if (game_->fields().typepart == Medium)
            checkMediumMove(board, cell);
    }
    moves.add(cell);
}

// Medium takes a win when it has one, and otherwise blocks the person's.
void CheckingView::checkMediumMove(const Board& board, int cell)
{
    const Cells wins = completingCells(board, Mark::Nought);
    const Cells blocks = completingCells(board, Mark::Cross);
    if (wins.size > 0 && !wins.contains(cell))
        fail("Medium missed a win");
    else if (wins.size == 0 && blocks.size > 0 && !blocks.contains(cell))
        fail("Medium missed a block");
}

void CheckingView::announce(Outcome result)
{
    if (!consistent(game_->board()))
        fail("count or turn out of step at the end");
    ended = true;
    outcome = result;
}

void CheckingView::playPersonMove(ComputerGame& game, int cell)
{
    noughtsThisTurn = 0;
    game.move(cell);
    const bool computerWon = ended && outcome == Outcome::PlayerTwoWins;
    if (noughtsThisTurn != (ended && !computerWon ? 0 : 1))
        fail("not exactly one reply to a cross that left the game open");
    if (ended && (game.board().moveCount() != 0 || emptyCells(game.board()).size != kCellCount))
        fail("the finished game was not reset");
    if (!consistent(game.board()) || game.board().toMove() != Player::One)
        fail("count or turn out of step after the reply");
}

struct Tally {
    int games = 0;
    int personWins = 0;
    int personLosses = 0;
    int draws = 0;
    int bookMoves = 0;
};

void playOneGame(ChoiceWalker& walker, int level, Tally& tally, QString& failure)
{
    CheckingView view;
    WalkedRandomSource random(walker);
    ComputerGame game(view, random);
    view.watch(game);
    random.watch(game.board());
    game.fields().typepart = level;
    game.comp();
    if (view.moves.size != 0)
        view.fail("the computer opened the game");
    while (!view.ended && view.failure.isEmpty())
        view.playPersonMove(game, walker.choose(emptyCells(game.board())));
    ++tally.games;
    tally.personWins += view.outcome == Outcome::PlayerOneWins ? 1 : 0;
    tally.personLosses += view.outcome == Outcome::PlayerTwoWins ? 1 : 0;
    tally.draws += view.outcome == Outcome::Draw ? 1 : 0;
    tally.bookMoves += view.bookMoves;
    failure = view.failure;
}

// Every sequence of person moves and computer draws, one game each.
Tally playEveryGame(int level, QString& failure)
{
    ChoiceWalker walker;
    Tally tally;
    do
        playOneGame(walker, level, tally, failure);
    while (failure.isEmpty() && walker.nextPath());
    if (!walker.deterministic())
        failure = QStringLiteral("the same moves led to different positions");
    qInfo("Level %d: %d games; the person wins %d, loses %d, draws %d; %d moves from the book", level, tally.games,
        tally.personWins, tally.personLosses, tally.draws, tally.bookMoves);
    return tally;
}

// Counts the real source's attempts, to see that the draw never stalls.
class CountingClockSource final : public RandomSource {
public:
    void reseed() override
    {
        ++reseeds;
        clock_.reseed();
    }
    double next() override { return clock_.next(); }
    int reseeds = 0;

private:
    ClockRandomSource clock_;
};

class NoughtView final : public GameView {
public:
    void showMark(int cell, Mark mark) override { lastNought = mark == Mark::Nought ? cell : lastNought; }
    void clearBoard() override { }
    void showTurn(Player) override { }
    void announce(Outcome) override { }
    int lastNought = 0;
};

class TestGameTree : public QObject {
    Q_OBJECT

private slots:
    void easyReachesEveryPossibleGame();
    void mediumAndHardFollowTheRules_data();
    void mediumAndHardFollowTheRules();
    void easyIsUniformWithTheClockSource();
    void drawsFasterThanTheClockNeverRepeat();
};

void TestGameTree::easyReachesEveryPossibleGame()
{
    QString failure;
    const Tally tally = playEveryGame(Easy, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    // The known totals of noughts and crosses: Easy can reach every game.
    QCOMPARE(tally.games, 255168);
    QCOMPARE(tally.personWins, 131184);
    QCOMPARE(tally.personLosses, 77904);
    QCOMPARE(tally.draws, 46080);
    QCOMPARE(tally.bookMoves, 0);
}

void TestGameTree::mediumAndHardFollowTheRules_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("Medium") << int(Medium);
    QTest::newRow("Hard") << int(Hard);
}

void TestGameTree::mediumAndHardFollowTheRules()
{
    QFETCH(int, level);
    QString failure;
    const Tally tally = playEveryGame(level, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    // At Hard the book answers at least the first cross of every game.
    QVERIFY(level == Hard ? tally.bookMoves >= tally.games : tally.bookMoves == 0);
}

void TestGameTree::easyIsUniformWithTheClockSource()
{
    constexpr int kReplies = 9000;
    NoughtView view;
    CountingClockSource random;
    ComputerGame game(view, random);
    game.fields().typepart = Easy;
    std::array<int, kCellCount + 1> replies{};
    for (int i = 0; i < kReplies; ++i) {
        game.move(5);
        ++replies.at(static_cast<std::size_t>(view.lastNought));
        game.raz();
    }
    const double expected = kReplies / 8.0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const int count = replies.at(static_cast<std::size_t>(cell));
        if (cell == 5)
            QCOMPARE(count, 0);
        else
            QVERIFY2(count > 0.5 * expected && count < 1.5 * expected,
                qPrintable(QStringLiteral("%1 replies on %2").arg(count).arg(cellName(cell).data())));
    }
    // One attempt in nine hits the cross: about 1.125 attempts a reply.
    QVERIFY2(random.reseeds < 2 * kReplies, qPrintable(QString::number(random.reseeds)));
}

void TestGameTree::drawsFasterThanTheClockNeverRepeat()
{
    constexpr int kDraws = 10000;
    ClockRandomSource random;
    std::set<double> values;
    for (int i = 0; i < kDraws; ++i) {
        random.reseed();
        const double value = random.next();
        QVERIFY(value >= 0.0 && value < 1.0);
        values.insert(value);
    }
    QCOMPARE(values.size(), std::size_t{kDraws});
}

} // namespace

QTEST_APPLESS_MAIN(TestGameTree)
#include "test_game_tree.moc"
