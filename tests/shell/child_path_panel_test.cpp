// SPDX-License-Identifier: GPL-3.0-or-later
// The child's own path on the main window: the marks, the starting problem
// and the reviews of a child with records on two computers, nothing new for
// a new name, a folder that cannot be read or PERCORSO=0, the names the name
// box completes, and "Ripassa" starting the due problems one after the other.

#include "shell/child_path_panel.h"
#include "shell/exercise_slot.h"
#include "shell/main_window.h"

#include "progress/progress_file.h"
#include "shell_fixture.h"

#include <QCompleter>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace quorvia {
namespace {

using progress::Outcome;

// An exercise window that finishes `solve_next` problems alone, then closes.
class StandInExercise : public QDialog, public ExerciseSlot {
public:
    QDialog* dialog() override { return this; }
    void setLaunch(const ExerciseLaunch& launch) override { launches.append(launch); }
    int solvedCount() const override { return solved; }

    QList<ExerciseLaunch> launches;
    int solved = 0;
    int solve_next = 1;

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        QTimer::singleShot(0, this, [this] {
            solved += solve_next;
            accept();
        });
    }
};

progress::ProgressRecord played(const char* day, const char* child, Mode mode, const char* file, int problem,
                                Outcome outcome, int errors = 0)
{
    progress::ProgressRecord r;
    r.when = std::string(day) + "T09:00:00+01:00";
    r.child = child;
    r.mode = mode;
    r.scheme = Scheme::S3;
    r.problem_file = file;
    r.problem = problem;
    r.outcome = outcome;
    r.steps = progress::stepsOf(r.scheme);
    r.steps[1].errors = errors;
    return r;
}

class ChildPathOnMainWindow : public testing::ShellTest {
protected:
    void SetUp() override
    {
        writeGenerale(QByteArray());
        const auto add = [this](const char* computer, progress::ProgressRecord r) {
            r.computer = computer;
            ASSERT_TRUE(progress::appendRecord(progressi().toStdString(), r));
        };
        // Monday on pc1, Tuesday on pc2, the name typed three ways.
        add("pc1", played("2026-12-07", "Giulia", Mode::Beginner, "P3.INI", 1, Outcome::SolvedAlone));
        add("pc1", played("2026-12-07", "Giulia", Mode::Beginner, "P3.INI", 2, Outcome::SolvedWithSolution));
        add("pc1", played("2026-12-07", "Giulia", Mode::Beginner, "P3.INI", 3, Outcome::LeftNext));
        // A file GENERALE.INI no longer offers: nothing to review there.
        add("pc1", played("2026-12-07", "Giulia", Mode::Beginner, "VECCHIO.INI", 1, Outcome::LeftNext));
        add("pc2", played("2026-12-08", "giulia ", Mode::Beginner, "P3.INI", 2, Outcome::SolvedAlone, 1));
        add("pc2", played("2026-12-08", "GIULIA", Mode::Beginner, "P3.INI", 4, Outcome::SolvedAlone));
        add("pc2", played("2026-12-08", "Giulia", Mode::Advanced, "A3.INI", 1, Outcome::LeftClose));
        QFile pc2(progressi() + QString::fromStdString(progress::progressFileName("Giulia", "pc2")));
        ASSERT_TRUE(pc2.open(QIODevice::Append));
        pc2.write("2026-12-08T10:00:00+01:00,Giulia,pc2,principiante,3,P3.INI,5,risol\r\n");
    }
    void writeGenerale(const QByteArray& more)
    {
        QByteArray generale(testing::kGenerale);
        generale.replace("[AREA_PROGRAMMA]\n", "[AREA_PROGRAMMA]\nCARTELLA_PROGRESSI=progressi\n" + more);
        writeResource("GENERALE.INI", generale);
    }
    QString progressi() const { return path("progressi/"); }

    // The main window with `name` typed, read for Wednesday 9 December.
    std::unique_ptr<TForm1> windowFor(const QString& name)
    {
        auto window = std::make_unique<TForm1>(folder());
        ChildPathPanel* panel = window->childPath();
        panel->setToday([] { return progress::CivilDate{2026, 12, 9}; });
        window->findChild<QLineEdit*>("LMDEdit1")->setText(name);
        panel->refresh();
        panel->waitForReading();
        return window;
    }
    static QSpinBox* spinner(TForm1& window, const char* name) { return window.findChild<QSpinBox*>(name); }
};

TEST_F(ChildPathOnMainWindow, ShowsTheChildsMarksStartAndReviewsFromEveryComputer)
{
    auto window = windowFor(QStringLiteral(" giulia"));
    ChildPathPanel* panel = window->childPath();
    ASSERT_FALSE(panel->isHidden());
    // Beginner, scheme 3, six problems: 1, 2 and 4 alone; 3 left; 5 only on a damaged line.
    EXPECT_EQ(panel->solvedLine(), QStringLiteral("Hai risolto da solo 3 problemi su 6"));
    EXPECT_EQ(spinner(*window, "SPProblema")->value(), 3);
    EXPECT_EQ(panel->findChild<QWidget*>("SegniPercorso")->accessibleDescription(),
              QStringLiteral("1 risolto da solo, 2 risolto da solo, 3 lasciato, 4 risolto da solo, 5 da fare, 6 da fare"));
    // P3 n. 3 and A3 n. 1 came back on Tuesday; P3 n. 2 was reviewed on time
    // and waits until Friday.
    EXPECT_EQ(panel->reviewLine(), QStringLiteral("Oggi ci sono 2 problemi da ripassare"));
    EXPECT_TRUE(panel->findChild<QPushButton*>("Ripassa")->isVisibleTo(panel));

    // Another mode: its own row and its own start.
    spinner(*window, "LMDstato")->setValue(2);
    EXPECT_EQ(panel->solvedLine(), QStringLiteral("Hai risolto da solo 0 problemi su 3"));
    EXPECT_EQ(spinner(*window, "SPProblema")->value(), 1);
    // The child may still choose any problem.
    spinner(*window, "LMDstato")->setValue(1);
    spinner(*window, "SPProblema")->setValue(6);
    EXPECT_EQ(spinner(*window, "SPProblema")->value(), 6);
}

TEST_F(ChildPathOnMainWindow, LeavesTheWindowAsDesignedWithoutRecordsOrWhenTurnedOff)
{
    const auto designed = [&](TForm1& window, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(window.childPath()->isHidden());
        EXPECT_EQ(window.childPath()->solvedLine(), QString());
        EXPECT_EQ(spinner(window, "SPProblema")->value(), 1);
    };
    designed(*windowFor(QStringLiteral("Giula")), "a typo");
    {
        // After a child with a path, the next one starts at 1 again.
        auto window = windowFor(QStringLiteral("Giulia"));
        EXPECT_EQ(spinner(*window, "SPProblema")->value(), 3);
        window->findChild<QLineEdit*>("LMDEdit1")->setText(QStringLiteral("Luca"));
        window->childPath()->refresh();
        window->childPath()->waitForReading();
        designed(*window, "the next child");
    }
    designed(*windowFor(QStringLiteral("Luca")), "a new child");
    designed(*windowFor(QString()), "no name");

    writeGenerale("PERCORSO=0\n");
    designed(*windowFor(QStringLiteral("Giulia")), "PERCORSO=0");

    writeGenerale(QByteArray());
    QDir(progressi()).removeRecursively();
    writeResource("progressi", "not a folder");
    designed(*windowFor(QStringLiteral("Giulia")), "a folder that cannot be read");
}

TEST_F(ChildPathOnMainWindow, NameBoxCompletesFromTheRecordsAndTheClassList)
{
    writeResource("progressi/ALUNNI.TXT", "Luca\r\nanna\r\n\r\nGIULIA\r\n");
    for (const QByteArray& percorso : {QByteArray(), QByteArray("PERCORSO=0\n")}) {
        writeGenerale(percorso);
        auto window = windowFor(QString());
        EXPECT_EQ(window->childPath()->completionNames(),
                  (QStringList{QStringLiteral("anna"), QStringLiteral("GIULIA"), QStringLiteral("Luca")}));
        QCompleter* completer = window->findChild<QLineEdit*>("LMDEdit1")->completer();
        ASSERT_TRUE(completer);
        completer->setCompletionPrefix(QStringLiteral("lu"));
        EXPECT_EQ(completer->currentCompletion(), QStringLiteral("Luca"));
    }
}

TEST_F(ChildPathOnMainWindow, RipassaStartsTheDueProblemsOneAfterTheOther)
{
    for (int stopAfter : {0, 1}) {
        SCOPED_TRACE(stopAfter);
        auto window = windowFor(QStringLiteral("Giulia"));
        StandInExercise beginner, advanced;
        beginner.solve_next = stopAfter == 0 ? 0 : 1;
        window->registerExerciseWindow(Mode::Beginner, Scheme::S3, &beginner);
        window->registerExerciseWindow(Mode::Advanced, Scheme::S3, &advanced);
        window->show();
        // Enter on the button does what a click does.
        auto* ripassa = window->findChild<QPushButton*>("Ripassa");
        if (stopAfter == 0)
            QTest::keyClick(ripassa, Qt::Key_Return);
        else
            ripassa->click();

        ASSERT_EQ(beginner.launches.size(), 1);
        EXPECT_EQ(beginner.launches[0].problem_file_name, QStringLiteral("P3.INI"));
        EXPECT_EQ(beginner.launches[0].current_problem, 3);
        // Not finished alone: the round ends there.
        if (stopAfter == 0) {
            EXPECT_TRUE(advanced.launches.isEmpty());
            continue;
        }
        ASSERT_EQ(advanced.launches.size(), 1);
        EXPECT_EQ(advanced.launches[0].problem_file_name, QStringLiteral("A3.INI"));
        EXPECT_EQ(advanced.launches[0].current_problem, 1);
        EXPECT_TRUE(window->isVisible());
    }
}

}  // namespace
}  // namespace quorvia
