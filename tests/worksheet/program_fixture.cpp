// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "exercise/exercise_windows.h"
#include "support/window_cases.h"
#include "widgets/controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace quorvia::testing {

namespace {

void press(ExerciseWindow& w, const char* button)
{
    if (auto* b = WindowDriver::find<QAbstractButton>(w, QLatin1String(button)))
        b->click();
}

}  // namespace

void ProgramFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    folder_ = QDir(dir_.path()).absolutePath() + QLatin1Char('/');
    // The bundled texts and problems; no media, which the windows skip.
    const QDir bundled(QStringLiteral(QUORVIA_RESOURCES));
    const QStringList files = bundled.entryList({QStringLiteral("*.INI")}, QDir::Files);
    ASSERT_TRUE(files.contains(QStringLiteral("GENERALE.INI")));
    for (const QString& file : files) {
        if (file.compare(QStringLiteral("CONFIGURE.INI"), Qt::CaseInsensitive) != 0) {
            ASSERT_TRUE(QFile::copy(bundled.filePath(file), folder_ + file));
        }
    }

    main_ = std::make_unique<TForm1>(folder_);
    main_->findChild<QLineEdit*>(QStringLiteral("LMDEdit1"))->setText(QStringLiteral("Giulia"));
    hooks_ = std::make_unique<ProgramHooks>(*main_);
    windows_ = createExerciseWindows(*main_, hooks_.get());
    ASSERT_FALSE(windows_.empty());
}

void ProgramFixture::TearDown()
{
    windows_.clear();
    main_.reset();  // the exercise windows go with it
    hooks_.reset();
}

ExerciseWindow* ProgramFixture::window(Mode mode, Scheme scheme) const
{
    for (ExerciseWindow* w : windows_) {
        if (w->mode() == mode && w->scheme().scheme == scheme)
            return w;
    }
    ADD_FAILURE() << "no window for the mode and scheme";
    return nullptr;
}

ExerciseWindow* ProgramFixture::window(const QString& name) const
{
    for (ExerciseWindow* w : windows_) {
        if (w->objectName() == name)
            return w;
    }
    ADD_FAILURE() << "no window " << name.toStdString();
    return nullptr;
}

void ProgramFixture::open(ExerciseWindow& w, int problem)
{
    main_->findChild<QSpinBox*>(QStringLiteral("LMDstato"))->setValue(w.mode() == Mode::Beginner ? 1 : 2);
    main_->findChild<QSpinBox*>(QStringLiteral("SPLivello"))->setValue(schemeSpinnerValue(w.scheme().scheme));
    main_->setProblemSpinner(problem);
    ExerciseLaunch launch;
    launch.resource_folder = folder_;
    launch.problem_file_name = main_->currentProblemFileName();
    launch.current_problem = problem;
    launch.problem_count = main_->problemSpinnerMaximum();
    launch.scheme_code = schemeCode(w.scheme().scheme);
    w.hide();
    start(w, launch);
}

void ProgramFixture::next(ExerciseWindow& w)
{
    dialogs_->setNextYesNo(true);
    press(w, "LMDButton1");
}

void ProgramFixture::previous(ExerciseWindow& w)
{
    dialogs_->setNextYesNo(true);
    press(w, "LMDButton3");
}

void ProgramFixture::makeProgress(ExerciseWindow& w)
{
    const SchemeDescription& scheme = w.scheme();

    // Step 1: wrong, then right.
    putWrongSentence(w, 1);
    click(w, verificaOf(1));
    finishAnimations(w);
    if (w.mode() == Mode::Advanced)
        type(w, inputOf(w, 1), QString::fromStdString(w.state().answer_table[1][1]));
    else
        choose(w, inputOf(w, 1), w.state().correct_items.value(0).toInt());
    click(w, verificaOf(1));
    finishAnimations(w);

    // Step 2, a sentence left half done.
    if (w.mode() == Mode::Advanced)
        type(w, inputOf(w, 2), QStringLiteral("Una frase a metà"));
    else
        choose(w, inputOf(w, 2), 3);

    // The operation scheme, filled in ahead.
    int number = 11;
    for (const WidgetRow& row : scheme.widgets) {
        QObject* control = w.TROVA_COMP(QLatin1String(row.name));
        if (row.kind == WidgetKind::NumberBox) {
            if (auto* box = qobject_cast<QLineEdit*>(control))
                box->setText(QString::number(number++));
        } else if (row.kind == WidgetKind::OperatorLabel || row.kind == WidgetKind::FollowerLabel) {
            if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(QStringLiteral("X"));
        }
    }
}

void ProgramFixture::shiftEntryBoxes(ExerciseWindow& w)
{
    for (QWidget* control : controlsInOrder(&w)) {
        if (controlKind(control) == ControlKind::EntryBox)
            control->move(control->x() + 3, control->y() + 2);
    }
}

std::map<std::string, std::string> ProgramFixture::recordedState(ExerciseWindow& w)
{
    std::map<std::string, std::string> state;
    for (QWidget* c : controlsInOrder(&w)) {
        const QString tag = QStringLiteral(" tag=") + QString::number(quorvia::tag(c));
        QString seen;
        switch (controlKind(c)) {
        case ControlKind::Label:
            seen = QStringLiteral("caption=") + static_cast<QLabel*>(c)->text() + tag;
            break;
        case ControlKind::PushButton:
        case ControlKind::StepButton:
            seen = QStringLiteral("caption=") + static_cast<QAbstractButton*>(c)->text() + tag;
            break;
        case ControlKind::EntryBox:
            seen = QStringLiteral("text=%1%2 at %3,%4")
                       .arg(static_cast<QLineEdit*>(c)->text(), tag)
                       .arg(c->x())
                       .arg(c->y());
            break;
        case ControlKind::MaskedEntryBox:
            seen = QStringLiteral("text=") + static_cast<QLineEdit*>(c)->text() + tag;
            break;
        case ControlKind::ChoiceList: {
            auto* list = static_cast<QComboBox*>(c);
            seen = list->currentIndex() < 0 ? QStringLiteral("nothing chosen")
                                            : QStringLiteral("chosen=") + list->currentText();
            break;
        }
        case ControlKind::Shape:
            seen = tag.trimmed();
            break;
        case ControlKind::Other:
            continue;
        }
        state[c->objectName().toStdString()] = seen.toStdString();
    }
    return state;
}

std::map<std::string, QPoint> ProgramFixture::entryBoxPlaces(ExerciseWindow& w)
{
    std::map<std::string, QPoint> places;
    for (QWidget* c : controlsInOrder(&w)) {
        if (controlKind(c) == ControlKind::EntryBox)
            places[c->objectName().toStdString()] = c->pos();
    }
    return places;
}

QString ProgramFixture::save(ExerciseWindow& w, const QString& name)
{
    dialogs_->setNextSaveFile(path(name));
    press(w, "LMDsalva");
    return QFileInfo(name).suffix().isEmpty() ? path(name) + QStringLiteral(".INI") : path(name);
}

void ProgramFixture::load(ExerciseWindow& w, const QString& file)
{
    dialogs_->setNextOpenFile(file);
    press(w, "LMDcarica");
}

}  // namespace quorvia::testing
