// Every bundled scheme-4b problem can be solved in both windows with the
// answers its problem file gives, from the first question to the last answer.

#include "exercise_fixture.h"

#include "content/ini_file.h"
#include "exercise/scheme4b.h"

#include <QDir>

namespace quorvia::testing {
namespace {

struct BundledMode {
    const char* name;
    Mode mode;
    const char* section;  // of GENERALE.INI
};

class BundledScheme4bProblems : public ExerciseFixture,
                                public ::testing::WithParamInterface<BundledMode> {};

TEST_P(BundledScheme4bProblems, AreAllSolvable)
{
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string fileName = generale.readString(GetParam().section, "INI_FILE3", "");
    const int count = generale.readInteger(GetParam().section, "MAX3", 0);
    if (fileName.empty() || count < 1 || !QFile::exists(resources + QString::fromStdString(fileName)))
        GTEST_SKIP() << "no bundled scheme-4b problems yet";
    ASSERT_LE(count, kMaxProblems);
    const IniFile problems = IniFile::read((resources + QString::fromStdString(fileName)).toStdString());

    auto w = std::make_unique<Scheme4bWindow>(GetParam().mode, &main_);
    for (int p = 1; p <= count; ++p) {
        SCOPED_TRACE("problem " + std::to_string(p));
        w->setLaunch({resources, QString::fromStdString(fileName), p, count, 42});
        w->show();
        ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        const ProblemContent problem = readProblem(problems, p, Scheme::S4b);
        solveWithAnswersOf(*w, problem);
        EXPECT_EQ(w->solvedCount(), p);
        EXPECT_EQ(w->errorTotal(), 0);
        // The partial result stood on the side its formula needs.
        const bool jollyLeft = find<QWidget>(*w, "jolly")->x() < find<QWidget>(*w, "E67")->x();
        EXPECT_EQ(jollyLeft, !w->partialOnRight());
        w->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BundledScheme4bProblems,
                         ::testing::Values(BundledMode{"Advanced", Mode::Advanced, "AVANZATO"},
                                           BundledMode{"Beginner", Mode::Beginner, "PRINCIPIANTE"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
