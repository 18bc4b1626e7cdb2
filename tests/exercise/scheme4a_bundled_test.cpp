// Every bundled scheme-4a problem can be solved in both windows, from the
// question to the answer, with the answers its problem file gives.

#include "scheme4a_fixture.h"

#include "content/ini_file.h"
#include "content/normalize_answer.h"

#include <QDir>

namespace quorvia::testing {
namespace {

struct BundledMode {
    const char* name;
    Mode mode;
    const char* section;  // of GENERALE.INI
};

class BundledProblems4a : public Scheme4aFixture, public ::testing::WithParamInterface<BundledMode> {};

TEST_P(BundledProblems4a, AreAllSolvable)
{
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string fileName = generale.readString(GetParam().section, "INI_FILE2", "");
    const int count = generale.readInteger(GetParam().section, "MAX2", 0);
    if (fileName.empty() || count < 1 || !QFile::exists(resources + QString::fromStdString(fileName)))
        GTEST_SKIP() << "no bundled scheme-4a problems yet";
    ASSERT_LE(count, kMaxProblems);
    const IniFile problems = IniFile::read((resources + QString::fromStdString(fileName)).toStdString());

    auto w = std::make_unique<Scheme4aWindow>(GetParam().mode, &main_);
    for (int p = 1; p <= count; ++p) {
        SCOPED_TRACE("problem " + std::to_string(p));
        w->setLaunch({resources, QString::fromStdString(fileName), p, count, 41});
        w->show();
        ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        const ProblemContent problem = readProblem(problems, p, Scheme::S4a);
        solveWithAnswersOf(*w, problem);
        EXPECT_EQ(w->solvedCount(), p);
        EXPECT_EQ(w->errorTotal(), 0);
        // The second row stood as the formula needs while the child filled it.
        const bool right = NormalizeAnswer(problem.r2).rfind("R1", 0) != 0;
        EXPECT_EQ(w->partialOnRight(), right);
        EXPECT_EQ(find<QWidget>(*w, "Jolly")->x() > find<QWidget>(*w, "E67")->x(), right);
        w->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BundledProblems4a,
                         ::testing::Values(BundledMode{"Advanced", Mode::Advanced, "AVANZATO"},
                                           BundledMode{"Beginner", Mode::Beginner, "PRINCIPIANTE"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
