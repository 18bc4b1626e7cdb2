// SPDX-License-Identifier: GPL-3.0-or-later
// Every bundled problem of every scheme can be solved in both windows, from
// the first question to the last answer, with the answers its problem file
// gives, in the window the program builds for it.

#include "exercise_fixture.h"
#include "support/window_cases.h"

#include "content/ini_file.h"
#include "content/normalize_answer.h"
#include "exercise/exercise_windows.h"

#include <QFile>

namespace quorvia::testing {
namespace {

class BundledProblems : public ExerciseFixture, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(BundledProblems, AreAllSolvable)
{
    const WindowCase& param = GetParam();
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string n = std::to_string(schemeSpinnerValue(param.scheme()));
    const std::string fileName = generale.readString(generaleSection(param.mode), "INI_FILE" + n, "");
    const int count = generale.readInteger(generaleSection(param.mode), "MAX" + n, 0);
    ASSERT_FALSE(fileName.empty()) << "no problem file for " << param.name();
    ASSERT_TRUE(QFile::exists(resources + QString::fromStdString(fileName))) << fileName;
    ASSERT_GE(count, 1);
    ASSERT_LE(count, kMaxProblems);
    const IniFile problems = IniFile::read((resources + QString::fromStdString(fileName)).toStdString());

    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(param.scheme(), param.mode, &main_));
    ASSERT_NE(w, nullptr);
    const SecondRowRule& secondRow = w->scheme().second_row;
    for (int p = 1; p <= count; ++p) {
        SCOPED_TRACE("problem " + std::to_string(p));
        w->setLaunch({resources, QString::fromStdString(fileName), p, count, schemeCode(param.scheme())});
        w->show();
        ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        const ProblemContent problem = readProblem(problems, p, param.scheme());
        solveWithAnswersOf(*w, problem);
        EXPECT_EQ(w->solvedCount(), p);
        EXPECT_EQ(w->errorTotal(), 0);
        if (secondRow.exists()) {
            // The second row stood as the formula needs while the child filled it.
            const bool right = NormalizeAnswer(problem.r2).rfind("R1", 0) != 0;
            EXPECT_EQ(w->partialOnRight(), right);
            EXPECT_EQ(find<QWidget>(*w, QLatin1String(secondRow.partial_box))->x() >
                          find<QWidget>(*w, QLatin1String(secondRow.datum_box))->x(),
                      right);
        }
        w->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, BundledProblems, ::testing::ValuesIn(everyWindow()), windowCaseName);

}  // namespace
}  // namespace quorvia::testing
