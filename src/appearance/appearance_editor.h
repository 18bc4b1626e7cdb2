// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The appearance settings of the exercise windows: a teacher restyles the
// instruction labels and the problem text with the mouse, and the settings
// are kept in CONFIGURE.INI per mode, scheme and problem of the main
// window's selection. Works on any window by the names of its controls.
//
// Sections, for a control named N and the selection m (mode), s (scheme),
// p (problem):
//   N_Sm_Ls      CAPTION of a label, for every problem of that mode and scheme
//   N_Sm_Ls_Pp   NAME, COLOR and FONT of a label or of the memo, for problem p

#include "appearance/configure_file.h"
#include "platform/dialogs.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace quorvia {
class MainWindowServices;
}

namespace quorvia::appearance {

class AppearanceEditor {
public:
    // `main` (not owned) gives the selection, the child's name and the
    // resource folder.
    explicit AppearanceEditor(const MainWindowServices& main);

    // A mouse button released over a label or the memo: the right button
    // opens the colour dialog, with Ctrl the font dialog, with Alt (labels
    // only) an input box for the wording; each change is then saved.
    void xMouseUp(QWidget* window, QWidget* control, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers);
    // Writes the settings of a label or of the memo for the current
    // selection. A file that cannot be written is reported; the change
    // holds for the rest of the run.
    void SAVE_COLORI(QWidget* window, QWidget* control);
    // Applies the stored settings to every label and memo of the window.
    void LOAD_COLORI(QWidget* window);

    const ConfigureFile& configureFile() const { return file_; }

private:
    QString schemeSection(const QWidget* control) const;
    QString problemSection(const QWidget* control) const;
    // A label's caption as stored: the instruction line without the child's
    // name, which the window puts in front at every load.
    QString storedCaption(const QWidget* label) const;
    QString namePrefix() const;
    void editWording(QWidget* window, QWidget* label);

    const MainWindowServices& main_;
    ConfigureFile file_;
    // Each dialog opens with its own last choice.
    QColor last_colour_ = Qt::black;
    platform::FontChoice last_font_;
};

}  // namespace quorvia::appearance
