// SPDX-License-Identifier: GPL-3.0-or-later
// What every exercise window does alike, each window a case: the scheme is
// checked even while an animation plays, and the solution fills in every
// step and the scheme without counting the problem. What a window should
// show is read from its description and its fixture problem, never typed
// again here.

#include "window_case_fixture.h"

#include "exercise/hint_balloon.h"
#include "widgets/controls.h"

#include <QScrollArea>
#include <QScrollBar>

#include <ostream>
#include <tuple>

namespace quorvia::testing {
namespace {

// The animation still playing when the scheme's Verifica is pressed.
enum class Playing { ErrorAnimation, StepSuccess };

void PrintTo(Playing playing, std::ostream* out)
{
    *out << (playing == Playing::ErrorAnimation ? "the error animation" : "a step's success animation");
}

class SchemeCheck : public WindowCaseFixture,
                    public ::testing::WithParamInterface<std::tuple<WindowCase, Playing>> {};

TEST_P(SchemeCheck, RunsEvenDuringAnAnimation)
{
    const auto& [c, playing] = GetParam();
    addGif(playing == Playing::ErrorAnimation ? "problema_GIF1.gif" : "problema_GIF2.gif");
    auto w = openCase(c, 1);
    ASSERT_NE(w, nullptr);
    const ProblemContent problem = problemOf(c, 1);
    const int scheme = w->scheme().operationStep();
    const QString op = QString::number(scheme);

    for (int step = 1; step < scheme - 1; ++step)
        answerStep(*w, problem, step);
    if (playing == Playing::StepSuccess) {
        // The last sentence before the scheme, right: its animation plays on.
        putSentence(*w, scheme - 1, QString::fromStdString(problem.variants[scheme - 1][1]));
        click(*w, verificaOf(scheme - 1));
    } else {
        answerStep(*w, problem, scheme - 1);
        // The scheme left empty: an error, with its animation and the
        // step's message.
        click(*w, verificaOf(scheme));
        auto* balloon = w->findChild<HintBalloon*>(QStringLiteral("msg"));
        EXPECT_TRUE(balloon->isVisible());
        EXPECT_EQ(balloon->text(), QString::fromStdString(problem.error_messages[scheme]));
    }
    ASSERT_TRUE(w->isAnimating());

    fillExpected(*w, schemeAnswers(*w));
    click(*w, verificaOf(scheme));
    EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0") + op), kLime);
    EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0") + QString::number(scheme + 1)), kYellow);
    EXPECT_EQ(text(*w, QStringLiteral("H") + op),
              playing == Playing::ErrorAnimation ? QStringLiteral("Err=1") : QStringLiteral("Err=0"));
    // Right now: an error message has had its say.
    EXPECT_FALSE(w->findChild<HintBalloon*>(QStringLiteral("msg"))->isVisible());
}

std::string schemeCheckName(const ::testing::TestParamInfo<SchemeCheck::ParamType>& info)
{
    const auto& [c, playing] = info.param;
    return std::string(c.name()) + (playing == Playing::ErrorAnimation ? "_DuringError" : "_DuringStepSuccess");
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, SchemeCheck,
                         ::testing::Combine(::testing::ValuesIn(everyWindow()),
                                            ::testing::Values(Playing::ErrorAnimation, Playing::StepSuccess)),
                         schemeCheckName);

// The solution of a problem (1 or 2 of the fixture file), with the
// solution's closing animations in the resource folder. (How a window ends
// without them is its own.)
class Solution : public WindowCaseFixture, public ::testing::WithParamInterface<std::tuple<WindowCase, int>> {};

TEST_P(Solution, FillsEverythingAndCountsNothing)
{
    const auto& [c, problemNumber] = GetParam();
    for (const char* gif : {"problema_GIF2A.gif", "problema_GIF3A.gif"})
        addGif(gif);
    auto w = openCase(c, problemNumber);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(dialogs_->messages().isEmpty());
    const ProblemContent problem = problemOf(c, problemNumber);
    const SchemeDescription& scheme = w->scheme();

    // Some work first: step 1 right, step 2 wrong.
    answerStep(*w, problem, 1);
    putWrongSentence(*w, 2);
    click(*w, verificaOf(2));
    click(*w, QStringLiteral("LMDsoluzione"));

    for (const StepRow& step : scheme.steps) {
        if (step.kind == StepKind::Sentence) {
            EXPECT_EQ(text(*w, inputOf(*w, step.step)), QString::fromStdString(problem.variants[step.step][1]))
                << "step " << step.step;
        }
    }
    const ExpectedTexts answers = schemeAnswers(*w, problem);
    for (const ExpectedText& expected : answers)
        EXPECT_EQ(text(*w, expected.widget), expected.text) << expected.widget.toStdString();
    for (const MirrorRule& mirror : scheme.mirrors)
        EXPECT_EQ(text(*w, QLatin1String(mirror.target)), text(*w, QLatin1String(mirror.source))) << mirror.target;
    for (const FollowerRule& follower : scheme.followers)
        EXPECT_EQ(text(*w, QLatin1String(follower.follower)), text(*w, QLatin1String(follower.leader)))
            << follower.follower;
    const SchemeCheckResult check =
        checkOperationScheme(answers, [&](const QString& name) { return text(*w, name); });
    EXPECT_TRUE(check.passed) << check.failed_widget.toStdString();

    EXPECT_EQ(text(*w, QStringLiteral("error_num")), QStringLiteral(" ERR=0"));
    EXPECT_TRUE(w->state().solutionShown(problemNumber));
    EXPECT_EQ(w->solvedCount(), 0);
    EXPECT_TRUE(sound_->wasPlayed(QStringLiteral("Afinale")));
    EXPECT_FALSE(sound_->wasPlayed(QStringLiteral("WFinale")));
    EXPECT_GT(find<QScrollArea>(*w, QStringLiteral("SB"))->verticalScrollBar()->value(), 0);
    // Nothing can be typed or chosen any more. (Which steps stay open to a
    // press is each window's own.)
    for (const StepRow& step : scheme.steps) {
        if (step.kind == StepKind::Sentence) {
            EXPECT_FALSE(find<QWidget>(*w, inputOf(*w, step.step))->isEnabled()) << "step " << step.step;
        }
    }
    for (const ExpectedText& expected : answers) {
        if (auto* box = qobject_cast<QLineEdit*>(w->TROVA_COMP(expected.widget))) {
            EXPECT_FALSE(box->isEnabled()) << expected.widget.toStdString();
        }
    }

    EXPECT_TRUE(w->isAnimating());
    finishAnimations(*w);
    EXPECT_TRUE(shown(*w, QStringLiteral("CoccaHelp")));
    EXPECT_FALSE(shown(*w, QStringLiteral("Image5")));
    // Every answer row is back once the closing sequence is over.
    for (const StepRow& step : scheme.steps) {
        if (step.kind == StepKind::Sentence) {
            EXPECT_TRUE(shown(*w, inputOf(*w, step.step))) << "step " << step.step;
        }
    }
    // And what the solution filled in passes the window's own check.
    w->operationSchemeClick();
    EXPECT_EQ(text(*w, QStringLiteral("H") + QString::number(scheme.operationStep())), QStringLiteral("Err=0"));
}

std::string solutionName(const ::testing::TestParamInfo<Solution::ParamType>& info)
{
    const auto& [c, problem] = info.param;
    return std::string(c.name()) + "_Problem" + std::to_string(problem);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Solution,
                         ::testing::Combine(::testing::ValuesIn(everyWindow()), ::testing::Values(1, 2)),
                         solutionName);

// The window finds its controls from a table made once; for every name it
// must give the control that walking the window gives, after a problem has
// been opened, answered and played with, and for names it has never held.
class ControlsByName : public WindowCaseFixture, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(ControlsByName, AgreeWithWalkingTheWindow)
{
    const WindowCase& c = GetParam();
    auto w = openCase(c, 1);
    ASSERT_NE(w, nullptr);
    const ProblemContent problem = problemOf(c, 1);
    for (int step = 1; step < w->scheme().operationStep(); ++step)
        answerStep(*w, problem, step);
    const QList<QObject*> controls = namedControlsInOrder(w.get());
    ASSERT_FALSE(controls.isEmpty());
    for (QObject* control : controls) {
        const QString name = control->objectName();
        EXPECT_EQ(w->TROVA_COMP(name), findControl(w.get(), name)) << name.toStdString();
        EXPECT_EQ(w->TROVA_COMP(name.toLower()), findControl(w.get(), name)) << name.toStdString();
    }
    EXPECT_EQ(w->TROVA_COMP(QStringLiteral("NessunControllo")), nullptr);
    EXPECT_EQ(w->TROVA_COMP(QString()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, ControlsByName, ::testing::ValuesIn(everyWindow()),
                         [](const auto& info) { return std::string(info.param.name()); });

}  // namespace
}  // namespace quorvia::testing
