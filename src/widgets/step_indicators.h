// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations every exercise window calls to move through its steps. They
// know nothing of the window's class: they find its controls by name
// (ignoring case), kind and Tag, so the names are a contract:
//   B<n>       step button, the "Verifica" of step n (Tag n)
//   H<n>       step button, the error counter of step n
//   Shape0<n>  shape, the indicator of step n
//   EB0<n>     choice list of step n (beginner windows)
//   LMDdomanda, E01   the question entry of step 1
//   any entry box     its Tag is its step
// n is written without leading zeros: step 10 gives B10 and Shape010.
// Missing controls are skipped.

#include <QChar>
#include <QColor>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

namespace quorvia {

// Step colours.
inline const QColor kStepAhead = QColor(255, 0, 0);     // red
inline const QColor kStepCurrent = QColor(255, 255, 0); // yellow
inline const QColor kStepDone = QColor(0, 255, 0);      // lime

// A step's state said in words, for those who cannot tell the colours
// apart: "da fare", "aperto", "fatto"; empty for any other colour.
QString stepStateText(const QColor& color);

// step >= 1: closes step `step` (indicator lime) and opens step + 1 (its
// entry boxes, choice list and buttons enabled, indicator yellow, the first of
// its entry boxes focused). step 0: every step closed and red, then step 1
// opened. step < 0: every step closed and red.
void NextShape(int step, QWidget* window);

// Paints every shape of the window in `color` and shows it.
void SetLED(const QColor& color, QWidget* window);

// The number of the last step: the largest n, 10 down to 1, with a B<n>; 0
// when there is none.
int LastButton_Verifica(QWidget* window);

// The key filter of the number boxes. Digits and backspace pass; "," and "."
// become the decimal separator in force, refused (key := 0) where the box
// already holds one; "-" passes only in front of a box without one. Enter is
// swallowed (key := 0): in the box named `lastBoxName` it returns true (the
// scheme's check is to run), elsewhere it moves the focus to the next
// control. Every other printable key is refused; control characters pass.
bool MKeyPress(QWidget* control, QChar& key, const QString& lastBoxName, QWidget* window);

// Installs MKeyPress on a number box: typed keys go through it, a changed
// key is typed in its place, `onVerifica` runs when it returns true and
// `onRefused` when it refused a key. The filter is a child of `box`.
void installNumberKeyFilter(QLineEdit* box, QWidget* window, const QString& lastBoxName,
                            std::function<void()> onVerifica, std::function<void()> onRefused = {});

}  // namespace quorvia
