// SPDX-License-Identifier: GPL-3.0-or-later
// The progress record each way a problem ends for the child hands on: who,
// which problem, how it ended, the errors and hints of each step.

#include "exercise_fixture.h"

#include "exercise/exercise_hooks.h"
#include "exercise/progress_journal.h"
#include "platform/termination_signals.h"
#include "progress/progress_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <csignal>

namespace quorvia::testing {
namespace {

using progress::Outcome;

class ProgressHooks : public ExerciseHooks {
public:
    std::vector<progress::ProgressRecord> records;
    std::optional<WorksheetChoice> choice;

    void recordProgress(const progress::ProgressRecord& record) override { records.push_back(record); }
    std::optional<WorksheetChoice> caricaINIT(QWidget*) override { return choice; }
};

class ProgressRecording : public ExerciseFixture {
protected:
    std::unique_ptr<ExerciseWindow> openWithHooks(int problem = 1)
    {
        auto w = std::make_unique<ExerciseWindow>(scheme3Description(), Mode::Advanced, &main_);
        w->setHooks(&hooks_);
        w->setLaunch({folder_, kAdvancedFile, problem, 4, 3});
        w->show();
        return w;
    }

    // One error on "dato 1" and its hint opened twice.
    void stumbleOnTheFirstDatum(ExerciseWindow& w)
    {
        answerStep(w, problemIn(kAdvancedFile, w.state().current_problem, Scheme::S3), 1);
        type(w, "LMDdato1", "sbagliato");
        click(w, "B2");
        finishAnimations(w);
        click(w, "H2");
        click(w, "H2");
    }

    ProgressHooks hooks_;
};

struct Ending {
    const char* name;
    int problem;  // opened on
    Outcome outcome;
    bool solution_shown;
};

class EveryEnding : public ProgressRecording, public ::testing::WithParamInterface<Ending> {
protected:
    void end(ExerciseWindow& w)
    {
        switch (GetParam().outcome) {
        case Outcome::SolvedAlone:
            solveWithAnswersOf(w, problemIn(kAdvancedFile, GetParam().problem, Scheme::S3));
            break;
        case Outcome::SolvedWithSolution:
            click(w, "LMDsoluzione");
            break;
        case Outcome::LeftNext:
            dialogs_->setNextYesNo(true);
            click(w, "LMDButton1");
            break;
        case Outcome::LeftPrevious:
            dialogs_->setNextYesNo(true);
            click(w, "LMDButton3");
            break;
        case Outcome::LeftClose:
            dialogs_->setNextYesNo(true);
            click(w, "LMDButton11");
            break;
        case Outcome::LeftRestore:
            hooks_.choice = WorksheetChoice{folder_ + "scheda.ini", 3, 4, false};
            click(w, "LMDcarica");
            break;
        case Outcome::LeftProgramEnd:
            if (std::string(GetParam().name) == "ShutDown") {
                // A shutdown's signal, then the program closes its windows.
                const platform::TerminationSignals termination([] {});
                std::raise(SIGTERM);
                for (int i = 0; i < 100 && !platform::terminationRequested(); ++i)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
                ASSERT_TRUE(platform::terminationRequested());
                w.close();
            } else {
                QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection);
            }
            break;
        }
    }
};

TEST_P(EveryEnding, HandsOnOneRecordOfTheAttempt)
{
    const Ending& e = GetParam();
    auto w = openWithHooks(e.problem);
    stumbleOnTheFirstDatum(*w);
    ASSERT_TRUE(hooks_.records.empty());
    end(*w);
    finishAnimations(*w);

    ASSERT_EQ(hooks_.records.size(), 1u);
    const progress::ProgressRecord& r = hooks_.records.front();
    EXPECT_EQ(r.outcome, e.outcome) << progress::outcomeText(r.outcome);
    EXPECT_EQ(r.child, "Giulia");
    EXPECT_EQ(r.mode, Mode::Advanced);
    EXPECT_EQ(r.scheme, Scheme::S3);
    EXPECT_EQ(r.problem_file, kAdvancedFile.toStdString());
    EXPECT_EQ(r.problem, e.problem);  // the problem that ended, not the one shown next
    EXPECT_EQ(r.solution_shown, e.solution_shown);
    ASSERT_EQ(r.steps.size(), 5u);
    EXPECT_EQ(r.steps[1].name, "dato 1");
    // The solution starts the problem again; the attempt keeps its errors.
    EXPECT_EQ(r.steps[1].errors, 1);
    EXPECT_EQ(r.steps[1].hints, 2);
    EXPECT_EQ(r.totalErrors(), 1);
    EXPECT_GE(r.seconds, 0);
    EXPECT_FALSE(r.when.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, EveryEnding,
    ::testing::Values(Ending{"SolvedAlone", 1, Outcome::SolvedAlone, false},
                      Ending{"SolvedWithSolution", 1, Outcome::SolvedWithSolution, true},
                      Ending{"Next", 1, Outcome::LeftNext, false},
                      Ending{"Previous", 1, Outcome::LeftPrevious, false},
                      Ending{"Close", 1, Outcome::LeftClose, false},
                      Ending{"Restore", 1, Outcome::LeftRestore, false},
                      Ending{"ProgramEnd", 1, Outcome::LeftProgramEnd, false},
                      Ending{"ShutDown", 1, Outcome::LeftProgramEnd, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgressRecording, AFinishedProblemIsNotLeftAgainAndTheNextStartsItsOwnAttempt)
{
    auto w = openWithHooks();
    solveWithAnswersOf(*w, problemIn(kAdvancedFile, 1, Scheme::S3));
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");  // on to problem 2: nothing more of problem 1
    ASSERT_EQ(hooks_.records.size(), 1u);
    type(*w, "LMDdomanda", "sbagliato");
    click(*w, "B1");
    finishAnimations(*w);
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton11");
    ASSERT_EQ(hooks_.records.size(), 2u);
    EXPECT_EQ(hooks_.records[0].outcome, Outcome::SolvedAlone);
    EXPECT_EQ(hooks_.records[0].totalErrors(), 0);
    EXPECT_EQ(hooks_.records[1].outcome, Outcome::LeftClose);
    EXPECT_EQ(hooks_.records[1].problem, 2);
    EXPECT_EQ(hooks_.records[1].steps[0].errors, 1);
}

TEST_F(ProgressRecording, AnsweringNoLeavesNothingAndAChildWithoutNameIsRecordedSo)
{
    main_.name = "  ";
    auto w = openWithHooks();
    dialogs_->setNextYesNo(false);
    click(*w, "LMDButton1");
    EXPECT_TRUE(hooks_.records.empty());
    w->close();
    ASSERT_EQ(hooks_.records.size(), 1u);
    EXPECT_EQ(hooks_.records[0].child, "(senza nome)");
}

TEST_F(ProgressRecording, AFolderThatCannotBeWrittenIsToldOnceAndTheWindowGoesOn)
{
    // A file where the folder should be: no one, root included, writes there.
    QFile blocker(folder_ + "progressi");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgressJournal journal(folder_ + "progressi", "pc1");
    progress::ProgressRecord record;
    record.when = "2026-12-11T09:00:00+01:00";
    record.child = "Giulia";
    record.steps = progress::stepsOf(Scheme::S3);
    for (int i = 0; i < 3; ++i)
        journal.append(record);
    journal.waitForWrites();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(dialogs_->messages().front().startsWith(
        QStringLiteral("I progressi dei bambini non si possono salvare nella cartella")))
        << dialogs_->messages().front().toStdString();

    // A folder that works: the records land in the child's file for this computer.
    ProgressJournal working(folder_ + "classe", "pc1");
    working.append(record);
    working.waitForWrites();
    const progress::ProgressFile file =
        progress::readProgressFile((folder_ + "classe/giulia@pc1.csv").toStdString());
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].computer, "pc1");
}

}  // namespace
}  // namespace quorvia::testing
