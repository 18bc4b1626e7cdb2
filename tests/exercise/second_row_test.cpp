// SPDX-License-Identifier: GPL-3.0-or-later
// The second row of the two-operation schemes after a worksheet put its
// boxes back without their captions (worksheets store the boxes' places
// only): the next load leaves the partial result on the side its formula
// needs and each caption under its own box.

#include "exercise_fixture.h"

#include "exercise/exercise_windows.h"

namespace quorvia::testing {
namespace {

struct SecondRowCase {
    const char* name;
    Scheme scheme;
    Mode mode;
    const char* file;
    int scheme_code;
    int partial_left;   // a fixture problem whose formula has R1 first
    int partial_right;  // one whose formula has R1 second
};

class SecondRowAfterWorksheet : public ExerciseFixture,
                                public ::testing::WithParamInterface<SecondRowCase> {};

TEST_P(SecondRowAfterWorksheet, CaptionsGoBackUnderTheirBoxesAtTheNextLoad)
{
    const SecondRowCase& c = GetParam();
    const QString file = QLatin1String(c.file);
    addTestFile(file);
    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(c.scheme, c.mode, &main_));
    ASSERT_NE(w, nullptr);
    w->setLaunch({folder_, file, c.partial_left, 3, c.scheme_code});
    w->show();
    const SecondRowRule& row = w->scheme().second_row;
    ASSERT_TRUE(row.exists());
    const char* const names[] = {row.partial_box, row.datum_box, row.partial_caption, row.datum_caption};
    QPoint design[4];
    for (int i = 0; i < 4; ++i)
        design[i] = place(*w, names[i]);
    ASSERT_LT(design[0].x(), design[1].x());

    for (const int problem : {c.partial_left, c.partial_right}) {
        SCOPED_TRACE("problem " + std::to_string(problem));
        // A worksheet saved with the partial result on the right moves the
        // boxes there; the captions stay where they were.
        for (int i = 0; i < 4; ++i)
            find<QWidget>(*w, QLatin1String(names[i]))->move(design[i]);
        find<QWidget>(*w, QLatin1String(row.partial_box))->move(design[1].x(), design[0].y());
        find<QWidget>(*w, QLatin1String(row.datum_box))->move(design[0].x(), design[1].y());

        w->close();
        w->setLaunch({folder_, file, problem, 3, c.scheme_code});
        w->show();
        const bool right = problem == c.partial_right;
        ASSERT_EQ(w->partialOnRight(), right);
        for (int i = 0; i < 4; ++i) {
            // Each widget takes the place of its partner (partial box and
            // datum box, partial caption and datum caption) when on the right.
            const QPoint partner = design[i ^ 1];
            const QPoint expected = right ? QPoint(partner.x(), design[i].y()) : design[i];
            EXPECT_EQ(place(*w, names[i]), expected) << names[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, SecondRowAfterWorksheet,
    ::testing::Values(
        SecondRowCase{"Scheme4aAdvanced", Scheme::S4a, Mode::Advanced, "A4A_PROVA.INI", 41, 1, 2},
        SecondRowCase{"Scheme4aBeginner", Scheme::S4a, Mode::Beginner, "P4A_PROVA.INI", 41, 1, 2},
        SecondRowCase{"Scheme4bAdvanced", Scheme::S4b, Mode::Advanced, "A4B_PROVA.INI", 42, 2, 1},
        SecondRowCase{"Scheme4bBeginner", Scheme::S4b, Mode::Beginner, "P4B_PROVA.INI", 42, 2, 1},
        SecondRowCase{"Scheme5Advanced", Scheme::S5, Mode::Advanced, "A5_PROVA.INI", 5, 1, 2},
        SecondRowCase{"Scheme5Beginner", Scheme::S5, Mode::Beginner, "P5_PROVA.INI", 5, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
