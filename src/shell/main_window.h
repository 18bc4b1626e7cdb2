// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the child types a name and picks mode, scheme and
// problem; the start button opens the exercise window of that choice. It
// keeps the points total of the run and ends the run through the score
// window when it closes.

#include "content/scheme.h"
#include "shell/exercise_slot.h"
#include "shell/main_window_services.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QScrollArea;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace quorvia {

namespace platform {
class GifPlayer;
class WavePlayer;
}  // namespace platform

class ChildPathPanel;
class ExerciseSlot;
class PictureBox;
class ShapeIndicator;
class TForm3;

class TForm1 : public QWidget, public ExerciseLauncher {
    Q_OBJECT
public:
    // `resourceFolder` ends with a separator; empty means the RISORSE folder
    // beside the executable.
    explicit TForm1(const QString& resourceFolder = QString(), QWidget* parent = nullptr);
    ~TForm1() override;

    // The exercise window that the start button opens for this mode and
    // scheme (not owned; it lives for the run). A combination without a
    // window opens nothing.
    void registerExerciseWindow(Mode mode, Scheme scheme, ExerciseSlot* slot) override;
    QWidget* exerciseParent() override { return this; }
    ExerciseSlot* exerciseWindow(Mode mode, Scheme scheme) const;

    // The window that counts up the points at the end of the run (not owned).
    void setScoreWindow(TForm3* scoreWindow) { score_window_ = scoreWindow; }
    // What ends the application after the score window; the application's
    // quit unless replaced (tests).
    void setEndApplication(std::function<void()> endApplication);

    int pointsTotal() const { return points_total_; }
    int bounceDirection() const { return bounce_direction_; }
    // The scheme spinner's values, 1 to the number of schemes.
    static constexpr int kSchemeCount = static_cast<int>(kAllSchemes.size());
    // Indexed by the scheme spinner's value; index 0 is not used.
    template <typename T>
    using PerScheme = std::array<T, kAllSchemes.size() + 1>;
    const PerScheme<QString>& schemeNames() const { return scheme_names_; }
    const PerScheme<QString>& problemFiles() const { return problem_files_; }
    const PerScheme<int>& problemCounts() const { return problem_counts_; }
    QString problemLabelPrefix() const { return problem_label_prefix_; }
    ChildPathPanel* childPath() const { return child_path_; }

    // Handlers, public so the shell's tests can run them without a screen.
    void FormActivate();
    void LMDstatoChange();
    void SPLivelloChange();
    void SPProblemaChange();
    void Timer1Timer();
    void LMD3Click(QObject* sender);
    void LMD6Click();
    void LMDintroClick();
    void LMDSpeedButton3Click();
    void Image2Click();
    // Fills the sound and animation players of `window` from the resource
    // folder; a missing player or file leaves that player as it was.
    void LOAD_WAV_GIF(QWidget* window);

    // MainWindowServices
    QString childName() const override;
    void setProblemSpinner(int problem) override;
    QString currentProblemFileName() const override;
    int problemSpinnerMaximum() const override;
    int modeValue() const override;
    int schemeValue() const override;
    int problemValue() const override;
    QString resourceFolder() const override { return resource_folder_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr PerScheme<int> filled(int value)
    {
        PerScheme<int> counts{};
        for (int& count : counts)
            count = value;
        return counts;
    }
    void createControls();
    void connectHandlers();
    void FormClose();
    void stopAnimations();

    QString resource_folder_;
    int points_total_ = 0;
    int bounce_direction_ = 1;
    PerScheme<QString> scheme_names_;
    PerScheme<QString> problem_files_;
    PerScheme<int> problem_counts_ = filled(1);
    QString problem_label_prefix_;
    QString web_page_;  // SITO, opened by the logo; empty: the logo opens nothing

    QMap<QPair<int, int>, ExerciseSlot*> exercise_windows_;
    TForm3* score_window_ = nullptr;
    std::function<void()> end_application_;
    bool closing_ = false;

    // The client area scrolls inside the border on a screen too small for it.
    QScrollArea* client_scroll_ = nullptr;
    QWidget* client_ = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* LIVELLO = nullptr;
    QPushButton* LMDSpeedButton3 = nullptr;
    QPushButton* LMD5 = nullptr;
    QPushButton* LMD6 = nullptr;
    QPushButton* LMDintro = nullptr;
    PictureBox* Image1 = nullptr;
    PictureBox* Image2 = nullptr;
    platform::GifPlayer* ani2 = nullptr;
    platform::GifPlayer* ani3 = nullptr;
    platform::GifPlayer* RxGIFAnimator1 = nullptr;
    platform::GifPlayer* mascotte = nullptr;
    ShapeIndicator* Shape1 = nullptr;
    ShapeIndicator* Shape2 = nullptr;
    QSpinBox* LMDstato = nullptr;
    QSpinBox* SPLivello = nullptr;
    QSpinBox* SPProblema = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QLineEdit* LMDEdit1 = nullptr;
    QTimer* Timer1 = nullptr;
    platform::WavePlayer* fischio = nullptr;
    ChildPathPanel* child_path_ = nullptr;
};

}  // namespace quorvia
