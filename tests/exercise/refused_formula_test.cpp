// SPDX-License-Identifier: GPL-3.0-or-later
// A formula a window cannot hold stops the load with a message, in every
// window alike: the window stays open on the problem, its sentence steps
// answer, its scheme is never passed, and a sound problem brings it back to
// work with the second row where that problem had it.

#include "window_case_fixture.h"

#include <string>
#include <vector>

namespace quorvia::testing {
namespace {

// How the child reaches the refused problem.
enum class Reach {
    Open,    // the window opened on it
    Next,    // the next-problem button from the one before
    Reopen,  // the window closed on a sound problem and opened on it
};

struct Refused {
    const char* name;
    Scheme scheme;
    Mode mode;
    int problem;
    Reach reach;
    std::vector<std::string> messages;  // every message the load shows
};

void PrintTo(const Refused& refused, std::ostream* out)
{
    *out << refused.name;
}

// The sound problem of every fixture file the refused ones are reached from
// and returned to.
constexpr int kSound = 2;

class RefusedFormula : public WindowCaseFixture, public ::testing::WithParamInterface<Refused> {
protected:
    // The places of the second row's boxes and captions; none without one.
    static std::vector<QPoint> secondRowPlaces(ExerciseWindow& w)
    {
        const SecondRowRule& row = w.scheme().second_row;
        if (!row.exists())
            return {};
        return {place(w, row.partial_box), place(w, row.datum_box), place(w, row.partial_caption),
                place(w, row.datum_caption)};
    }

    // Writes the texts straight into the scheme, whether its boxes are open or not.
    static void writeScheme(ExerciseWindow& w, const ExpectedTexts& texts)
    {
        for (const ExpectedText& expected : texts) {
            QObject* control = w.TROVA_COMP(expected.widget);
            if (auto* box = qobject_cast<QLineEdit*>(control))
                box->setText(expected.text);
            else if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(expected.text);
        }
    }
};

TEST_P(RefusedFormula, StopsTheLoadWithAMessageAndLeavesTheWindowUsable)
{
    const Refused& r = GetParam();
    const WindowCase c = windowOf(r.scheme, r.mode);
    const int count = problemCountOf(c);
    const QString op = QString::number(c.description->operationStep());

    std::unique_ptr<ExerciseWindow> w;
    std::vector<QPoint> soundRow;
    ExpectedTexts soundScheme;
    if (r.reach == Reach::Open) {
        w = openCase(c, r.problem);
        ASSERT_NE(w, nullptr);
    } else {
        w = openCase(c, kSound);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(dialogs_->messages().isEmpty());
        soundRow = secondRowPlaces(*w);
        soundScheme = schemeAnswers(*w);
        if (r.reach == Reach::Next) {
            w->setLaunch(launchOf(c, r.problem - 1));
            dialogs_->setNextYesNo(true);
            click(*w, QStringLiteral("LMDButton1"));
        } else {
            w->close();
            start(*w, launchOf(c, r.problem));
        }
    }
    ASSERT_EQ(w->state().current_problem, r.problem);
    QStringList messages;
    for (const std::string& m : r.messages)
        messages.append(QString::fromStdString(m));
    EXPECT_EQ(dialogs_->messages(), messages);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(text(*w, QStringLiteral("Numero_problema")), QStringLiteral("%1/%2").arg(r.problem).arg(count));
    // The second row stays as the load before left it.
    if (r.reach != Reach::Open) {
        EXPECT_EQ(secondRowPlaces(*w), soundRow);
    }

    // The sentence steps still answer.
    EXPECT_EQ(ledColour(*w, QStringLiteral("Shape01")), kYellow);
    answerStep(*w, problemOf(c, r.problem), 1);
    EXPECT_EQ(ledColour(*w, QStringLiteral("Shape01")), kLime);
    // A scheme whose formulas were refused is never passed: not with the
    // numbers of the problem before, nor with nothing.
    writeScheme(*w, soundScheme);
    w->operationSchemeClick();
    EXPECT_EQ(text(*w, QStringLiteral("H") + op), QStringLiteral("Err=1"));

    // A sound problem brings the window back to work.
    dialogs_->clearRecords();
    if (r.reach == Reach::Reopen) {
        w->close();
        start(*w, launchOf(c, kSound));
    } else {
        while (w->state().current_problem > kSound) {
            dialogs_->clearRecords();
            dialogs_->setNextYesNo(true);
            click(*w, QStringLiteral("LMDButton3"));
        }
    }
    EXPECT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
    EXPECT_EQ(text(*w, QStringLiteral("H") + op), QStringLiteral("Err=0"));
    if (r.reach != Reach::Open) {
        EXPECT_EQ(secondRowPlaces(*w), soundRow);
    }
    solveWithAnswersOf(*w, problemOf(c, kSound));
    EXPECT_EQ(w->solvedCount(), 1);
}

const char* const kTenNumbers =
    "La formula R1 \"1+1+1+1+1+1+1+1+1+1\" ha più di 9 numeri: lo schema ne contiene al massimo 9, "
    "perché serve un posto anche per il numero di R2.";
// The teacher's own words back, with the place to look.
std::string notANumber(int problem)
{
    return "«(3)» non è un numero: controlla la formula R1 del problema " + std::to_string(problem);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, RefusedFormula,
    ::testing::Values(
        Refused{"A3_PartThatIsNotANumber", Scheme::S3, Mode::Advanced, 4, Reach::Open, {notANumber(4)}},
        Refused{"A4a_SecondFormulaWithoutTheFirstResult", Scheme::S4a, Mode::Advanced, 7, Reach::Open,
                {"La formula R2 \"5X3\" non ha la parola R1 come uno dei suoi due termini."}},
        Refused{"A4a_TenNumbersInTheFirstFormula", Scheme::S4a, Mode::Advanced, 8, Reach::Open, {kTenNumbers}},
        // The evaluator reports the empty formula before it is taken apart.
        Refused{"A4a_NoSecondFormula", Scheme::S4a, Mode::Advanced, 9, Reach::Open,
                {"Error in formula.", "List index out of bounds (0)"}},
        Refused{"A4a_SecondFormulaInThreeParts", Scheme::S4a, Mode::Advanced, 10, Reach::Open,
                {"La formula R2 \"R1+2+3\" ha più di due termini: lo schema ne contiene solo due, la "
                 "parola R1 e un numero."}},
        Refused{"A4a_PartThatIsNotANumber", Scheme::S4a, Mode::Advanced, 11, Reach::Open, {notANumber(11)}},
        Refused{"A4b_TenNumbersInTheFirstFormula", Scheme::S4b, Mode::Advanced, 6, Reach::Next, {kTenNumbers}},
        Refused{"A4b_SecondFormulaWithoutTheFirstResult", Scheme::S4b, Mode::Advanced, 7, Reach::Next,
                {"La formula R2 \"5 x 3\" non ha la parola R1 come uno dei suoi due termini."}},
        Refused{"P4b_SecondFormulaWithoutTheFirstResult", Scheme::S4b, Mode::Beginner, 3, Reach::Next,
                {"La formula R2 \"5 x 3\" non ha la parola R1 come uno dei suoi due termini."}},
        Refused{"A4b_SecondFormulaOfTheFirstResultAlone", Scheme::S4b, Mode::Advanced, 8, Reach::Next,
                {"List index out of bounds (1)"}},
        Refused{"A4b_PartThatIsNotANumber", Scheme::S4b, Mode::Advanced, 9, Reach::Next, {notANumber(9)}},
        Refused{"A4b_NoSecondFormula", Scheme::S4b, Mode::Advanced, 10, Reach::Next,
                {"Error in formula.", "List index out of bounds (0)"}},
        Refused{"A4b_SecondFormulaInThreeParts", Scheme::S4b, Mode::Advanced, 11, Reach::Next,
                {"La formula R2 \"R1 + 2 + 3\" ha più di due termini: lo schema ne contiene solo due, la "
                 "parola R1 e un numero."}},
        Refused{"A5_PartThatIsNotANumber", Scheme::S5, Mode::Advanced, 5, Reach::Reopen, {notANumber(5)}},
        Refused{"A5_SecondFormulaWithoutOperator", Scheme::S5, Mode::Advanced, 6, Reach::Reopen,
                {"List index out of bounds (1)"}},
        Refused{"A5_TenNumbersInTheFirstFormula", Scheme::S5, Mode::Advanced, 7, Reach::Reopen,
                {"La formula R1 \"1+2+3+4+5+6+7+8+9+10\" ha più di 9 numeri: lo schema ne contiene al massimo "
                 "9, perché serve un posto anche per il numero di R2."}},
        Refused{"A5_SecondFormulaWithoutTheFirstResult", Scheme::S5, Mode::Advanced, 8, Reach::Reopen,
                {"La formula R2 \"5x3\" non ha la parola R1 come uno dei suoi due termini."}},
        // The lists are filled before the formulas are read.
        Refused{"P5_SecondFormulaWithoutOperator", Scheme::S5, Mode::Beginner, 3, Reach::Open,
                {"List index out of bounds (1)"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
