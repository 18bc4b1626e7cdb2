// SPDX-License-Identifier: GPL-3.0-or-later
// A whole problem with the keyboard alone, in every window: Tab reaches each
// input, its Verifica and the tool bar in reading order; a sign is typed on
// its label or picked from the menu the label opens; Enter runs a step's
// check from a list or a button. No mouse event is sent anywhere.

#include "exercise_fixture.h"

#include "content/ini_file.h"
#include "evaluator/calc_express.h"
#include "exercise/exercise_windows.h"
#include "exercise/hint_balloon.h"
#include "widgets/focus_ring.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace quorvia::testing {
namespace {

struct KeyboardWindow {
    const char* name;
    Scheme scheme;
    Mode mode;
    const char* section;  // of GENERALE.INI
    int file_number;
    int scheme_code;
    // The signs are picked from the operator menu, opened with Space, instead
    // of typed on the label.
    bool signs_by_menu;
};

// Fails the test on any mouse event that reaches a widget.
class NoMouse : public QObject {
public:
    int events = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++events;
            break;
        default:
            break;
        }
        return false;
    }
};

class KeyboardSolve : public ExerciseFixture, public ::testing::WithParamInterface<KeyboardWindow> {
protected:
    static QString focusName(ExerciseWindow& w)
    {
        return w.focusWidget() ? w.focusWidget()->objectName() : QString();
    }

    // A key pressed where the focus is, as the keyboard would send it.
    static void press(ExerciseWindow& w, int key, const QString& text = QString())
    {
        QWidget* target = w.focusWidget() ? w.focusWidget() : &w;
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &down);
        QCoreApplication::sendEvent(target, &up);
    }

    static void typeText(ExerciseWindow& w, const QString& text)
    {
        for (const QChar c : text)
            press(w, c.toUpper().unicode(), QString(c));
    }

    // Tab until `name` has the focus; the number of presses, or -1.
    static int tabTo(ExerciseWindow& w, const QString& name)
    {
        for (int presses = 0; presses < 120; ++presses) {
            if (focusName(w).compare(name, Qt::CaseInsensitive) == 0)
                return presses;
            press(w, Qt::Key_Tab);
        }
        ADD_FAILURE() << "Tab never reaches " << name.toStdString() << " (stuck on "
                      << focusName(w).toStdString() << ")";
        return -1;
    }

    void putSign(ExerciseWindow& w, const QString& label, const QString& sign, bool byMenu)
    {
        ASSERT_GE(tabTo(w, label), 0);
        if (!byMenu) {
            // Every way of typing a sign: "x" and "*" for times, "/" for divided by.
            const QString typed = sign == QLatin1String("X") ? QStringLiteral("*")
                                  : sign == QLatin1String(":") ? QStringLiteral("/")
                                                               : sign;
            typeText(w, typed);
            return;
        }
        auto* menu = w.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        ASSERT_NE(menu, nullptr);
        QWidget* focusedLabel = w.focusWidget();
        press(w, Qt::Key_Space);
        ASSERT_TRUE(menu->isVisible());
        const QList<QAction*> items = menu->actions();
        const int position = items.indexOf(w.findChild<QAction*>(QLatin1String(menuItemFor(sign))));
        ASSERT_GE(position, 0);
        for (int i = 0; i <= position; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_FALSE(menu->isVisible());
        focusedLabel->setFocus(Qt::PopupFocusReason);  // where the closing menu hands it back
    }

    void solveByKeys(ExerciseWindow& w, const ProblemContent& problem, bool signsByMenu)
    {
        const SchemeDescription& scheme = w.scheme();
        TCalcExpress evaluator;
        const PreparedFormulas formulas =
            prepareFormulas(evaluator, scheme.scheme, problem.r1, problem.r2, PreparedFormulas{});
        bool enterOnInput = true;
        for (const StepRow& step : scheme.steps) {
            SCOPED_TRACE("step " + std::to_string(step.step));
            finishAnimations(w);
            const QString verifica = QStringLiteral("B") + QString::number(step.step);
            if (step.kind == StepKind::OperationScheme) {
                for (const ExpectedText& expected : scheme.expectations(formulas)) {
                    if (qobject_cast<QLabel*>(w.TROVA_COMP(expected.widget))) {
                        putSign(w, expected.widget, expected.text, signsByMenu);
                    } else {
                        ASSERT_GE(tabTo(w, expected.widget), 0);
                        typeText(w, expected.text);
                    }
                }
                ASSERT_GE(tabTo(w, verifica), 0);
                press(w, Qt::Key_Space);
                continue;
            }
            const QString right = QString::fromStdString(problem.variants[step.step][1]);
            const QString input = QLatin1String(w.mode() == Mode::Advanced ? step.advanced_input
                                                                           : step.beginner_input);
            // A new step's input has the focus already.
            EXPECT_EQ(tabTo(w, input), 0);
            if (w.mode() == Mode::Advanced) {
                typeText(w, right);
            } else {
                auto* list = find<QComboBox>(w, input);
                ASSERT_NE(list, nullptr);
                const int position = list->findText(right, Qt::MatchExactly);
                ASSERT_GE(position, 0);
                for (int i = 0; i <= position; ++i)
                    press(w, Qt::Key_Down);
                ASSERT_EQ(list->currentIndex(), position);
            }
            // Enter on the input, or Tab to the Verifica beside it and Enter there.
            if (!enterOnInput) {
                EXPECT_EQ(tabTo(w, verifica), 1) << "the Verifica follows its input";
            }
            press(w, Qt::Key_Return);
            enterOnInput = !enterOnInput;
        }
        finishAnimations(w);
    }
};

TEST_P(KeyboardSolve, SolvesProblemOneWithKeysAlone)
{
    const KeyboardWindow& param = GetParam();
    const QString resources = QStringLiteral(QUORVIA_RESOURCES "/");
    const IniFile generale = IniFile::read((resources + "GENERALE.INI").toStdString());
    const std::string n = std::to_string(param.file_number);
    const QString fileName =
        QString::fromStdString(generale.readString(param.section, "INI_FILE" + n, ""));
    const int count = generale.readInteger(param.section, "MAX" + n, 0);
    ASSERT_FALSE(fileName.isEmpty());
    ASSERT_GE(count, 1);

    NoMouse mouse;
    qApp->installEventFilter(&mouse);
    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(param.scheme, param.mode, &main_));
    ASSERT_NE(w, nullptr);
    w->setLaunch({resources, fileName, 1, count, param.scheme_code});
    w->show();
    QApplication::setActiveWindow(w.get());

    // Tab goes round the tool bar first, in its order on the screen.
    press(*w, Qt::Key_Backtab);
    const int before = tabTo(*w, QStringLiteral("LMDButton11"));
    EXPECT_GE(before, 0);
    press(*w, Qt::Key_Tab);
    EXPECT_EQ(focusName(*w), QStringLiteral("LMDcarica"));
    // The frame shows where the focus is.
    auto* ring = w->findChild<FocusRing*>();
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->target(), w->focusWidget());
    // Back to the first step's input, where the window put the focus.
    const StepRow& first = w->scheme().steps.front();
    ASSERT_GE(tabTo(*w, QLatin1String(param.mode == Mode::Advanced ? first.advanced_input
                                                                      : first.beginner_input)),
              0);

    solveByKeys(*w, readProblem(IniFile::read((resources + fileName).toStdString()), 1, param.scheme),
                param.signs_by_menu);
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_EQ(w->errorTotal(), 0);
    qApp->removeEventFilter(&mouse);
    EXPECT_EQ(mouse.events, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, KeyboardSolve,
    ::testing::Values(
        KeyboardWindow{"Scheme3Advanced", Scheme::S3, Mode::Advanced, "AVANZATO", 1, 3, false},
        KeyboardWindow{"Scheme3Beginner", Scheme::S3, Mode::Beginner, "PRINCIPIANTE", 1, 3, true},
        KeyboardWindow{"Scheme4aAdvanced", Scheme::S4a, Mode::Advanced, "AVANZATO", 2, 41, true},
        KeyboardWindow{"Scheme4aBeginner", Scheme::S4a, Mode::Beginner, "PRINCIPIANTE", 2, 41, false},
        KeyboardWindow{"Scheme4bAdvanced", Scheme::S4b, Mode::Advanced, "AVANZATO", 3, 42, false},
        KeyboardWindow{"Scheme4bBeginner", Scheme::S4b, Mode::Beginner, "PRINCIPIANTE", 3, 42, true},
        KeyboardWindow{"Scheme5Advanced", Scheme::S5, Mode::Advanced, "AVANZATO", 4, 5, true},
        KeyboardWindow{"Scheme5Beginner", Scheme::S5, Mode::Beginner, "PRINCIPIANTE", 4, 5, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The keys of the window itself, wherever the focus is.
using WindowKeys = ExerciseFixture;

TEST_F(WindowKeys, EscapeAsksTheCloseButtonsQuestion)
{
    auto w = open(Mode::Advanced);
    dialogs_->setNextYesNo(false);
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    ASSERT_EQ(dialogs_->questions().size(), 1);
    EXPECT_TRUE(w->isVisible());

    dialogs_->setNextYesNo(true);
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialogs_->questions().size(), 2);
    EXPECT_EQ(dialogs_->questions().at(0), dialogs_->questions().at(1));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(WindowKeys, F11TogglesFullScreen)
{
    auto w = open(Mode::Beginner);
    QTest::keyClick(w->focusWidget(), Qt::Key_F11);
    EXPECT_TRUE(w->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(w->focusWidget(), Qt::Key_F11);
    EXPECT_FALSE(w->windowState() & Qt::WindowFullScreen);
}

TEST_F(WindowKeys, ANumberBoxRefusesWhatNoNumberHoldsAndSaysSoOnceAStep)
{
    auto w = open(Mode::Advanced);
    answerStepsBeforeScheme(*w, problemIn(kAdvancedFile, 1, Scheme::S3));
    auto* balloon = w->findChild<HintBalloon*>(QStringLiteral("msg"));
    ASSERT_FALSE(balloon->isVisible());

    auto* first = find<QLineEdit>(*w, "dato1");
    QTest::keyClicks(first, "ab+-x*:12");
    EXPECT_EQ(first->text(), QStringLiteral("-12"));
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->text(), QStringLiteral("Qui vanno solo numeri: i segni si scelgono nel quadratino giallo."));
    // Not a mistake: nothing counted, nothing played.
    EXPECT_EQ(text(*w, "H4"), QStringLiteral("Err=0"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
    EXPECT_FALSE(sound_->wasPlayed("nooo"));

    // The child typing "12 + 3" across the column is told only once a step.
    balloon->dismiss();
    auto* second = find<QLineEdit>(*w, "dato2");
    QTest::keyClicks(second, "+ 3");
    EXPECT_EQ(second->text(), QStringLiteral("3"));
    EXPECT_FALSE(balloon->isVisible());
}

TEST_F(WindowKeys, AnOperatorLabelTakesOnlySigns)
{
    auto w = open(Mode::Advanced);
    auto* label = find<QLabel>(*w, "Loper1");
    ASSERT_NE(label, nullptr);
    for (const char* typed : {"x", "X", "*"}) {
        label->clear();
        QTest::keyClicks(label, typed);
        EXPECT_EQ(label->text(), QStringLiteral("X")) << typed;
    }
    QTest::keyClicks(label, "/");
    EXPECT_EQ(label->text(), QStringLiteral(":"));
    QTest::keyClicks(label, "-");
    EXPECT_EQ(label->text(), QStringLiteral("-"));
    // Anything else leaves the sign as it was.
    QTest::keyClicks(label, "7a=");
    EXPECT_EQ(label->text(), QStringLiteral("-"));
    // Enter opens the menu, as a click does.
    auto* menu = w->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

}  // namespace
}  // namespace quorvia::testing
