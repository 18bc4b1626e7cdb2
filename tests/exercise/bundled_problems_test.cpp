// Every bundled scheme-3 problem can be solved in both windows with the
// answers its problem file gives.

#include "exercise_fixture.h"

#include "content/ini_file.h"

#include <QDir>

namespace quorvia::testing {
namespace {

struct BundledMode {
    const char* name;
    Mode mode;
    const char* section;  // of GENERALE.INI
};

class BundledProblems : public ExerciseFixture, public ::testing::WithParamInterface<BundledMode> {};

TEST_P(BundledProblems, AreAllSolvable)
{
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string fileName = generale.readString(GetParam().section, "INI_FILE1", "");
    const int count = generale.readInteger(GetParam().section, "MAX1", 0);
    if (fileName.empty() || count < 1 || !QFile::exists(resources + QString::fromStdString(fileName)))
        GTEST_SKIP() << "no bundled scheme-3 problems yet";
    ASSERT_LE(count, kMaxProblems);
    const IniFile problems = IniFile::read((resources + QString::fromStdString(fileName)).toStdString());

    auto w = std::make_unique<ExerciseWindow>(scheme3Description(), GetParam().mode, &main_);
    for (int p = 1; p <= count; ++p) {
        SCOPED_TRACE("problem " + std::to_string(p));
        w->setLaunch({resources, QString::fromStdString(fileName), p, count, 3});
        w->show();
        ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        solveWithAnswersOf(*w, readProblem(problems, p, Scheme::S3));
        EXPECT_EQ(w->solvedCount(), p);
        EXPECT_EQ(w->errorTotal(), 0);
        w->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BundledProblems,
                         ::testing::Values(BundledMode{"Advanced", Mode::Advanced, "AVANZATO"},
                                           BundledMode{"Beginner", Mode::Beginner, "PRINCIPIANTE"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
