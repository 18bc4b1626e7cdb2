// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One exercise window: the common mechanics of all eight, built from a
// scheme's description for one mode. The window is the view; the rules of a
// sentence check, of error counting, of the animation phases and of the
// scheme check live in the plain classes it calls.

#include "content/problem_file.h"
#include "content/scheme.h"
#include "evaluator/calc_express.h"
#include "exercise/animation_clock.h"
#include "exercise/choice_shuffle.h"
#include "exercise/exercise_state.h"
#include "exercise/scheme_description.h"
#include "shell/exercise_slot.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class QTimer;

namespace quorvia {

namespace platform {
class GifPlayer;
class WavePlayer;
}  // namespace platform

class ExerciseHooks;
class HintBalloon;
class MainWindowServices;
class PictureBox;

class ExerciseWindow : public QDialog, public ExerciseSlot {
    Q_OBJECT
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    // `main` gives the child's name and takes the problem shown (may be null).
    ExerciseWindow(const SchemeDescription& scheme, Mode mode, MainWindowServices* main,
                   QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    // ExerciseSlot
    QDialog* dialog() override { return this; }
    void setLaunch(const ExerciseLaunch& launch) override;
    int solvedCount() const override { return state_.solved_count; }

    // Published methods.
    void CARICA_PROBLEMA();
    void INIZIO();
    void ripulisci_editfield();
    // `mistake` picks the teacher's message for that very mistake, if any.
    void ERRORE(QAbstractButton* counter, int step, const Mistake& mistake = {});
    void MBRAVO(QAbstractButton* button);
    QObject* TROVA_COMP(const QString& name);

    // Handlers, public so tests can drive the window as the child does.
    void FormActivate();
    void FormClose();
    void B1Click(QAbstractButton* sender);
    // The operation-scheme check (B4 in scheme 3, B7 in 4a and 4b, B5 in 5).
    void operationSchemeClick();
    void H1Click(QAbstractButton* sender);
    void Loper2MouseUp(QLabel* label, const QPoint& globalPos);
    void N1Click(QAction* item);
    void Timer1Timer();
    void LMDButton1Click();  // next problem
    void LMDButton3Click();  // previous problem
    void LMDButton8Click();  // general help
    void LMDButton11Click(); // close
    void LMDsoluzioneClick();
    void LMDsalvaClick();
    void LMDcaricaClick();
    void LMDButton2Click();  // print
    void SBClick();
    void SBResize();

    // What tests and the other parts of the program read.
    const ExerciseState& state() const { return state_; }
    // The main window that launched it (null in some tests); printing reads
    // the child's name there.
    MainWindowServices* mainWindow() const { return main_; }
    const SchemeDescription& scheme() const { return scheme_; }
    Mode mode() const { return mode_; }
    const AnimationClock& animationClock() const { return clock_; }
    // Busy rule: while the animation clock runs, sentence checks do nothing.
    bool isAnimating() const;
    int errorTotal() const;
    // True when the partial result is the right operand of the second
    // operation (as in 100-R1); as the last load that prepared the formulas left it.
    bool partialOnRight() const { return state_.formulas.partial_on_right != 0; }
    // The last step: beginner windows keep it from each showing; advanced
    // windows find the highest Tag of their step buttons.
    int lastStep();

    void setHooks(ExerciseHooks* hooks);
    void setRandomSource(std::unique_ptr<RandomSource> random);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

    // Points where a later scheme departs; the defaults are the common mechanics.
    virtual void resetIndicatorsForStart();
    virtual void fillSolution();
    virtual void finishProblem(int step);
    virtual void endClosingSequence();
    // The widgets of the last step that the end of the closing sequence (and
    // the closing of the window) show again.
    virtual QStringList lastStepWidgets(bool closingWindow) const;
    // An error (GIF1) or step-success (GIF2) animation is about to be shown
    // and started.
    virtual void beforeFeedbackAnimation(platform::GifPlayer* /*player*/) {}

    // Runs an event's handler; a failure that leaves it (a formula part that
    // is not a number, ...) is shown in a message box and the window stays
    // open with what was done so far.
    void guarded(const std::function<void()>& handler);

    template <class T>
    T* control(const QString& name) { return qobject_cast<T*>(TROVA_COMP(name)); }
    QWidget* widgetNamed(const QString& name) { return control<QWidget>(name); }
    QString stepName(const char* prefix, int step) const;
    const WindowDepartures& departures() const;
    bool resourceExists(const QString& fileName) const;
    QString resourcePath(const QString& fileName) const;
    // The text a box or label shows; what the scheme check reads.
    QString shownText(const QString& name);
    // Puts a text into a box, or a sign into an operator label and its followers.
    void showText(const QString& name, const QString& text);
    QString inputOfStep(int step) const;
    void startAnimationClock();
    // Stops whatever the last problem left running: the clock with its phase
    // and ticks, the three animations and the hint balloon.
    void stopFeedback();
    // The first input of an open step takes the focus, so the child's
    // typing lands there.
    void focusStepInput(int step);

    ExerciseState state_;
    AnimationClock clock_;
    TCalcExpress CalcExpress;

private:
    // Building (exercise_layout.cpp).
    void buildWindow();
    void buildToolBar();
    void buildProblemBand();
    void buildStepArea();
    void buildSchemeWidgets();
    void buildPlayers();
    void buildOperatorMenu();
    void layoutChrome();
    void applyDesignPictures();
    bool loadProblemPicture(const QString& path);
    void connectHandlers();
    QWidget* createSchemeWidget(const WidgetRow& row, const Placement& place, QWidget* parent);

    // Loading (exercise_loading.cpp).
    void readProblemFile();
    void fillChoiceLists(const ProblemContent& content);
    void setInstructionLine();
    void arrangeSecondRow();
    void centreStepPanel();

    const SchemeDescription& scheme_;
    const Mode mode_;
    MainWindowServices* main_;
    ExerciseHooks* hooks_;
    std::unique_ptr<RandomSource> random_;
    QString instruction_caption_;
    QString design_pictures_folder_;  // where the window's own pictures were last looked for
    bool formula_refused_ = false;  // the evaluator reported a formula during this load

    // Widgets the mechanics use at every turn.
    QLabel* Titolo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Numero_problema = nullptr;
    QLabel* error_num = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    PictureBox* Image4 = nullptr;
    QScrollArea* SB = nullptr;
    QWidget* sb_contents_ = nullptr;
    QWidget* Panel6 = nullptr;
    platform::GifPlayer* GIF1 = nullptr;
    platform::GifPlayer* GIF2 = nullptr;
    platform::GifPlayer* GIF3 = nullptr;
    platform::WavePlayer* Afinale = nullptr;
    platform::WavePlayer* WFinale = nullptr;
    platform::WavePlayer* bravo = nullptr;
    platform::WavePlayer* nooo = nullptr;
    QMenu* PopupMenu1 = nullptr;
    HintBalloon* msg = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace quorvia
