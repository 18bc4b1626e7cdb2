// SPDX-License-Identifier: GPL-3.0-or-later
// The handbook's pictures, taken from the program's own windows: the main
// window, the exercise windows in their states, the print preview and the
// score window, each on a fixed problem, a fixed child's name, a fixed style
// and font, with every animation stopped on a fixed frame. The numbered marks
// the handbook's text refers to are drawn on them from the table below, at
// the controls they point at, so they follow a control that moves.
//
//   help_pictures FOLDER    writes FOLDER/<picture>.png
//
// tools/make_help.sh runs it before groff; the test help_pictures_current
// runs it again and compares, so a window that changes cannot leave an old
// picture in the handbook.

#include "app/program_hooks.h"
#include "base/resource_folder.h"
#include "editor/problem_editor.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "evaluator/decimal_number.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/fakes.h"
#include "platform/gif_player.h"
#include "progress/progress_file.h"
#include "shell/child_path_panel.h"
#include "shell/main_window.h"
#include "shell/score_window.h"
#include "support/window_cases.h"
#include "support/window_driver.h"
#include "teacher/check_view.h"
#include "teacher/class_view.h"
#include "teacher/teacher_area.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTest>
#include <QLockFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

namespace quorvia::help {
namespace {

using testing::WindowDriver;

// A numbered mark on `picture`: its centre (dx, dy) from the top left
// corner of the control named `control`; without a control, at (dx, dy).
struct Mark {
    const char* picture;
    const char* control;
    int dx, dy;
    int number;
};

// The handbook's text names these numbers; a mark added here is a line there.
const Mark kMarks[] = {
    // The main window.
    {"principale", "LMDEdit1", -14, 16, 1},
    {"principale", "LMDstato", 8, -14, 2},
    {"principale", "SPLivello", 8, -14, 3},
    {"principale", "SPProblema", 8, -14, 4},
    {"principale", "LMD5", 0, 0, 5},
    {"principale", "LMDintro", 0, 0, 6},
    {"principale", "LMD6", 0, 0, 7},
    {"principale", "SegniPercorso", -14, 10, 8},
    {"principale", "Ripassa", -14, 16, 9},
    // The child's path, larger.
    {"percorso", "SegniPercorso", -14, 10, 1},
    {"percorso", "RisoltiDaSolo", -14, 8, 2},
    {"percorso", "Ripassa", -14, 16, 3},
    // Where the main window shows the keys of GENERALE.INI.
    {"generale", "Label5", 265, 20, 1},
    {"generale", "RadioGroup1", -12, 8, 2},
    {"generale", "Label7", 8, -14, 3},
    {"generale", "LIVELLO", 8, -14, 4},
    {"generale", "Label4", 8, -14, 5},
    {"generale", "LMD5", 0, 0, 6},
    {"generale", "LMDintro", 0, 0, 7},
    {"generale", "LMD6", 0, 0, 8},
    {"generale", "Label1", 14, 14, 9},
    // The exercise window's tool bar, text and steps.
    {"problema", "LMDButton11", 13, 13, 1},
    {"problema", "LMDcarica", 13, 13, 2},
    {"problema", "LMDsalva", 13, 13, 3},
    {"problema", "LMDButton2", 13, 13, 4},
    {"problema", "LMDButton8", 13, 13, 5},
    {"problema", "LMDButton3", 13, 13, 6},
    {"problema", "LMDButton1", 13, 13, 7},
    {"problema", "LMDsoluzione", 13, 13, 8},
    {"problema", "Memo1", -14, 14, 9},
    {"problema", "Shape01", -3, 13, 10},
    {"problema", "EB01", -14, 14, 11},
    {"problema", "B1", 0, 0, 12},
    {"problema", "H1", 0, 0, 13},
    // The keys of a problem file, where the window shows them.
    {"chiavi", "Memo1", -14, 14, 1},
    {"chiavi", "Image4", 12, 12, 2},
    {"chiavi", "Label11", -12, 8, 3},
    {"chiavi", "Label14", -12, 8, 4},
    {"chiavi", "B4", 0, 0, 5},
    {"chiavi", "H4", 0, 0, 6},
};

constexpr int kMarkRadius = 11;

void drawMark(QImage& image, QPoint centre, int number)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(0xc0, 0x10, 0x30));
    painter.drawEllipse(centre, kMarkRadius, kMarkRadius);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(number < 10 ? 14 : 12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(centre.x() - kMarkRadius, centre.y() - kMarkRadius, 2 * kMarkRadius, 2 * kMarkRadius),
                     Qt::AlignCenter, QString::number(number));
}

// Animations stop on their first frame and the timers that move things stop,
// so two runs give the same pixels.
void freeze(QWidget* window)
{
    // Loaded again, an animation rests on its first frame, stopped.
    for (platform::GifPlayer* player : window->findChildren<platform::GifPlayer*>()) {
        if (player->hasAnimation())
            player->loadFile(player->fileName());
    }
    for (QTimer* timer : window->findChildren<QTimer*>())
        timer->stop();
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

class Album {
public:
    explicit Album(QString folder) : folder_(std::move(folder)) {}

    // Saves what `window` shows as `name`.png, with the marks of `name`;
    // with `part`, only that control and a margin around it.
    void take(QWidget* window, const char* name, const char* part = nullptr)
    {
        settle();
        freeze(window);
        QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const Mark& mark : kMarks) {
            if (qstrcmp(mark.picture, name) != 0)
                continue;
            QPoint at(mark.dx, mark.dy);
            if (mark.control) {
                auto* control = window->findChild<QWidget*>(QLatin1String(mark.control));
                if (!control || !control->isVisible()) {
                    std::cerr << name << ": no control " << mark.control << " for mark " << mark.number << '\n';
                    failed_ = true;
                    continue;
                }
                at += control->mapTo(window, QPoint(0, 0));
            }
            at.setX(std::clamp(at.x(), kMarkRadius + 1, image.width() - kMarkRadius - 2));
            at.setY(std::clamp(at.y(), kMarkRadius + 1, image.height() - kMarkRadius - 2));
            drawMark(image, at, mark.number);
        }
        if (part) {
            auto* control = window->findChild<QWidget*>(QLatin1String(part));
            if (!control) {
                std::cerr << name << ": no control " << part << '\n';
                failed_ = true;
                return;
            }
            const QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
            image = image.copy(area.adjusted(-28, -8, 8, 8).intersected(image.rect()));
        }
        const QString file = QDir(folder_).filePath(QLatin1String(name) + QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            std::cerr << "cannot write " << file.toStdString() << '\n';
            failed_ = true;
        }
    }

    bool failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

// The dialogs answer as scripted, except the print preview, which opens for
// the picture and closes again.
class PictureDialogs : public platform::ScriptedDialogs {
public:
    explicit PictureDialogs(Album& album) : album_(album) {}

    void showPrintPreview(QWidget* parent, const QString& caption,
                          const std::function<void(QPrinter*)>& paint) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowTitle(caption);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&paint](QPrinter* target) { paint(target); });
        platform::addSavePdfAction(preview, paint);
        preview.resize(900, 680);
        preview.show();
        album_.take(&preview, "anteprima");
        preview.close();
    }

private:
    Album& album_;
};

// The records of the child whose path the main window shows.
void writeProgress(const QString& folder)
{
    using progress::Outcome;
    const auto add = [&folder](const char* day, int problem, Outcome outcome, int errors) {
        progress::ProgressRecord r;
        r.when = std::string(day) + "T09:00:00+01:00";
        r.child = "Giulia";
        r.computer = "aula";
        r.mode = Mode::Beginner;
        r.scheme = Scheme::S3;
        r.problem_file = "P_SCHEMA3.INI";
        r.problem = problem;
        r.outcome = outcome;
        r.steps = progress::stepsOf(r.scheme);
        r.steps[1].errors = errors;
        progress::appendRecord(folder.toStdString(), r);
    };
    add("2026-12-07", 1, Outcome::SolvedAlone, 0);
    add("2026-12-07", 2, Outcome::SolvedAlone, 1);
    add("2026-12-07", 3, Outcome::SolvedWithSolution, 2);
    add("2026-12-08", 4, Outcome::LeftNext, 1);
    add("2026-12-08", 5, Outcome::SolvedAlone, 0);
}

// The bundled folder, with the progress folder inside it.
bool copyResources(const QString& to)
{
    const QDir bundled(QStringLiteral(QUORVIA_RESOURCES));
    for (const QString& file : bundled.entryList(QDir::Files)) {
        if (!QFile::copy(bundled.filePath(file), to + file))
            return false;
    }
    QFile generale(to + QStringLiteral("GENERALE.INI"));
    if (!generale.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = generale.readAll();
    generale.close();
    text.replace("[AREA_PROGRAMMA]\r\n", "[AREA_PROGRAMMA]\r\nCARTELLA_PROGRESSI=progressi\r\n");
    generale.remove();
    if (!generale.open(QIODevice::WriteOnly) || generale.write(text) != text.size())
        return false;
    QDir(to).mkdir(QStringLiteral("progressi"));
    writeProgress(to + QStringLiteral("progressi/"));
    return true;
}

class Program {
public:
    Program(const QString& folder, Album& album)
        : folder_(folder), album_(album), dialogs_(album)
    {
        platform::setDialogs(&dialogs_);
        main_ = std::make_unique<TForm1>(folder_);
        main_->findChild<QLineEdit*>(QStringLiteral("LMDEdit1"))->setText(QStringLiteral("Giulia"));
        main_->childPath()->setToday([] { return progress::CivilDate{2026, 12, 9}; });
        hooks_ = std::make_unique<ProgramHooks>(*main_);
        windows_ = createExerciseWindows(*main_, hooks_.get());
    }
    ~Program()
    {
        windows_.clear();
        main_.reset();
        platform::setDialogs(nullptr);
    }

    void mainWindow()
    {
        main_->show();
        // Showing starts the bouncing and the walking mascot on a timer:
        // stopped before the first tick, they stay where the layout put them.
        freeze(main_.get());
        main_->childPath()->refresh();
        main_->childPath()->waitForReading();
        settle();
        album_.take(main_.get(), "principale");
        album_.take(main_.get(), "generale");
        album_.take(main_.get(), "percorso", "Percorso");
        main_->hide();
    }

    ExerciseWindow& open(Scheme scheme, Mode mode, int problem)
    {
        ExerciseWindow* w = nullptr;
        for (ExerciseWindow* candidate : windows_) {
            if (candidate->mode() == mode && candidate->scheme().scheme == scheme)
                w = candidate;
            candidate->hide();
        }
        main_->findChild<QSpinBox*>(QStringLiteral("LMDstato"))->setValue(mode == Mode::Beginner ? 1 : 2);
        main_->findChild<QSpinBox*>(QStringLiteral("SPLivello"))->setValue(testing::schemeSpinnerValue(scheme));
        main_->setProblemSpinner(problem);
        // The beginner's lists in one order every run.
        w->setRandomSource(std::make_unique<FixedDraw>());
        ExerciseLaunch launch;
        launch.resource_folder = folder_;
        launch.problem_file_name = main_->currentProblemFileName();
        launch.current_problem = problem;
        launch.problem_count = main_->problemSpinnerMaximum();
        launch.scheme_code = schemeCode(scheme);
        WindowDriver::start(*w, launch);
        settle();
        WindowDriver::finishAnimations(*w);
        return *w;
    }

    void exerciseWindows()
    {
        // A beginner's problem with a picture, as it opens.
        ExerciseWindow& beginner = open(Scheme::S3, Mode::Beginner, 4);
        const ProblemContent problem = content(beginner);
        album_.take(&beginner, "problema");

        // A wrong question, with its message.
        WindowDriver::putWrongSentence(beginner, 1);
        WindowDriver::click(beginner, WindowDriver::verificaOf(1));
        WindowDriver::finishAnimations(beginner);
        album_.take(&beginner, "errore");

        // The step's hint.
        WindowDriver::click(beginner, QStringLiteral("H1"));
        WindowDriver::finishAnimations(beginner);
        album_.take(&beginner, "aiuto");

        // The scheme filled in, before its check.
        WindowDriver::answerStepsBeforeScheme(beginner, problem);
        const ExpectedTexts right = WindowDriver::schemeAnswers(beginner, problem);
        WindowDriver::fillExpected(beginner, right);
        album_.take(&beginner, "schema");
        album_.take(&beginner, "chiavi");

        // A wrong sign, and the message the problem file has for it.
        ExpectedTexts wrong = right;
        for (ExpectedText& expected : wrong) {
            if (expected.widget.startsWith(QLatin1String("Loper"))) {
                expected.text = expected.text == QLatin1String("+") ? QStringLiteral("X") : QStringLiteral("+");
                break;
            }
        }
        WindowDriver::fillExpected(beginner, wrong);
        WindowDriver::click(beginner, WindowDriver::verificaOf(schemeStep(beginner)));
        WindowDriver::finishAnimations(beginner);
        album_.take(&beginner, "messaggio");
        WindowDriver::fillExpected(beginner, right);

        // The steps after the scheme done: the end of the problem.
        bool after_scheme = false;
        for (const StepRow& step : beginner.scheme().steps) {
            if (step.kind == StepKind::OperationScheme) {
                WindowDriver::click(beginner, WindowDriver::verificaOf(step.step));
                WindowDriver::finishAnimations(beginner);
                after_scheme = true;
            } else if (after_scheme) {
                WindowDriver::answerStep(beginner, problem, step.step);
            }
        }
        album_.take(&beginner, "fine");

        // Printing the finished problem.
        WindowDriver::click(beginner, QStringLiteral("LMDButton2"));
        beginner.hide();

        // An expert writes the sentences: the question typed.
        ExerciseWindow& advanced = open(Scheme::S3, Mode::Advanced, 8);
        WindowDriver::putSentence(advanced, 1, QString::fromStdString(content(advanced).variants[1][1]));
        album_.take(&advanced, "esperto");
        advanced.hide();

        // The other schemes at their operation scheme, filled in.
        const struct {
            Scheme scheme;
            Mode mode;
            const char* name;
        } others[] = {
            {Scheme::S4a, Mode::Advanced, "schema4a"},
            {Scheme::S4b, Mode::Beginner, "schema4b"},
            {Scheme::S5, Mode::Beginner, "schema5"},
        };
        for (const auto& other : others) {
            ExerciseWindow& w = open(other.scheme, other.mode, 1);
            const ProblemContent shown = content(w);
            WindowDriver::answerStepsBeforeScheme(w, shown);
            WindowDriver::fillExpected(w, WindowDriver::schemeAnswers(w, shown));
            album_.take(&w, other.name);
            w.hide();
        }
    }

    // The teacher's area after a check of the folder, its class tab, and
    // the problem editor on the beginner's problem of the pictures above.
    void teacherWindows()
    {
        const teacher::TeacherAreaSetup setup{{folder_, FolderSource::Option},
                                              {folder_ + QStringLiteral("progressi"), FolderSource::Generale},
                                              [](Mode, Scheme, int, const QString&) {}};
        // One key misspelt, as a teacher might: the check finds it.
        const std::string file = (folder_ + QStringLiteral("P_SCHEMA3.INI")).toStdString();
        IniFile problems = IniFile::read(file);
        problems.writeString("PROBLEMA_2", "MSG_DATTO2", "Rileggi il testo: quanti sono?");
        problems.save(file);
        teacher::TeacherArea area(setup, false);
        area.resize(1000, 580);
        area.show();
        settle();
        area.checkView()->runCheck();
        area.checkView()->findingsTree()->expandAll();
        album_.take(&area, "insegnante-controllo");
        area.findChild<QTabWidget*>()->setCurrentWidget(area.classTab());
        album_.take(&area, "insegnante-classe");
        area.hide();

        editor::ProblemEditor editor(folder_);
        editor.setLocaleSeparator(',');
        editor.resize(1000, 580);
        editor.openAt(Mode::Beginner, Scheme::S3, 4);
        editor.show();
        // The findings come a moment after the last key, as a teacher types.
        QTest::qWait(600);
        album_.take(&editor, "editor");
        editor.hide();
    }

    void scoreWindow()
    {
        TForm3 score(folder_);
        score.setTickInterval(24 * 60 * 60 * 1000);
        score.setPoints(3);
        score.show();
        for (int tick = 0; tick < 3; ++tick)
            score.Timer1Timer();
        album_.take(&score, "punteggio");
    }

private:
    class FixedDraw : public RandomSource {
    public:
        void reseed() override {}
        int between(int low, int /*high*/) override { return low; }
    };

    static int schemeStep(ExerciseWindow& w)
    {
        for (const StepRow& step : w.scheme().steps) {
            if (step.kind == StepKind::OperationScheme)
                return step.step;
        }
        return 0;
    }

    ProblemContent content(ExerciseWindow& w)
    {
        return readProblem(IniFile::read((folder_ + w.state().problem_file_name).toStdString()),
                           w.state().current_problem, w.scheme().scheme);
    }

    QString folder_;
    Album& album_;
    PictureDialogs dialogs_;
    platform::ScopedFakeSound sound_;
    ScopedDecimalSeparator comma_{','};
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<ProgramHooks> hooks_;
    std::vector<ExerciseWindow*> windows_;
};

}  // namespace
}  // namespace quorvia::help

int main(int argc, char** argv)
{
    // The offscreen platform's notes on what it cannot do say nothing here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")) &&
            !text.startsWith(QLatin1String("QStandardPaths:")))
            std::cerr << qPrintable(text) << '\n';
    });
    if (argc != 2) {
        std::cerr << "usage: help_pictures FOLDER\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // One font and one style, whatever the desktop would choose.
    qputenv("QT_QPA_PLATFORMTHEME", "");
    quorvia::platform::Application app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    // A text cursor that blinks would be on in one picture and off in the next.
    QApplication::setCursorFlashTime(0);

    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);
    // The teacher's windows show the folder they read: one fixed place, so
    // that every run gives the same pixels; a second run waits for the first.
    const QString base = QStringLiteral("/tmp/quorvia-guida");
    QLockFile busy(base + QStringLiteral(".lock"));
    busy.setStaleLockTime(0);
    if (!busy.lock()) {
        std::cerr << "cannot lock " << base.toStdString() << ".lock\n";
        return 1;
    }
    QDir(base).removeRecursively();
    const QString folder = base + QStringLiteral("/RISORSE/");
    const struct Cleanup {
        QString base;
        ~Cleanup() { QDir(base).removeRecursively(); }
    } cleanup{base};
    if (!QDir().mkpath(folder) || !quorvia::help::copyResources(folder)) {
        std::cerr << "cannot copy the resource folder into " << folder.toStdString() << '\n';
        return 1;
    }
    // The owl of the splash picture, for the cover.
    const QImage splash(folder + QStringLiteral("splash.png"));
    QImage owl(250, 204, QImage::Format_RGB32);
    owl.fill(Qt::white);
    QPainter(&owl).drawImage(0, 0, splash);
    owl.save(QDir(out).filePath(QStringLiteral("copertina.png")), "PNG");

    quorvia::help::Album album(out);
    {
        quorvia::help::Program program(folder, album);
        program.mainWindow();
        program.exerciseWindows();
        program.scoreWindow();
        program.teacherWindows();
    }
    return album.failed() ? 1 : 0;
}
