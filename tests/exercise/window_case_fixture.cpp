// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_case_fixture.h"

#include "content/normalize_answer.h"
#include "exercise/exercise_windows.h"

#include <QFile>
#include <QRegularExpression>

namespace quorvia::testing {

QString WindowCaseFixture::fixtureFileOf(const WindowCase& c)
{
    // "TFormA4a": the mode's letter and the scheme's number.
    return QString::fromLatin1(c.name()).mid(5).toUpper() + QStringLiteral("_PROVA.INI");
}

void WindowCaseFixture::ensureFile(const WindowCase& c)
{
    if (!QFile::exists(folder_ + fixtureFileOf(c)))
        addTestFile(fixtureFileOf(c));
}

int WindowCaseFixture::problemCountOf(const WindowCase& c)
{
    ensureFile(c);
    QFile file(folder_ + fixtureFileOf(c));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression section(QStringLiteral("^\\[PROBLEMA_\\d+\\]"),
                                            QRegularExpression::MultilineOption);
    int count = 0;
    for (auto it = section.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext(); it.next())
        ++count;
    return count;
}

ProblemContent WindowCaseFixture::problemOf(const WindowCase& c, int problem)
{
    ensureFile(c);
    return problemIn(fixtureFileOf(c), problem, c.scheme());
}

ExerciseLaunch WindowCaseFixture::launchOf(const WindowCase& c, int problem, int count)
{
    ensureFile(c);
    return {folder_, fixtureFileOf(c), problem, count > 0 ? count : problemCountOf(c), schemeCode(c.scheme())};
}

std::unique_ptr<ExerciseWindow> WindowCaseFixture::openCase(const WindowCase& c, int problem, int count,
                                                            ExerciseHooks* hooks)
{
    const ExerciseLaunch launch = launchOf(c, problem, count);
    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(c.scheme(), c.mode, &main_));
    EXPECT_NE(w, nullptr) << c.name() << " is missing";
    if (!w)
        return w;
    if (hooks)
        w->setHooks(hooks);
    start(*w, launch);
    return w;
}

QPoint WindowCaseFixture::designPlace(const ExerciseWindow& w, const char* name)
{
    const WidgetRow* row = w.scheme().widget(QLatin1String(name));
    EXPECT_NE(row, nullptr) << name;
    if (!row)
        return QPoint(-1, -1);
    const WidgetPlace& place = w.mode() == Mode::Advanced ? row->advanced : row->beginner;
    return QPoint(place.left, place.top);
}

bool WindowCaseFixture::partialOnRightIn(const ProblemContent& problem)
{
    return NormalizeAnswer(problem.r2).rfind("R1", 0) != 0;
}

}  // namespace quorvia::testing
