// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet saved in the middle of a problem and loaded back restores
// every control it records, in every exercise window the program creates.

#include "program_fixture.h"

#include "exercise/choice_shuffle.h"
#include "widgets/controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

namespace quorvia::testing {
namespace {

using WorksheetRoundTrip = ProgramFixture;

// Always draws the same position, so two loads of one problem put the right
// sentence at two known, different places.
class FixedDraw : public RandomSource {
public:
    explicit FixedDraw(int position) : position_(position) {}
    void reseed() override {}
    int between(int low, int high) override { return std::clamp(position_, low, high); }

private:
    int position_;
};

// The first problem after the first whose boxes stand elsewhere (the second
// operation laid out the other way round); the second problem when none
// does; the first when there is only one.
int problemWithAnotherLayout(ProgramFixture& fixture, ExerciseWindow& w,
                             void (ProgramFixture::*next)(ExerciseWindow&))
{
    const auto first = ProgramFixture::entryBoxPlaces(w);
    const int count = w.state().problem_count;
    for (int p = 2; p <= count; ++p) {
        (fixture.*next)(w);
        if (ProgramFixture::entryBoxPlaces(w) != first)
            return p;
    }
    return std::min(2, count);
}

QString stepOneList(ExerciseWindow& w)
{
    return QLatin1String(w.scheme().step(1)->beginner_input);
}

TEST_F(WorksheetRoundTrip, EveryWindowGetsBackWhatItSaved)
{
    QString previousWorksheet;
    QString previousFile;
    for (ExerciseWindow* w : windows_) {
        SCOPED_TRACE(w->objectName().toStdString());
        w->setRandomSource(std::make_unique<FixedDraw>(1));
        open(*w, 1);
        int problem = problemWithAnotherLayout(*this, *w, &ProgramFixture::next);
        while (w->state().current_problem > problem)
            previous(*w);
        ASSERT_EQ(w->state().current_problem, problem);

        makeProgress(*w);
        const auto saved = recordedState(*w);
        const int chosenAtSave = w->mode() == Mode::Beginner
                                     ? w->findChild<QComboBox*>(stepOneList(*w))->currentIndex()
                                     : -1;
        const QString file = save(*w, w->objectName() + QStringLiteral("_scheda"));
        ASSERT_TRUE(QFileInfo::exists(file));

        // Another load clears the work; the lists come back in another order
        // and the boxes stand elsewhere.
        w->setRandomSource(std::make_unique<FixedDraw>(2));
        if (problem > 1)
            previous(*w);
        else
            next(*w);
        shiftEntryBoxes(*w);
        const auto cleared = recordedState(*w);
        EXPECT_NE(cleared, saved);
        EXPECT_NE(cleared.at("H1"), saved.at("H1"));
        EXPECT_NE(cleared.at("error_num"), saved.at("error_num"));

        dialogs_->clearRecords();
        load(*w, file);
        EXPECT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        EXPECT_EQ(w->state().current_problem, problem);
        EXPECT_EQ(recordedState(*w), saved);
        EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=1"));
        EXPECT_EQ(w->errorTotal(), 1);
        // The restored answers are in place, but the steps are gone through
        // again: step 1 is open, not passed.
        EXPECT_NE(w->findChild<ShapeIndicator*>(QStringLiteral("Shape01"))->brushColor(),
                  QColor(0, 255, 0));
        if (w->mode() == Mode::Beginner) {
            EXPECT_NE(w->findChild<QComboBox*>(stepOneList(*w))->currentIndex(), chosenAtSave)
                << "the list was not reshuffled, so the choice was not found by its text";
        }

        // The worksheet of the window before, another scheme or mode, is refused.
        if (!previousWorksheet.isEmpty()) {
            const auto before = recordedState(*w);
            dialogs_->clearRecords();
            load(*w, previousWorksheet);
            EXPECT_EQ(dialogs_->messages(),
                      QStringList{previousFile + QStringLiteral(" non è lo stesso livello")});
            EXPECT_EQ(recordedState(*w), before);
            EXPECT_EQ(w->state().current_problem, problem);
        }
        previousWorksheet = file;
        previousFile = main_->currentProblemFileName();
        w->hide();
    }
}

TEST_F(WorksheetRoundTrip, BeginnerWorksheetIsRefusedInTheAdvancedWindowOfTheSameScheme)
{
    ExerciseWindow* beginner = window(Mode::Beginner, Scheme::S3);
    ExerciseWindow* advanced = window(Mode::Advanced, Scheme::S3);
    ASSERT_TRUE(beginner && advanced);
    open(*beginner, 2);
    makeProgress(*beginner);
    const QString file = save(*beginner, QStringLiteral("principiante.ini"));
    beginner->hide();

    open(*advanced, 1);
    makeProgress(*advanced);
    const auto before = recordedState(*advanced);
    load(*advanced, file);
    EXPECT_EQ(dialogs_->messages(), QStringList{"P_SCHEMA3.INI non è lo stesso livello"});
    EXPECT_EQ(recordedState(*advanced), before);
    EXPECT_EQ(advanced->state().current_problem, 1);
}

TEST_F(WorksheetRoundTrip, ProblemThreeIsRestoredWhileProblemOneIsShown)
{
    ExerciseWindow* w = window(QStringLiteral("FormA3"));
    ASSERT_NE(w, nullptr);
    open(*w, 3);
    // The child asked for the solution of problem 3 and then changed an answer.
    dialogs_->clearRecords();
    qobject_cast<QAbstractButton*>(w->TROVA_COMP(QStringLiteral("LMDsoluzione")))->click();
    finishAnimations(*w);
    w->findChild<QLineEdit*>(QStringLiteral("LMDrisposta"))->setText(QStringLiteral("Non lo so"));
    const auto saved = recordedState(*w);
    const QString file = save(*w, QStringLiteral("problema3"));
    const QString worksheet = QString::fromUtf8([&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }());
    EXPECT_TRUE(worksheet.contains(QStringLiteral("NUMERO=3")));
    EXPECT_TRUE(worksheet.contains(QStringLiteral("HLP=1")));

    previous(*w);
    previous(*w);
    ASSERT_EQ(w->state().current_problem, 1);
    ASSERT_FALSE(w->state().solutionShown(3));
    load(*w, file);
    EXPECT_EQ(w->state().current_problem, 3);
    EXPECT_TRUE(w->state().solutionShown(3));
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("3/12"));
    EXPECT_EQ(text(*w, "LMDrisposta"), QStringLiteral("Non lo so"));
    EXPECT_EQ(recordedState(*w), saved);
    // The main window, and with it the appearance settings, follow.
    EXPECT_EQ(main_->problemValue(), 3);
}

TEST_F(WorksheetRoundTrip, AStepsNextErrorGoesOnFromItsRestoredCount)
{
    ExerciseWindow* w = window(QStringLiteral("FormA3"));
    ASSERT_NE(w, nullptr);
    open(*w, 2);
    auto* question = w->findChild<QLineEdit*>(QStringLiteral("LMDdomanda"));
    auto* b1 = qobject_cast<QAbstractButton*>(w->TROVA_COMP(QStringLiteral("B1")));
    for (int error = 0; error < 2; ++error) {
        question->setText(QStringLiteral("Una domanda sbagliata"));
        w->B1Click(b1);
        finishAnimations(*w);
    }
    ASSERT_EQ(text(*w, "H1"), QStringLiteral("Err=2"));
    const QString file = save(*w, QStringLiteral("due errori"));

    next(*w);
    load(*w, file);
    ASSERT_EQ(text(*w, "H1"), QStringLiteral("Err=2"));
    ASSERT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=2"));
    question->setText(QStringLiteral("Ancora sbagliata"));
    w->B1Click(b1);
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=3"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=3"));
}

}  // namespace
}  // namespace quorvia::testing
