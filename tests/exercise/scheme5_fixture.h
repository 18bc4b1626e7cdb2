#pragma once
// A fresh scheme-5 window per test on the fixture files A5_PROVA.INI and
// P5_PROVA.INI, with the helpers that fill its two-row operation scheme.

#include "exercise_fixture.h"

#include "content/ini_file.h"
#include "exercise/scheme5.h"

#include <QFile>
#include <QPoint>

namespace quorvia::testing {

inline const QString kAdvanced5File = QStringLiteral("A5_PROVA.INI");
inline const QString kBeginner5File = QStringLiteral("P5_PROVA.INI");

// The five numbers and the two signs of the operation scheme.
struct Scheme5Entry {
    const char* dato1;
    const char* sign1;  // menu item; null: none picked
    const char* dato2;
    const char* partial;
    const char* dato3;
    const char* sign2;  // menu item; null: none picked
    const char* result;
};

class Scheme5Fixture : public ExerciseFixture {
protected:
    static inline const QColor kRed{255, 0, 0}, kYellow{255, 255, 0}, kLime{0, 255, 0};

    void SetUp() override
    {
        ExerciseFixture::SetUp();
        for (const QString& file : {kAdvanced5File, kBeginner5File}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVIA_TEST_DATA "/") + file, folder_ + file))
                << file.toStdString();
        }
    }

    // The window of the mode, not yet shown.
    std::unique_ptr<ExerciseWindow> create(Mode mode)
    {
        return std::unique_ptr<ExerciseWindow>(createScheme5Window(mode, &main_, nullptr));
    }

    // TFormA5 or TFormP5 on its fixture file, shown, so it starts the problem.
    std::unique_ptr<ExerciseWindow> open5(Mode mode, int problem = 1, int count = 8)
    {
        auto window = create(mode);
        const QString file = mode == Mode::Advanced ? kAdvanced5File : kBeginner5File;
        window->setLaunch({folder_, file, problem, count, 5});
        window->show();
        return window;
    }

    ProblemContent fixtureProblem(Mode mode, int problem) const
    {
        const QString file = mode == Mode::Advanced ? kAdvanced5File : kBeginner5File;
        return readProblem(IniFile::read((folder_ + file).toStdString()), problem, Scheme::S5);
    }

    // Answers a sentence step with its right sentence (typed, or picked by
    // its text) and lets the animation play out.
    static void answerStep(ExerciseWindow& w, const ProblemContent& problem, int step)
    {
        const StepRow* row = w.scheme().step(step);
        ASSERT_NE(row, nullptr);
        const QString right = QString::fromStdString(problem.variants[step][1]);
        if (w.mode() == Mode::Advanced) {
            type(w, QLatin1String(row->advanced_input), right);
        } else {
            const QString list = QLatin1String(row->beginner_input);
            choose(w, list, rightPosition(w, list, right));
        }
        click(w, QStringLiteral("B") + QString::number(step));
        finishAnimations(w);
    }

    // Steps 1 to 4 answered right: the operation scheme is open.
    void passDataSteps(ExerciseWindow& w, int problem)
    {
        const ProblemContent content = fixtureProblem(w.mode(), problem);
        for (int step = 1; step <= 4; ++step)
            answerStep(w, content, step);
    }

    static void fillScheme(ExerciseWindow& w, const Scheme5Entry& e)
    {
        type(w, "dato1", QString::fromUtf8(e.dato1));
        if (e.sign1)
            pickSign(w, "Loper1", e.sign1);
        type(w, "dato2", QString::fromUtf8(e.dato2));
        type(w, "Risultato1", QString::fromUtf8(e.partial));
        type(w, "dato3", QString::fromUtf8(e.dato3));
        if (e.sign2)
            pickSign(w, "Loper2", e.sign2);
        type(w, "Risultato2", QString::fromUtf8(e.result));
    }

    static QPoint place(ExerciseWindow& w, const char* name)
    {
        auto* widget = find<QWidget>(w, QLatin1String(name));
        return widget ? widget->pos() : QPoint(-1, -1);
    }
};

}  // namespace quorvia::testing
