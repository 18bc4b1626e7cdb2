// Every bundled scheme-5 problem can be solved in both windows with the
// answers its problem file gives, whatever the resource folder holds now.

#include "scheme5_fixture.h"

#include "content/ini_file.h"

namespace quorvia::testing {
namespace {

struct BundledMode {
    const char* name;
    Mode mode;
    const char* section;  // of GENERALE.INI
};

class BundledScheme5 : public Scheme5Fixture, public ::testing::WithParamInterface<BundledMode> {};

TEST_P(BundledScheme5, AreAllSolvable)
{
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string fileName = generale.readString(GetParam().section, "INI_FILE4", "");
    const int count = generale.readInteger(GetParam().section, "MAX4", 0);
    if (fileName.empty() || count < 1 || !QFile::exists(resources + QString::fromStdString(fileName)))
        GTEST_SKIP() << "no bundled scheme-5 problems yet";
    ASSERT_LE(count, kMaxProblems);
    const IniFile problems = IniFile::read((resources + QString::fromStdString(fileName)).toStdString());

    auto w = create(GetParam().mode);
    for (int p = 1; p <= count; ++p) {
        SCOPED_TRACE("problem " + std::to_string(p));
        w->setLaunch({resources, QString::fromStdString(fileName), p, count, 5});
        w->show();
        ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
        const ProblemContent problem = readProblem(problems, p, Scheme::S5);
        solveWithAnswersOf(*w, problem);
        EXPECT_EQ(w->solvedCount(), p);
        EXPECT_EQ(w->errorTotal(), 0);
        // The second row was laid out for this problem's "R2".
        const bool partialOnRight = w->state().formulas.partial_on_right != 0;
        EXPECT_EQ(place(*w, "dato3").x() < place(*w, "jolly").x(), partialOnRight);
        w->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BundledScheme5,
                         ::testing::Values(BundledMode{"Advanced", Mode::Advanced, "AVANZATO"},
                                           BundledMode{"Beginner", Mode::Beginner, "PRINCIPIANTE"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
