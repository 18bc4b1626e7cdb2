// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the windows: a name for every control a
// child can reach or press, the step indicators' state in words, the number
// boxes named after their captions, and every verdict announced.

#include "exercise_fixture.h"

#include "exercise/accessible_names.h"
#include "exercise/exercise_windows.h"
#include "shell/main_window.h"

#include <QAccessible>
#include <QWidget>

namespace quorvia::testing {
namespace {

// Every widget a child can reach with Tab or press with the mouse, with no
// name a screen reader could say.
QStringList unnamedControls(QWidget& window)
{
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window)
            continue;  // a list's popup, a menu: windows of their own
        const bool focusable = (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
        const bool clickable = qobject_cast<QAbstractButton*>(w) || w->cursor().shape() == Qt::PointingHandCursor;
        if (!focusable && !clickable)
            continue;
        // The inner parts of composite widgets (a spin box's edit line, a
        // scroll bar) speak through their owner.
        if (w->objectName().isEmpty() && w->parentWidget() && w->parentWidget()->objectName().size() &&
            !qobject_cast<QAbstractButton*>(w))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                  : w->objectName());
    }
    return unnamed;
}

struct NamedWindow {
    const char* name;
    Scheme scheme;
    Mode mode;
};

class AccessibleNames : public ExerciseFixture, public ::testing::WithParamInterface<NamedWindow> {};

TEST_P(AccessibleNames, EveryControlHasAName)
{
    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(GetParam().scheme, GetParam().mode, &main_));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(unnamedControls(*w), QStringList());
    // The inputs say which step they belong to and what it asks.
    const StepRow& second = w->scheme().steps.at(1);
    auto* input = find<QWidget>(*w, QLatin1String(GetParam().mode == Mode::Advanced ? second.advanced_input
                                                                                   : second.beginner_input));
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->accessibleDescription(), QStringLiteral("Passo 2, scrivi il primo dato"));
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleNames,
                         ::testing::Values(NamedWindow{"Scheme3Advanced", Scheme::S3, Mode::Advanced},
                                           NamedWindow{"Scheme3Beginner", Scheme::S3, Mode::Beginner},
                                           NamedWindow{"Scheme4aAdvanced", Scheme::S4a, Mode::Advanced},
                                           NamedWindow{"Scheme4aBeginner", Scheme::S4a, Mode::Beginner},
                                           NamedWindow{"Scheme4bAdvanced", Scheme::S4b, Mode::Advanced},
                                           NamedWindow{"Scheme4bBeginner", Scheme::S4b, Mode::Beginner},
                                           NamedWindow{"Scheme5Advanced", Scheme::S5, Mode::Advanced},
                                           NamedWindow{"Scheme5Beginner", Scheme::S5, Mode::Beginner}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExerciseFixture, TheMainWindowsControlsHaveNames)
{
    TForm1 main(folder_);
    EXPECT_EQ(unnamedControls(main), QStringList());
}

// The verdicts go to the window's live line, which tells the assistive
// tools (the offscreen platform has none to hear the event itself).
using Announcements = ExerciseFixture;

TEST_F(Announcements, VerdictsAreAnnouncedAndIndicatorsSayTheirState)
{
    auto w = open(Mode::Advanced);
    auto* led = find<QWidget>(*w, "Shape02");
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led->accessibleDescription(), QStringLiteral("da fare"));
    EXPECT_EQ(led->toolTip(), QStringLiteral("Passo da fare"));
    EXPECT_EQ(find<QWidget>(*w, "Shape01")->accessibleDescription(), QStringLiteral("aperto"));

    auto* line = qobject_cast<QLabel*>(announcementLine(*w));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->objectName().isEmpty()) << "never one of the window's controls";
    const auto heard = [line] { return line->accessibleName(); };
    // A wrong step says the step's own message, as the balloon shows it.
    answer(*w, 1, QStringLiteral("non è la domanda"));
    EXPECT_EQ(heard(), QStringLiteral("Ricopia bene la domanda."));

    const ProblemContent problem = problemIn(kAdvancedFile, 1, Scheme::S3);
    answerStep(*w, problem, 1);
    EXPECT_EQ(heard(), QStringLiteral("Giusto! Passo 2, scrivi il primo dato"));
    EXPECT_EQ(find<QWidget>(*w, "Shape01")->accessibleDescription(), QStringLiteral("fatto"));
    EXPECT_EQ(led->accessibleDescription(), QStringLiteral("aperto"));

    // The number boxes are named after the captions the problem wrote.
    for (const char* box : {"dato1", "dato2", "Risultato2"}) {
        const QString name = find<QWidget>(*w, box)->accessibleName();
        EXPECT_TRUE(name.startsWith(QStringLiteral("Numero: "))) << box << " " << name.toStdString();
    }
    EXPECT_NE(find<QWidget>(*w, "dato1")->accessibleName(), find<QWidget>(*w, "dato2")->accessibleName());

    solveWithAnswersOf(*w, problem);
    EXPECT_EQ(heard(), QStringLiteral("Bravo! Problema risolto"));
}

}  // namespace
}  // namespace quorvia::testing
