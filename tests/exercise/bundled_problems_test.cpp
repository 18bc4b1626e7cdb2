// SPDX-License-Identifier: GPL-3.0-or-later
// Every bundled problem of every scheme can be solved in both windows, from
// the first question to the last answer, with the answers its problem file
// gives, in the window the program builds for it.

#include "exercise_fixture.h"

#include "content/ini_file.h"
#include "content/normalize_answer.h"
#include "exercise/exercise_windows.h"

#include <QFile>

namespace quorvia::testing {
namespace {

struct BundledWindow {
    const char* name;
    Scheme scheme;
    Mode mode;
    const char* section;  // of GENERALE.INI
    int file_number;      // of its INI_FILE<n> and MAX<n> keys
    int scheme_code;
};

class BundledProblems : public ExerciseFixture, public ::testing::WithParamInterface<BundledWindow> {};

TEST_P(BundledProblems, AreAllSolvable)
{
    const BundledWindow& param = GetParam();
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string n = std::to_string(param.file_number);
    const std::string fileName = generale.readString(param.section, "INI_FILE" + n, "");
    const int count = generale.readInteger(param.section, "MAX" + n, 0);
    if (fileName.empty() || count < 1 || !QFile::exists(resources + QString::fromStdString(fileName)))
        GTEST_SKIP() << "no bundled " << param.name << " problems yet";
    ASSERT_LE(count, kMaxProblems);
    const IniFile problems = IniFile::read((resources + QString::fromStdString(fileName)).toStdString());

    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(param.scheme, param.mode, &main_));
    ASSERT_NE(w, nullptr);
    const SecondRowRule& secondRow = w->scheme().second_row;
    for (int p = 1; p <= count; ++p) {
        SCOPED_TRACE("problem " + std::to_string(p));
        w->setLaunch({resources, QString::fromStdString(fileName), p, count, param.scheme_code});
        w->show();
        ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        const ProblemContent problem = readProblem(problems, p, param.scheme);
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

INSTANTIATE_TEST_SUITE_P(
    Windows, BundledProblems,
    ::testing::Values(BundledWindow{"Scheme3Advanced", Scheme::S3, Mode::Advanced, "AVANZATO", 1, 3},
                      BundledWindow{"Scheme3Beginner", Scheme::S3, Mode::Beginner, "PRINCIPIANTE", 1, 3},
                      BundledWindow{"Scheme4aAdvanced", Scheme::S4a, Mode::Advanced, "AVANZATO", 2, 41},
                      BundledWindow{"Scheme4aBeginner", Scheme::S4a, Mode::Beginner, "PRINCIPIANTE", 2, 41},
                      BundledWindow{"Scheme4bAdvanced", Scheme::S4b, Mode::Advanced, "AVANZATO", 3, 42},
                      BundledWindow{"Scheme4bBeginner", Scheme::S4b, Mode::Beginner, "PRINCIPIANTE", 3, 42},
                      BundledWindow{"Scheme5Advanced", Scheme::S5, Mode::Advanced, "AVANZATO", 4, 5},
                      BundledWindow{"Scheme5Beginner", Scheme::S5, Mode::Beginner, "PRINCIPIANTE", 4, 5}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
