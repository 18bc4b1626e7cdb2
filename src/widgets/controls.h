// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of control that the shared operations of the main window, the
// worksheets and the printout tell apart, the widget classes that make each
// kind unambiguous, and the Tag every control carries.
//
// Kind by class (a subclass counts as its base's kind):
//   entry box         QLineEdit (not a MaskedEntryBox)
//   masked entry box  MaskedEntryBox
//   choice list       QComboBox, kept non-editable
//   step button       StepButton (the B<n> and H<n> buttons)
//   push button       QPushButton
//   label             QLabel, except the picture and animation players
//   shape             ShapeIndicator
// Everything else (memos, pictures, animations, panels, spinners, timers,
// players) is Other.

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace quorvia {

enum class ControlKind { EntryBox, MaskedEntryBox, ChoiceList, StepButton, PushButton, Label, Shape, Other };

ControlKind controlKind(const QObject* control);

// The Tag: an integer each control carries (the step it belongs to, an
// error count, a scheme code); 0 unless set.
int tag(const QObject* control);
void setTag(QObject* control, int value);

// The window's controls in its own order: depth first, each parent before
// its children, siblings in the order they were created. Only named widgets
// count; the inner parts of composite widgets (a spin box's edit line, a
// combo box's popup, a scroll area's viewport) never do, though named
// widgets inside a scroll area's contents do.
QList<QWidget*> controlsInOrder(QWidget* window);
// Every named descendant findControl may answer with (widgets, players,
// timers), in the order its walk meets them.
QList<QObject*> namedControlsInOrder(QWidget* window);

// The first of the window's named descendants (widgets, players, timers)
// whose name matches without regard to case; nullptr when there is none.
QObject* findControl(QWidget* window, const QString& name);

template <class T>
T* findControlAs(QWidget* window, const QString& name)
{
    return qobject_cast<T*>(findControl(window, name));
}

// The small flat "Verifica" and error counter buttons of the steps.
class StepButton : public QToolButton {
    Q_OBJECT
public:
    explicit StepButton(const QString& name, QWidget* parent = nullptr);
};

// A single-line entry box with an input mask.
class MaskedEntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEntryBox(const QString& name, QWidget* parent = nullptr);
};

// A still picture (logo, blackboard, problem picture). Not a label: its
// text is never recorded or restyled.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);
    // Shows the file's picture, scaled to the box; false (content kept) when
    // it is missing or cannot be decoded.
    bool loadFile(const QString& path);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A painted figure: the round step indicators, and lines and bands drawn as
// filled rectangles.
class ShapeIndicator : public QWidget {
    Q_OBJECT
public:
    enum class Form { Circle, Rectangle };

    ShapeIndicator(const QString& name, Form form, QWidget* parent = nullptr);

    Form form() const { return form_; }
    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& color);
    // The outline; no pen draws none.
    void setPenColor(const QColor& color);
    void setPenVisible(bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form form_;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    bool pen_visible_ = true;
};

}  // namespace quorvia
