// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_fixture.h"

#include "exercise/exercise_windows.h"
#include "printing/report.h"
#include "printing/worked_problem_report.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace quorvia::testing {

namespace {

const SchemeFacts kFacts[] = {
    {Scheme::S3, "S3.INI", "stampa3.frf", 1, 2, 1,
     {{"memo12", "12"}, {"memo5", "3"}, {"memo13", "36"}, {"memo15", "X"}},
     {{"memo12", "12"}, {"memo5", "3"}, {"memo13", "36"}, {"memo15", "X"}}},
    {Scheme::S4a, "S4A.INI", "stampa41.frf", 1, 5, 1,
     {{"E17", "4"}, {"E27", "5"}, {"E37", "6"}, {"E47", "7"}, {"E57", "22"}, {"jolly", "22"}, {"E67", "2"},
      {"E77", "44"}, {"memo15", "+"}, {"memo55", "+"}, {"memo56", "+"}, {"memo20", "X"}},
     {{"E17", "4"}, {"E27", "5"}, {"E37", "6"}, {"E47", "7"}, {"E57", "22"}, {"jolly", "100"}, {"E67", "22"},
      {"E77", "78"}, {"memo15", "+"}, {"memo55", "+"}, {"memo56", "+"}, {"memo20", "-"}}},
    {Scheme::S4b, "S4B.INI", "stampa42.frf", 2, 4, 2,
     {{"E17", "4"}, {"E27", "5"}, {"E37", "6"}, {"E57", "15"}, {"jolly", "15"}, {"E67", "2"}, {"E77", "30"},
      {"memo15", "+"}, {"memo55", "+"}, {"memo20", "X"}},
     {{"E17", "4"}, {"E27", "5"}, {"E37", "6"}, {"E57", "15"}, {"jolly", "100"}, {"E67", "15"}, {"E77", "85"},
      {"memo15", "+"}, {"memo55", "+"}, {"memo20", "-"}}},
    {Scheme::S5, "S5.INI", "stampa.frf", 1, 3, 1,
     {{"E17", "12"}, {"E27", "5"}, {"E37", "17"}, {"jolly", "17"}, {"E67", "3"}, {"E77", "51"},
      {"memo15", "+"}, {"memo20", "X"}},
     {{"E17", "12"}, {"E27", "5"}, {"E37", "17"}, {"jolly", "60"}, {"E67", "17"}, {"E77", "43"},
      {"memo15", "+"}, {"memo20", "-"}}},
};

struct Formulas {
    const char* r1;
    const char* r2_left;
    const char* r2_right;
};

Formulas formulasOf(Scheme scheme)
{
    switch (scheme) {
    case Scheme::S3: return {"12 x 3", "", ""};
    case Scheme::S4a: return {"4 + 5 + 6 + 7", "R1 x 2", "100 - R1"};
    case Scheme::S4b: return {"4 + 5 + 6", "R1 x 2", "100 - R1"};
    case Scheme::S5: return {"12 + 5", "R1 x 3", "60 - R1"};
    }
    return {};
}

enum class Role { Question, Datum, Scheme, Answer };

// The role of a step and its number among the steps of that role (from 1).
std::pair<Role, int> roleOf(const SchemeFacts& facts, int step)
{
    if (step <= facts.questions)
        return {Role::Question, step};
    if (step <= facts.questions + facts.data)
        return {Role::Datum, step - facts.questions};
    if (step == facts.operationStep())
        return {Role::Scheme, 1};
    return {Role::Answer, step - facts.operationStep()};
}

QString sentenceKey(const SchemeFacts& facts, int step, int k)
{
    const bool twoQuestions = facts.questions == 2;
    const auto [role, n] = roleOf(facts, step);
    switch (role) {
    case Role::Question:
        return twoQuestions ? QStringLiteral("DOMANDA%1_%2").arg(n).arg(k) : QStringLiteral("DOMANDA%1").arg(k);
    case Role::Datum: return QStringLiteral("DATO%1_TESTO%2").arg(n).arg(k);
    case Role::Answer:
        return twoQuestions ? QStringLiteral("RISPOSTA%1_%2").arg(n).arg(k) : QStringLiteral("RISPOSTA%1").arg(k);
    case Role::Scheme: break;
    }
    return QString();
}

QByteArray problemFile(const SchemeFacts& facts)
{
    const Formulas formulas = formulasOf(facts.scheme);
    QString ini = QStringLiteral("[AREA_PROGRAMMA]\nMSG_USCITA=Vuoi uscire?\nMSG_RISOLTO_DA=%1\n"
                                 "MSG_RISOLTO_CON=%2\nBTN_VERIFICA=Verifica\nBTN_SOLUZIONE=Soluzione\n")
                      .arg(kSolvedAlone, kSolvedWithHelp);
    for (int problem = 1; problem <= 2; ++problem) {
        ini += QStringLiteral("\n[PROBLEMA_%1]\nTESTO=%2\nR1=%3\n")
                   .arg(problem)
                   .arg(QString(kProblemText).replace(QLatin1Char('\n'), QLatin1Char('|')))
                   .arg(QLatin1String(formulas.r1));
        if (facts.scheme != Scheme::S3)
            ini += QStringLiteral("R2=%1\n").arg(QLatin1String(problem == 1 ? formulas.r2_left : formulas.r2_right));
        for (int step = 1; step <= facts.steps(); ++step) {
            if (step == facts.operationStep())
                continue;
            for (int k = 1; k <= 5; ++k)
                ini += sentenceKey(facts, step, k) + QLatin1Char('=') + sentenceText(facts, step, k) + QLatin1Char('\n');
        }
    }
    return ini.toLatin1();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

}  // namespace

const SchemeFacts& factsOf(Scheme scheme)
{
    for (const SchemeFacts& facts : kFacts) {
        if (facts.scheme == scheme)
            return facts;
    }
    return kFacts[0];
}

QString sentenceObject(const SchemeFacts& facts, int step)
{
    static const char* const questions[] = {"memo6", "memo34"};
    static const char* const data[] = {"memo9", "memo10", "memo11", "memo25", "memo24"};
    static const char* const answers[] = {"memo29", "memo57"};
    const auto [role, n] = roleOf(facts, step);
    switch (role) {
    case Role::Question: return QLatin1String(questions[n - 1]);
    case Role::Datum: return QLatin1String(data[n - 1]);
    case Role::Answer: return QLatin1String(answers[n - 1]);
    case Role::Scheme: break;
    }
    return QString();
}

QString errorObject(const SchemeFacts& facts, int step)
{
    static const char* const questions[] = {"memo37", "memo50"};
    static const char* const data[] = {"memo38", "memo46", "memo47", "memo26", "memo42"};
    static const char* const answers[] = {"memo45", "memo58"};
    const auto [role, n] = roleOf(facts, step);
    switch (role) {
    case Role::Question: return QLatin1String(questions[n - 1]);
    case Role::Datum: return QLatin1String(data[n - 1]);
    case Role::Answer: return QLatin1String(answers[n - 1]);
    case Role::Scheme: return QStringLiteral("memo39");
    }
    return QString();
}

QString sentenceText(const SchemeFacts& facts, int step, int k)
{
    const auto [role, n] = roleOf(facts, step);
    switch (role) {
    case Role::Question: return QStringLiteral("Domanda %1, frase %2?").arg(n).arg(k);
    case Role::Datum: return QStringLiteral("Dato %1, frase %2.").arg(n).arg(k);
    case Role::Answer: return QStringLiteral("Risposta %1, frase %2.").arg(n).arg(k);
    case Role::Scheme: break;
    }
    return QString();
}

void WindowPrintTest::PrintingHooks::print(ExerciseWindow& window)
{
    printWorkedProblem(window);
}

void WindowPrintTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path() + QLatin1Char('/');

    QByteArray generale;
    for (const char* section : {"PRINCIPIANTE", "AVANZATO"}) {
        generale += QByteArray("[") + section + "]\n";
        for (int n = 1; n <= 4; ++n) {
            generale += "INI_FILE" + QByteArray::number(n) + "=" + kFacts[n - 1].problem_file + "\n";
            generale += "MAX" + QByteArray::number(n) + "=2\n";
        }
    }
    writeFile(folder_ + QStringLiteral("GENERALE.INI"), generale);
    for (const SchemeFacts& facts : kFacts) {
        writeFile(folder_ + QLatin1String(facts.problem_file), problemFile(facts));
        const QString bundled = QStringLiteral(QUORVIA_RESOURCES "/") + QLatin1String(facts.template_file);
        ASSERT_TRUE(QFile::copy(bundled, folder_ + QLatin1String(facts.template_file))) << facts.template_file;
    }

    main_ = std::make_unique<TForm1>(folder_);
    main_->findChild<QLineEdit*>(QStringLiteral("LMDEdit1"))->setText(kChild);
    createExerciseWindows(*main_, &hooks_);
    window_ = dynamic_cast<ExerciseWindow*>(main_->exerciseWindow(GetParam().mode, GetParam().scheme()));
    ASSERT_NE(window_, nullptr) << GetParam().name() << " is missing";
}

void WindowPrintTest::TearDown()
{
    main_.reset();
}

ExerciseWindow& WindowPrintTest::open(int problem)
{
    ExerciseLaunch launch;
    launch.resource_folder = folder_;
    launch.problem_file_name = QLatin1String(facts().problem_file);
    launch.current_problem = problem;
    launch.problem_count = 2;
    launch.scheme_code = schemeCode(GetParam().scheme());
    start(*window_, launch);
    return *window_;
}

void WindowPrintTest::answerStep(int step, bool right)
{
    finishAnimations(*window_);
    if (right)
        putSentence(*window_, step, sentenceText(facts(), step, 1));
    else
        putWrongSentence(*window_, step);
    auto* verifica = find<QAbstractButton>(*window_, verificaOf(step));
    ASSERT_NE(verifica, nullptr);
    ASSERT_TRUE(verifica->isEnabled()) << "step " << step << " is not open";
    verifica->click();
    finishAnimations(*window_);
}

void WindowPrintTest::solveAlone()
{
    for (const StepRow& step : window_->scheme().steps) {
        if (step.kind == StepKind::Sentence) {
            answerStep(step.step, true);
            continue;
        }
        fillExpected(*window_, schemeAnswers(*window_));
        window_->operationSchemeClick();
        finishAnimations(*window_);
    }
}

void WindowPrintTest::showSolution()
{
    click(*window_, QStringLiteral("LMDsoluzione"));
    finishAnimations(*window_);
}

void WindowPrintTest::pressPrint()
{
    click(*window_, QStringLiteral("LMDButton2"));
}

QString WindowPrintTest::printed(const QString& object)
{
    const ReportText* text = reportComponent(*window_).findObject(object);
    EXPECT_NE(text, nullptr) << object.toStdString();
    return text ? text->text : QString();
}

QString WindowPrintTest::templatePath() const
{
    return folder_ + QLatin1String(facts().template_file);
}

void WindowPrintTest::writeTemplate(const QByteArray& bytes)
{
    QFile::remove(templatePath());
    writeFile(templatePath(), bytes);
}

QByteArray WindowPrintTest::bundledTemplate() const
{
    QFile file(templatePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

}  // namespace quorvia::testing
