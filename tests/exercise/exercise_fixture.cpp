// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_fixture.h"

#include "content/ini_file.h"
#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"
#include "widgets/controls.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

namespace quorvia::testing {

namespace {

// The smallest animation Qt reads: one transparent pixel.
const unsigned char kTinyGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF,
    0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

}  // namespace

void ExerciseFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path() + QLatin1Char('/');
    main_.folder = folder_;
    for (const QString& file : {kAdvancedFile, kBeginnerFile})
        addTestFile(file);
    separator_ = decimalSeparator();
    setDecimalSeparator(',');
}

void ExerciseFixture::TearDown()
{
    setDecimalSeparator(separator_);
}

std::unique_ptr<ExerciseWindow> ExerciseFixture::open(Mode mode, int problem, int count,
                                                      const QString& file)
{
    auto window = std::make_unique<ExerciseWindow>(scheme3Description(), mode, &main_);
    ExerciseLaunch launch;
    launch.resource_folder = folder_;
    launch.problem_file_name =
        file.isEmpty() ? (mode == Mode::Advanced ? kAdvancedFile : kBeginnerFile) : file;
    launch.current_problem = problem;
    launch.problem_count = count;
    launch.scheme_code = 3;
    window->setLaunch(launch);
    window->show();
    return window;
}

void ExerciseFixture::addGif(const QString& name)
{
    QFile f(folder_ + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(kTinyGif), sizeof kTinyGif);
}

void ExerciseFixture::addPicture(const QString& name, const QColor& colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(folder_ + name));
}

void ExerciseFixture::type(ExerciseWindow& w, const QString& box, const QString& text)
{
    auto* edit = find<QLineEdit>(w, box);
    if (!edit)
        return;
    edit->clear();
    // Key by key, as typed; QTest's own typing knows only ASCII.
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
        QCoreApplication::sendEvent(edit, &release);
    }
}

void ExerciseFixture::enter(ExerciseWindow& w, const QString& box)
{
    if (auto* edit = find<QLineEdit>(w, box))
        QTest::keyClick(edit, Qt::Key_Return);
}

void ExerciseFixture::click(ExerciseWindow& w, const QString& button)
{
    if (auto* b = find<QAbstractButton>(w, button))
        QTest::mouseClick(b, Qt::LeftButton);
}

void ExerciseFixture::choose(ExerciseWindow& w, const QString& list, int position)
{
    if (auto* combo = find<QComboBox>(w, list))
        combo->setCurrentIndex(position);
}

int ExerciseFixture::rightPosition(ExerciseWindow& w, const QString& list, const QString& rightText)
{
    auto* combo = find<QComboBox>(w, list);
    return combo ? combo->findText(rightText, Qt::MatchExactly) : -1;
}

void ExerciseFixture::pickSign(ExerciseWindow& w, const QString& label, const char* item)
{
    auto* l = find<QLabel>(w, label);
    auto* menu = w.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    auto* action = w.findChild<QAction*>(QLatin1String(item));
    ASSERT_TRUE(l && menu && action);
    QTest::mouseClick(l, Qt::LeftButton);
    action->trigger();
    menu->hide();
}

int ExerciseFixture::finishAnimations(ExerciseWindow& w)
{
    int ticks = 0;
    while (w.isAnimating() && ticks < 2000) {
        w.Timer1Timer();
        ++ticks;
    }
    return ticks;
}

const char* ExerciseFixture::menuItemFor(const QString& sign)
{
    // Anything that is no sign picks ":", the last item.
    const char* item = operatorMenuItemName(sign);
    return item ? item : "N4";
}

void ExerciseFixture::solveWithAnswersOf(ExerciseWindow& w, const ProblemContent& problem)
{
    const SchemeDescription& scheme = w.scheme();
    TCalcExpress evaluator;
    const PreparedFormulas formulas =
        prepareFormulas(evaluator, scheme.scheme, problem.r1, problem.r2, PreparedFormulas{});
    for (const StepRow& step : scheme.steps) {
        finishAnimations(w);
        const QString verifica = QStringLiteral("B") + QString::number(step.step);
        if (step.kind == StepKind::OperationScheme) {
            for (const ExpectedText& expected : scheme.expectations(formulas)) {
                if (qobject_cast<QLabel*>(w.TROVA_COMP(expected.widget)))
                    pickSign(w, expected.widget, menuItemFor(expected.text));
                else
                    type(w, expected.widget, expected.text);
            }
            click(w, verifica);
            continue;
        }
        const QString right = QString::fromStdString(problem.variants[step.step][1]);
        if (w.mode() == Mode::Advanced) {
            type(w, QLatin1String(step.advanced_input), right);
        } else {
            const QString list = QLatin1String(step.beginner_input);
            choose(w, list, rightPosition(w, list, right));
        }
        click(w, verifica);
    }
    finishAnimations(w);
}

void ExerciseFixture::addTestFile(const QString& file)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVIA_TEST_DATA "/") + file, folder_ + file))
        << file.toStdString();
}

ProblemContent ExerciseFixture::problemIn(const QString& file, int problem, Scheme scheme) const
{
    return readProblem(IniFile::read((folder_ + file).toStdString()), problem, scheme);
}

void ExerciseFixture::answer(ExerciseWindow& w, int step, const QString& sentence)
{
    const StepRow* row = w.scheme().step(step);
    ASSERT_NE(row, nullptr);
    if (w.mode() == Mode::Advanced) {
        type(w, QLatin1String(row->advanced_input), sentence);
    } else {
        const QString list = QLatin1String(row->beginner_input);
        choose(w, list, rightPosition(w, list, sentence));
    }
    click(w, QStringLiteral("B") + QString::number(step));
    finishAnimations(w);
}

void ExerciseFixture::answerStep(ExerciseWindow& w, const ProblemContent& problem, int step)
{
    answer(w, step, QString::fromStdString(problem.variants[step][1]));
}

void ExerciseFixture::answerStepsBeforeScheme(ExerciseWindow& w, const ProblemContent& problem)
{
    for (int step = 1; step < w.scheme().operationStep(); ++step)
        answerStep(w, problem, step);
}

int ExerciseFixture::stepOfList(const char* list)
{
    return QString::fromLatin1(list).mid(3).toInt();
}

void ExerciseFixture::expectListHoldsItsSentences(ExerciseWindow& w, const char* list, const QString& right)
{
    auto* box = find<QComboBox>(w, QLatin1String(list));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 5) << list;
    EXPECT_EQ(box->currentIndex(), -1) << list;
    const int position = rightPosition(w, QLatin1String(list), right);
    EXPECT_GE(position, 1) << list;
    EXPECT_EQ(w.state().correct_items[stepOfList(list) - 1], QString::number(position)) << list;
}

QPoint ExerciseFixture::place(ExerciseWindow& w, const char* name)
{
    auto* widget = find<QWidget>(w, QLatin1String(name));
    return widget ? widget->pos() : QPoint(-1, -1);
}

QString ExerciseFixture::text(ExerciseWindow& w, const QString& name)
{
    QObject* o = w.TROVA_COMP(name);
    if (auto* edit = qobject_cast<QLineEdit*>(o))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(o))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(o))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(o))
        return combo->currentText();
    ADD_FAILURE() << "no text widget " << name.toStdString();
    return QString();
}

QColor ExerciseFixture::ledColour(ExerciseWindow& w, const QString& name)
{
    auto* led = find<ShapeIndicator>(w, name);
    return led ? led->brushColor() : QColor();
}

bool ExerciseFixture::shown(ExerciseWindow& w, const QString& name)
{
    auto* widget = qobject_cast<QWidget*>(w.TROVA_COMP(name));
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget && !widget->isHidden();
}

}  // namespace quorvia::testing
