// SPDX-License-Identifier: GPL-3.0-or-later
// The second row of the two-operation schemes, in every window that has one:
// at every load the partial result stands on the side of the datum its
// formula needs, each caption under its own box, and nothing else of the
// scheme moves; a refused load moves nothing. Where each widget should stand
// is read from the window's description and the problem's formula.

#include "window_case_fixture.h"

#include <ostream>
#include <vector>

namespace quorvia::testing {
namespace {

// The two-operation windows.
std::vector<WindowCase> windowsWithASecondRow()
{
    std::vector<WindowCase> cases;
    for (const WindowCase& c : everyWindow()) {
        if (c.description->second_row.exists())
            cases.push_back(c);
    }
    return cases;
}

class SecondRowFixture : public WindowCaseFixture {
protected:
    // The partial box, the datum box, the partial caption, the datum
    // caption: each pair trades places when the partial result is on the right.
    static std::vector<const char*> secondRow(const ExerciseWindow& w)
    {
        const SecondRowRule& row = w.scheme().second_row;
        return {row.partial_box, row.datum_box, row.partial_caption, row.datum_caption};
    }

    static std::vector<QPoint> placesOf(ExerciseWindow& w, const std::vector<const char*>& names)
    {
        std::vector<QPoint> places;
        for (const char* name : names)
            places.push_back(place(w, name));
        return places;
    }

    // Where the second row stands with the partial result on one side: each
    // widget keeps its own height and, on the right, takes its partner's left.
    static std::vector<QPoint> secondRowOn(const ExerciseWindow& w, bool right)
    {
        const std::vector<const char*> names = secondRow(w);
        std::vector<QPoint> places;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const QPoint own = designPlace(w, names[i]);
            places.push_back(right ? QPoint(designPlace(w, names[i ^ 1]).x(), own.y()) : own);
        }
        return places;
    }

    // The rest of the operation scheme stands where the design puts it.
    static void expectTheRestWhereDesigned(ExerciseWindow& w)
    {
        const std::vector<const char*> row = secondRow(w);
        for (const WidgetRow& widget : w.scheme().widgets) {
            const bool ofTheScheme = widget.kind == WidgetKind::NumberBox || widget.kind == WidgetKind::MirrorBox ||
                                     widget.kind == WidgetKind::OperatorLabel ||
                                     widget.kind == WidgetKind::FollowerLabel;
            const bool inTheRow = std::find_if(row.begin(), row.end(), [&](const char* name) {
                                      return QLatin1String(name) == QLatin1String(widget.name);
                                  }) != row.end();
            const WidgetPlace& design = w.mode() == Mode::Advanced ? widget.advanced : widget.beginner;
            if (ofTheScheme && !inTheRow && design.exists()) {
                EXPECT_EQ(place(w, widget.name), QPoint(design.left, design.top)) << widget.name;
            }
        }
    }
};

// How the window gets to the next problem of a sequence.
enum class Move {
    Open,      // the window opened on it
    Reopen,    // closed and opened again on it, as the main window does
    Next,      // the next-problem button (on the last problem: that one again)
    Previous,  // the previous-problem button (on the first: that one again)
    Again,     // the problem started again
    Solve,     // not a move: the problem shown solved with its answers
};

struct Load {
    Move move;
    int problem;  // where it arrives
};

struct Sequence {
    const char* name;
    Scheme scheme;
    Mode mode;
    int count;  // the launch's problem count; 0: the file's
    std::vector<Load> loads;
};

void PrintTo(const Sequence& sequence, std::ostream* out)
{
    *out << sequence.name;
}

class SecondRow : public SecondRowFixture, public ::testing::WithParamInterface<Sequence> {};

TEST_P(SecondRow, FollowsTheFormulaFromLoadToLoad)
{
    const Sequence& s = GetParam();
    const WindowCase c = windowOf(s.scheme, s.mode);
    std::unique_ptr<ExerciseWindow> w;
    std::vector<QPoint> before;
    int solved = 0;
    for (const Load& load : s.loads) {
        SCOPED_TRACE("problem " + std::to_string(load.problem));
        const int messages = dialogs_->messages().size();
        dialogs_->setNextYesNo(true);
        switch (load.move) {
        case Move::Open:
            w = openCase(c, load.problem, s.count);
            ASSERT_NE(w, nullptr);
            break;
        case Move::Reopen:
            w->close();
            start(*w, launchOf(c, load.problem, s.count));
            break;
        case Move::Next: click(*w, QStringLiteral("LMDButton1")); break;
        case Move::Previous: click(*w, QStringLiteral("LMDButton3")); break;
        case Move::Again: w->INIZIO(); break;
        case Move::Solve:
            solveWithAnswersOf(*w, problemOf(c, load.problem));
            EXPECT_EQ(w->solvedCount(), ++solved);
            for (const MirrorRule& mirror : w->scheme().mirrors)
                EXPECT_EQ(text(*w, QLatin1String(mirror.target)), text(*w, QLatin1String(mirror.source)));
            continue;
        }
        ASSERT_EQ(w->state().current_problem, load.problem);
        const bool refused = dialogs_->messages().size() > messages;
        if (refused) {
            EXPECT_EQ(placesOf(*w, secondRow(*w)), before) << "a refused load moved the second row";
        } else {
            const bool right = partialOnRightIn(problemOf(c, load.problem));
            EXPECT_EQ(w->partialOnRight(), right);
            EXPECT_EQ(placesOf(*w, secondRow(*w)), secondRowOn(*w, right));
        }
        expectTheRestWhereDesigned(*w);
        before = placesOf(*w, secondRow(*w));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loads, SecondRow,
    ::testing::Values(
        Sequence{"A4a_PartialLeft", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 1}}},
        Sequence{"A4a_PartialRight", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 2}}},
        Sequence{"A4a_LeftThenRight", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 1}, {Move::Reopen, 2}}},
        Sequence{"A4a_RightThenRight", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 2}, {Move::Reopen, 3}}},
        Sequence{"A4a_RightThenLeft", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 2}, {Move::Reopen, 4}}},
        Sequence{"A4a_RightLeftRight", Scheme::S4a, Mode::Advanced, 0,
                 {{Move::Open, 2}, {Move::Reopen, 4}, {Move::Reopen, 3}}},
        Sequence{"A4a_LeftThenLeft", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 1}, {Move::Reopen, 4}}},
        Sequence{"A4a_RightThenRefused", Scheme::S4a, Mode::Advanced, 0, {{Move::Open, 2}, {Move::Reopen, 7}}},
        Sequence{"A4a_NextAndPrevious", Scheme::S4a, Mode::Advanced, 0,
                 {{Move::Open, 1}, {Move::Next, 2}, {Move::Previous, 1}}},
        Sequence{"P4a_LeftThenRight", Scheme::S4a, Mode::Beginner, 0, {{Move::Open, 1}, {Move::Reopen, 2}}},
        Sequence{"P4a_RightThenRight", Scheme::S4a, Mode::Beginner, 0, {{Move::Open, 2}, {Move::Reopen, 2}}},
        Sequence{"P4a_RightThenLeft", Scheme::S4a, Mode::Beginner, 0, {{Move::Open, 2}, {Move::Reopen, 1}}},
        // 4b: 1 is 10 - R1, 2 is R1 x 4; 3 is R1 : 8 in the advanced file and
        // refused in the beginner's.
        Sequence{"A4b_BackAndForth", Scheme::S4b, Mode::Advanced, 3,
                 {{Move::Open, 2}, {Move::Previous, 1}, {Move::Again, 1}, {Move::Next, 2}, {Move::Next, 3},
                  {Move::Previous, 2}, {Move::Previous, 1}, {Move::Previous, 1}}},
        Sequence{"P4b_BackAndForth", Scheme::S4b, Mode::Beginner, 3,
                 {{Move::Open, 2}, {Move::Previous, 1}, {Move::Again, 1}, {Move::Next, 2}, {Move::Next, 3},
                  {Move::Previous, 2}, {Move::Previous, 1}, {Move::Previous, 1}}},
        // 5: 1 is R1 x 3, 2 is 60 - R1.
        Sequence{"A5_NextOnTheLastAndBack", Scheme::S5, Mode::Advanced, 2,
                 {{Move::Open, 1}, {Move::Next, 2}, {Move::Next, 2}, {Move::Solve, 2}, {Move::Previous, 1}}},
        Sequence{"P5_NextOnTheLastAndBack", Scheme::S5, Mode::Beginner, 2,
                 {{Move::Open, 1}, {Move::Next, 2}, {Move::Next, 2}, {Move::Solve, 2}, {Move::Previous, 1}}},
        Sequence{"A5_RightThenRefusedThenLeft", Scheme::S5, Mode::Advanced, 0,
                 {{Move::Open, 2}, {Move::Reopen, 5}, {Move::Reopen, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

// After a worksheet put the boxes back without their captions (worksheets
// store the boxes' places only), the next load leaves the partial result on
// the side its formula needs and each caption under its own box.
class SecondRowAfterWorksheet : public SecondRowFixture, public ::testing::WithParamInterface<WindowCase> {
protected:
    // The first problem of the fixture file with the partial result on that side.
    int problemWithPartialOn(const WindowCase& c, bool right)
    {
        for (int problem = 1; problem <= problemCountOf(c); ++problem) {
            if (partialOnRightIn(problemOf(c, problem)) == right)
                return problem;
        }
        ADD_FAILURE() << "no problem with the partial result on that side";
        return 1;
    }
};

TEST_P(SecondRowAfterWorksheet, CaptionsGoBackUnderTheirBoxesAtTheNextLoad)
{
    const WindowCase& c = GetParam();
    const int left = problemWithPartialOn(c, false);
    const int right = problemWithPartialOn(c, true);
    auto w = openCase(c, left, 3);
    ASSERT_NE(w, nullptr);
    const std::vector<const char*> names = secondRow(*w);
    const std::vector<QPoint> design = secondRowOn(*w, false);
    ASSERT_EQ(placesOf(*w, names), design);

    for (const int problem : {left, right}) {
        SCOPED_TRACE("problem " + std::to_string(problem));
        // A worksheet saved with the partial result on the right moves the
        // boxes there; the captions stay where they were.
        for (std::size_t i = 0; i < names.size(); ++i)
            find<QWidget>(*w, QLatin1String(names[i]))->move(design[i]);
        find<QWidget>(*w, QLatin1String(names[0]))->move(design[1].x(), design[0].y());
        find<QWidget>(*w, QLatin1String(names[1]))->move(design[0].x(), design[1].y());

        w->close();
        start(*w, launchOf(c, problem, 3));
        ASSERT_EQ(w->partialOnRight(), problem == right);
        EXPECT_EQ(placesOf(*w, names), secondRowOn(*w, problem == right));
    }
}

INSTANTIATE_TEST_SUITE_P(TwoOperationWindows, SecondRowAfterWorksheet, ::testing::ValuesIn(windowsWithASecondRow()),
                         windowCaseName);

}  // namespace
}  // namespace quorvia::testing
