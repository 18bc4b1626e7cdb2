// SPDX-License-Identifier: GPL-3.0-or-later
// What the child must see stays in sight: the hint balloon beside, not over,
// the list or box it speaks of and the step heading; a step just opened
// whole in the scroll box.

#include "scheme4a_fixture.h"

#include "exercise/hint_balloon.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>

namespace quorvia::testing {
namespace {

QRect placeIn(QWidget& window, const QWidget* widget)
{
    return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
}

class BalloonPlace : public ExerciseFixture, public ::testing::WithParamInterface<Mode> {};

TEST_P(BalloonPlace, CoversNeitherTheStepsInputNorItsHeading)
{
    auto w = open(GetParam());
    const char* input = GetParam() == Mode::Advanced ? "LMDdomanda" : "EB01";
    if (GetParam() == Mode::Advanced)
        type(*w, input, "sbagliato");
    for (const char* shows : {"B1", "H1"}) {  // the error, then the hint
        click(*w, shows);
        auto* balloon = w->findChild<HintBalloon*>(QStringLiteral("msg"));
        ASSERT_TRUE(balloon->isVisible()) << shows;
        for (const char* covered : {input, "Label7"}) {
            const QRect place = placeIn(*w, find<QWidget>(*w, covered));
            const QRect body = balloon->body();
            EXPECT_FALSE(body.intersects(place))
                << shows << " covers " << covered << ": balloon " << body.x() << "," << body.y() << " "
                << body.width() << "x" << body.height() << ", " << covered << " " << place.x() << ","
                << place.y() << " " << place.width() << "x" << place.height();
        }
        finishAnimations(*w);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BalloonPlace, ::testing::Values(Mode::Advanced, Mode::Beginner),
                         [](const auto& info) { return info.param == Mode::Advanced ? "Advanced" : "Beginner"; });

using OpenList = ExerciseFixture;

TEST_F(OpenList, TheBalloonKeepsClearOfIt)
{
    auto w = open(Mode::Beginner);
    auto* list = find<QComboBox>(*w, "EB01");
    list->showPopup();
    QWidget* popup = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowType() == Qt::Popup)
            popup = top;
    }
    ASSERT_NE(popup, nullptr);
    find<QAbstractButton>(*w, "H1")->click();
    auto* balloon = w->findChild<HintBalloon*>(QStringLiteral("msg"));
    ASSERT_TRUE(balloon->isVisible());
    const QRect open(w->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->size());
    EXPECT_FALSE(balloon->body().intersects(open)) << "balloon " << balloon->body().y() << "+"
                                                  << balloon->body().height() << ", list " << open.y() << "+"
                                                  << open.height();
    list->hidePopup();
}

class StepInView : public Scheme4aFixture, public ::testing::WithParamInterface<Mode> {};

// The scheme step of 4a: its first box stands at the top of a tall column,
// its indicator at the bottom.
TEST_P(StepInView, TheOpenedSchemeStepShowsItsFirstBoxAndHeadingWhole)
{
    auto w = open4a(GetParam());
    passDataSteps(*w, 1);
    QWidget* focused = w->focusWidget();
    ASSERT_EQ(focused, w->TROVA_COMP("E17"));
    auto* scroll = find<QScrollArea>(*w, "SB");
    const QRect view(scroll->viewport()->mapTo(w.get(), QPoint(0, 0)), scroll->viewport()->size());
    for (const char* shown : {"E17", "Label4"}) {
        const QRect place = placeIn(*w, find<QWidget>(*w, shown));
        EXPECT_TRUE(view.contains(place)) << shown << " at " << place.y() << "+" << place.height() << ", view "
                                          << view.y() << "+" << view.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, StepInView, ::testing::Values(Mode::Advanced, Mode::Beginner),
                         [](const auto& info) { return info.param == Mode::Advanced ? "Advanced" : "Beginner"; });

}  // namespace
}  // namespace quorvia::testing
