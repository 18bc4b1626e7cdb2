// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the windows: a name for every control a
// child can reach or press, the step indicators' state in words, the number
// boxes named after their captions, and every verdict announced.

#include "exercise_fixture.h"

#include "exercise/accessible_names.h"
#include "exercise/exercise_windows.h"
#include "shell/main_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTest>
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
    EXPECT_EQ(input->accessibleDescription(), stepTask(w->scheme(), 2));
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

// What a screen reader is told: every notification that starts showing
// (Orca speaks those whatever has the focus). The update handler hears
// Qt's ObjectShow events where a platform bridge is active; the offscreen
// platform has none and drops every event before any handler, so there the
// show events Qt would turn into ObjectShow are watched instead.
class Heard : public QObject {
public:
    Heard()
    {
        lines().clear();
        previous_ = QAccessible::installUpdateHandler(&Heard::record);
        if (!QAccessible::isActive())
            qApp->installEventFilter(this);
    }
    ~Heard() override
    {
        QAccessible::installUpdateHandler(previous_);
        qApp->removeEventFilter(this);
    }
    QStringList notifications() const { return lines(); }
    QString last() const { return lines().isEmpty() ? QString() : lines().last(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QAccessibleEvent shown(watched, QAccessible::ObjectShow);
            record(&shown);
        }
        return false;
    }

private:
    static QStringList& lines()
    {
        static QStringList heard;
        return heard;
    }
    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* face = event->accessibleInterface();
        if (face && event->type() == QAccessible::ObjectShow && face->role() == QAccessible::Notification)
            lines() << face->text(QAccessible::Name);
    }
    QAccessible::UpdateHandler previous_ = nullptr;
};

using Announcements = ExerciseFixture;

TEST_F(Announcements, EveryVerdictIsANotificationAndTheErrorButtonsSayTheirCount)
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
    EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->role(), QAccessible::Notification);
    auto* counter = find<QWidget>(*w, "H1");
    EXPECT_EQ(counter->accessibleName(), QStringLiteral("Errori e suggerimento del passo 1, 0 errori"));

    Heard heard;
    // A wrong step says the step's own message once, as the balloon shows it.
    answer(*w, 1, QStringLiteral("non è la domanda"));
    EXPECT_EQ(heard.notifications(), QStringList{QStringLiteral("Ricopia bene la domanda.")});
    EXPECT_EQ(counter->accessibleName(), QStringLiteral("Errori e suggerimento del passo 1, 1 errore"));
    answer(*w, 1, QStringLiteral("non è la domanda"));
    EXPECT_EQ(heard.notifications().size(), 2) << "the same verdict twice is said twice";
    EXPECT_EQ(counter->accessibleName(), QStringLiteral("Errori e suggerimento del passo 1, 2 errori"));

    const ProblemContent problem = problemIn(kAdvancedFile, 1, Scheme::S3);
    answerStep(*w, problem, 1);
    EXPECT_EQ(heard.last(), QStringLiteral("Giusto! Passo 2, scrivi il primo dato"));
    EXPECT_EQ(find<QWidget>(*w, "Shape01")->accessibleDescription(), QStringLiteral("fatto"));
    EXPECT_EQ(led->accessibleDescription(), QStringLiteral("aperto"));

    // The number boxes are named after the captions the problem wrote.
    for (const char* box : {"dato1", "dato2", "Risultato2"}) {
        const QString name = find<QWidget>(*w, box)->accessibleName();
        EXPECT_TRUE(name.startsWith(QStringLiteral("Numero: "))) << box << " " << name.toStdString();
    }
    EXPECT_NE(find<QWidget>(*w, "dato1")->accessibleName(), find<QWidget>(*w, "dato2")->accessibleName());

    solveWithAnswersOf(*w, problem);
    EXPECT_EQ(heard.last(), QStringLiteral("Bravo! Problema risolto"));

    // The next problem starts with no verdict and no errors to say.
    w->INIZIO();
    EXPECT_FALSE(line->isVisibleTo(w.get()));
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(counter->accessibleName(), QStringLiteral("Errori e suggerimento del passo 1, 0 errori"));
}

TEST_F(Announcements, AHintIsANotificationWithItsText)
{
    auto w = open(Mode::Advanced);
    Heard heard;
    click(*w, QStringLiteral("H1"));
    EXPECT_EQ(heard.notifications(), QStringList{QStringLiteral("Rileggi l'ultima frase del testo.")});
    auto* balloon = find<QWidget>(*w, "msg");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(balloon);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Notification);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Rileggi l'ultima frase del testo."));
}

TEST_F(Announcements, EachSentenceReachedWithTheArrowsIsSaidAndTheListKeepsItsName)
{
    auto w = open(Mode::Beginner);
    auto* list = find<QComboBox>(*w, "EB01");
    ASSERT_NE(list, nullptr);
    list->setFocus();
    Heard heard;
    QStringList met;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
        met << list->currentText();
    }
    EXPECT_EQ(heard.notifications(), met);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(face->role(), QAccessible::ComboBox);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Scegli la frase del passo 1"));
    EXPECT_EQ(face->text(QAccessible::Value), met.last());
    EXPECT_EQ(face->text(QAccessible::Description), QStringLiteral("Passo 1, riscrivi la domanda"));
}

TEST_F(Announcements, AnOperatorLabelSaysItsSign)
{
    auto w = open(Mode::Advanced);
    answerStepsBeforeScheme(*w, problemIn(kAdvancedFile, 1, Scheme::S3));
    auto* label = find<QLabel>(*w, "Loper1");
    const struct {
        const char* sign;
        const char* word;
    } signs[] = {{"+", "più"}, {"-", "meno"}, {"X", "per"}, {":", "diviso"}};
    for (const auto& s : signs) {
        putSign(*w, QStringLiteral("Loper1"), QLatin1String(s.sign));
        const QString name = QStringLiteral("Segno dell'operazione: ") + QString::fromUtf8(s.word);
        EXPECT_EQ(label->accessibleName(), name);
    }
    w->INIZIO();
    EXPECT_EQ(label->accessibleName(), QStringLiteral("Segno dell'operazione"));
}

// Every step's description comes from one rule over the scheme's steps: the
// questions (one per answer), the data, the operation scheme, the answers.
TEST_F(ExerciseFixture, StepTasksFollowTheSchemesSteps)
{
    const struct {
        Scheme scheme;
        QStringList tasks;
    } cases[] = {
        {Scheme::S3,
         {"riscrivi la domanda", "scrivi il primo dato", "scrivi il secondo dato",
          "completa lo schema delle operazioni", "scrivi la risposta"}},
        {Scheme::S4a,
         {"riscrivi la domanda", "scrivi il primo dato", "scrivi il secondo dato", "scrivi il terzo dato",
          "scrivi il quarto dato", "scrivi il quinto dato", "completa lo schema delle operazioni",
          "scrivi la risposta"}},
        {Scheme::S4b,
         {"riscrivi la prima domanda", "riscrivi la seconda domanda", "scrivi il primo dato",
          "scrivi il secondo dato", "scrivi il terzo dato", "scrivi il quarto dato",
          "completa lo schema delle operazioni", "scrivi la prima risposta", "scrivi la seconda risposta"}},
        {Scheme::S5,
         {"riscrivi la domanda", "scrivi il primo dato", "scrivi il secondo dato", "scrivi il terzo dato",
          "completa lo schema delle operazioni", "scrivi la risposta"}},
    };
    for (const auto& c : cases) {
        for (Mode mode : {Mode::Advanced, Mode::Beginner}) {
            std::unique_ptr<ExerciseWindow> w(createExerciseWindow(c.scheme, mode, &main_));
            const SchemeDescription& scheme = w->scheme();
            ASSERT_EQ(int(scheme.steps.size()), c.tasks.size()) << schemeCode(c.scheme);
            for (int step = 1; step <= c.tasks.size(); ++step)
                EXPECT_EQ(stepTask(scheme, step), QStringLiteral("Passo %1, %2").arg(step).arg(c.tasks.at(step - 1)))
                    << schemeCode(c.scheme) << " " << int(mode);
        }
    }
}

}  // namespace
}  // namespace quorvia::testing
