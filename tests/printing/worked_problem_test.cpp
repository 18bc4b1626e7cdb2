// SPDX-License-Identifier: GPL-3.0-or-later
// The print button of every exercise window: the texts each report object
// receives at any point of a problem, and the three ways a print stops.

#include "print_fixture.h"

#include "printing/report.h"
#include "printing/worked_problem_report.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>

namespace quorvia::testing {
namespace {

using WorkedProblemPrint = WindowPrintTest;

QString plainLines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString formName()
{
    return QLatin1String(::testing::TestWithParam<WindowCase>::GetParam().name()).mid(1);
}

TEST_P(WorkedProblemPrint, BeforeAnyStepTheStepsPrintEmptyWithNoErrors)
{
    ExerciseWindow& w = open(1);
    // The title line's text comes from the appearance settings.
    w.findChild<QLabel*>(QStringLiteral("Titolo"))->setText(QStringLiteral("I problemi di primavera"));
    pressPrint();

    ASSERT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    EXPECT_TRUE(dialogs_->printPreviews()[0].caption.startsWith(QStringLiteral("Anteprima - ")));
    EXPECT_EQ(printed("memo0"), QStringLiteral("I problemi di primavera"));
    EXPECT_EQ(printed("memo1"), QStringLiteral("1/2"));
    EXPECT_EQ(plainLines(printed("memo3")), kProblemText);
    EXPECT_EQ(printed("memo7"), kChild + QStringLiteral(" ") + kNotFinished + QStringLiteral("  ERR=0"));
    for (int step = 1; step <= facts().steps(); ++step) {
        SCOPED_TRACE(step);
        if (step != facts().operationStep()) {
            EXPECT_EQ(printed(sentenceObject(facts(), step)), QString());
        }
        EXPECT_EQ(printed(errorObject(facts(), step)), QStringLiteral("Err=0"));
    }
    for (const auto& [object, solved] : facts().solved_partial_left)
        EXPECT_EQ(printed(QLatin1String(object)), QString()) << object;
    if (facts().scheme != Scheme::S4b) {
        EXPECT_EQ(printed("memo2"), QStringLiteral("Riscrivi la domanda e poi ..."));
        EXPECT_EQ(printed("memo8"), QStringLiteral("Scrivi i dati e poi ..."));
        EXPECT_EQ(printed("memo4"), QStringLiteral("Risolvi lo schema inserendo qui i dati  "));
        EXPECT_EQ(printed("memo21"), QStringLiteral("Scrivi la risposta"));
    }
}

TEST_P(WorkedProblemPrint, MidProblemTheStepsDoneAndTheirErrorsArePrinted)
{
    open(1);
    answerStep(1, false);
    answerStep(1, true);
    answerStep(2, true);
    pressPrint();

    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    EXPECT_EQ(printed("memo7"), kChild + QStringLiteral(" ") + kNotFinished + QStringLiteral("  ERR=1"));
    for (int step = 1; step <= facts().steps(); ++step) {
        SCOPED_TRACE(step);
        if (step != facts().operationStep()) {
            EXPECT_EQ(printed(sentenceObject(facts(), step)), step <= 2 ? sentenceText(facts(), step, 1) : QString());
        }
        EXPECT_EQ(printed(errorObject(facts(), step)), step == 1 ? QStringLiteral("Err=1") : QStringLiteral("Err=0"));
    }

    // What the preview shows is what the printer and the PDF file get.
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(QStringLiteral("problema.pdf")));
    dialogs_->printPreviews()[0].paint(&printer);
    QFile pdf(out.filePath(QStringLiteral("problema.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
}

TEST_P(WorkedProblemPrint, OnlyAFinishedProblemPrintsAsSolvedAloneUntilTheNextStart)
{
    open(1);
    solveAlone();
    pressPrint();
    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    EXPECT_EQ(printed("memo7"), kChild + QStringLiteral(" ") + kSolvedAlone + QStringLiteral("  ERR=0"));

    // The same problem started again is not finished any more.
    dialogs_->setNextYesNo(true);
    qobject_cast<QAbstractButton*>(window_->TROVA_COMP(QStringLiteral("LMDButton1")))->click();
    pressPrint();
    ASSERT_EQ(dialogs_->printPreviews().size(), 2);
    EXPECT_EQ(printed("memo7"), kChild + QStringLiteral(" ") + kNotFinished + QStringLiteral("  ERR=0"));
}

TEST_P(WorkedProblemPrint, AfterTheSolutionTheWholeProblemPrintsWithTheHelpedOutcome)
{
    open(1);
    showSolution();
    pressPrint();

    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    EXPECT_EQ(printed("memo7"), kChild + QStringLiteral(" ") + kSolvedWithHelp + QStringLiteral("  ERR=0"));
    for (int step = 1; step <= facts().steps(); ++step) {
        if (step != facts().operationStep()) {
            EXPECT_EQ(printed(sentenceObject(facts(), step)), sentenceText(facts(), step, 1)) << step;
        }
    }
    for (const auto& [object, solved] : facts().solved_partial_left)
        EXPECT_EQ(printed(QLatin1String(object)), QLatin1String(solved)) << object;
}

// R2 written as number, operator, R1: the window shows the number on the
// left of the second row and the partial result on the right; so does the paper.
TEST_P(WorkedProblemPrint, TheSecondRowIsPrintedInTheOrderTheProblemNeeds)
{
    open(2);
    showSolution();
    pressPrint();

    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    EXPECT_EQ(printed("memo1"), QStringLiteral("2/2"));
    for (const auto& [object, solved] : facts().solved_partial_right)
        EXPECT_EQ(printed(QLatin1String(object)), QLatin1String(solved)) << object;
}

TEST_P(WorkedProblemPrint, AnObjectNamedInCapitalsTakesItsText)
{
    writeTemplate(bundledTemplate().replace("name=\"memo6\"", "name=\"MEMO6\""));
    open(1);
    answerStep(1, true);
    pressPrint();

    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    const ReportText* question = reportComponent(*window_).findObject(QStringLiteral("memo6"));
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->name, QStringLiteral("MEMO6"));
    EXPECT_EQ(question->text, sentenceText(facts(), 1, 1));
}

TEST_P(WorkedProblemPrint, AMissingTemplateStopsThePrintAndLeavesTheWindowAsItWas)
{
    ExerciseWindow& w = open(1);
    answerStep(1, false);
    ASSERT_TRUE(QFile::remove(templatePath()));
    pressPrint();

    EXPECT_EQ(dialogs_->messages(),
              QStringList{QStringLiteral("Si è tentato di caricare da disco il report '%1.frReport1'. \r\n"
                                         "Ma il file '%2' è inesistente")
                              .arg(formName(), templatePath())});
    EXPECT_TRUE(dialogs_->printPreviews().isEmpty());
    EXPECT_TRUE(dialogs_->errorBoxes().isEmpty());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.errorTotal(), 1);
    EXPECT_EQ(qobject_cast<QAbstractButton*>(w.TROVA_COMP(QStringLiteral("H1")))->text(), QStringLiteral("Err=1"));
}

TEST_P(WorkedProblemPrint, AnObjectMissingFromTheTemplateStopsThePrint)
{
    QStringList missing{QStringLiteral("memo29")};
    // Every scheme-5 print needs the second operator.
    if (facts().scheme == Scheme::S5)
        missing.append(QStringLiteral("memo20"));
    for (const QString& object : missing) {
        SCOPED_TRACE(object.toStdString());
        const QRegularExpression element(QStringLiteral("<text name=\"%1\"[^>]*>").arg(object));
        QString withoutIt = QString::fromUtf8(bundledTemplate());
        ASSERT_TRUE(withoutIt.contains(element));
        withoutIt.remove(element);
        writeTemplate(withoutIt.toUtf8());
        dialogs_->clearRecords();

        open(1);
        pressPrint();
        EXPECT_EQ(dialogs_->messages(),
                  QStringList{QStringLiteral("Non è stato trovato nel report l'oggetto: %1.frReport1.%2")
                                  .arg(formName(), object)});
        EXPECT_TRUE(dialogs_->printPreviews().isEmpty());
        // Put the template back for the next object.
        QFile::remove(templatePath());
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVIA_RESOURCES "/") + QLatin1String(facts().template_file),
                                templatePath()));
    }
}

TEST_P(WorkedProblemPrint, ATemplateThatIsNotATemplateIsToldInAnErrorBox)
{
    const QByteArray whole = bundledTemplate();
    writeTemplate(whole.left(whole.size() / 2));
    open(1);
    pressPrint();

    ASSERT_EQ(dialogs_->errorBoxes().size(), 1);
    EXPECT_EQ(dialogs_->errorBoxes()[0].title, QStringLiteral("Errore"));
    EXPECT_TRUE(dialogs_->errorBoxes()[0].text.contains(templatePath())) << dialogs_->errorBoxes()[0].text.toStdString();
    EXPECT_TRUE(dialogs_->errorBoxes()[0].text.contains(QStringLiteral("finisce"))) << dialogs_->errorBoxes()[0].text.toStdString();
    EXPECT_TRUE(dialogs_->messages().isEmpty());
    EXPECT_TRUE(dialogs_->printPreviews().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WorkedProblemPrint, ::testing::ValuesIn(everyWindow()), windowCaseName);

}  // namespace
}  // namespace quorvia::testing
