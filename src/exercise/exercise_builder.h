// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a scheme's description into the widgets of one exercise window: the
// parts every window has (tool bar, title lines, problem band, scroll box,
// players, operator menu, hint balloon) and the step widgets of the scheme's
// table for the window's mode. It keeps no state of a problem; the window
// wires the widgets to its handlers and fills them at every load.

#include "content/scheme.h"
#include "exercise/scheme_description.h"

#include <QString>

class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class QTimer;
class QWidget;

namespace quorvia {

namespace platform {
class GifPlayer;
class WavePlayer;
}  // namespace platform

class HintBalloon;
class PictureBox;

// The widgets the window uses at every turn; all children of the window.
struct ExerciseWidgets {
    QLabel* Titolo = nullptr;
    QLabel* Label1 = nullptr;  // the instruction line
    QLabel* Numero_problema = nullptr;
    QLabel* error_num = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    PictureBox* Image4 = nullptr;
    QScrollArea* SB = nullptr;
    QWidget* sb_contents = nullptr;  // the sheet the step panel sits on
    QWidget* Panel6 = nullptr;
    platform::GifPlayer* GIF1 = nullptr;  // error
    platform::GifPlayer* GIF2 = nullptr;  // step success, and the still of the end
    platform::GifPlayer* GIF3 = nullptr;  // closing
    platform::WavePlayer* Afinale = nullptr;
    platform::WavePlayer* WFinale = nullptr;
    platform::WavePlayer* bravo = nullptr;
    platform::WavePlayer* nooo = nullptr;
    QMenu* PopupMenu1 = nullptr;
    HintBalloon* msg = nullptr;
    QTimer* Timer1 = nullptr;
    // The instruction line's own wording, before the child's name.
    QString instruction_caption;
};

class ExerciseWindowBuilder {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    ExerciseWindowBuilder(const SchemeDescription& scheme, Mode mode) : scheme_(scheme), mode_(mode) {}

    // Builds every widget into `window`, sized and laid out.
    ExerciseWidgets build(QDialog& window) const;

private:
    void buildToolBar(QWidget& window, ExerciseWidgets& w) const;
    void buildProblemBand(QWidget& window, ExerciseWidgets& w) const;
    void buildStepArea(QWidget& window, ExerciseWidgets& w) const;
    void buildSchemeWidgets(QWidget& window, ExerciseWidgets& w) const;
    QWidget* createSchemeWidget(const WidgetRow& row, const WidgetPlace& place, QWidget* parent) const;
    void buildPlayers(QWidget& window, ExerciseWidgets& w) const;
    void buildOperatorMenu(QWidget& window, ExerciseWidgets& w) const;

    const SchemeDescription& scheme_;
    const Mode mode_;
};

// Places the common parts for the window's present size.
void layoutChrome(QWidget& window, const ExerciseWidgets& w);
// The step panel centred in the scroll box, on a sheet at least as wide as it.
void centreStepPanel(const ExerciseWidgets& w);
// The resource folder may hold the window's own pictures (tool buttons,
// error counters, logo, end pictures); where it does not, the drawn ones stay.
void applyDesignPictures(QWidget& window, const SchemeDescription& scheme, const QString& resourceFolder);
// The problem's picture, kept in proportion within its panel; false when the
// file is no picture.
bool showProblemPicture(PictureBox* picture, const QString& path);

// The operator menu's item of a sign ("+", "-", "X", ":"), by object name;
// null for anything else.
const char* operatorMenuItemName(const QString& sign);

}  // namespace quorvia
