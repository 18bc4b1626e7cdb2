// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls.h"

#include "platform/gif_player.h"
#include "platform/pictures.h"
#include "widgets/step_indicators.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVariant>

#include <algorithm>

namespace quorvia {
namespace {

const char* const kTagProperty = "tag";

// Qt names the inner widgets it creates itself "qt_..."; they are parts of
// a control, never controls.
bool isNamedControl(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Widgets whose children are their own inner parts, not user controls.
bool isComposite(const QObject* object)
{
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

template <class Visit>
bool walk(const QObject* parent, Visit& visit)
{
    for (QObject* child : parent->children()) {
        if (isNamedControl(child) && visit(child))
            return true;
        if (!isComposite(child) && walk(child, visit))
            return true;
    }
    return false;
}

}  // namespace

ControlKind controlKind(const QObject* control)
{
    if (!control)
        return ControlKind::Other;
    if (qobject_cast<const MaskedEntryBox*>(control))
        return ControlKind::MaskedEntryBox;
    if (qobject_cast<const QLineEdit*>(control))
        return ControlKind::EntryBox;
    if (qobject_cast<const QComboBox*>(control))
        return ControlKind::ChoiceList;
    if (qobject_cast<const StepButton*>(control))
        return ControlKind::StepButton;
    if (qobject_cast<const QPushButton*>(control))
        return ControlKind::PushButton;
    if (qobject_cast<const ShapeIndicator*>(control))
        return ControlKind::Shape;
    if (qobject_cast<const PictureBox*>(control) ||
        qobject_cast<const platform::GifPlayer*>(control))
        return ControlKind::Other;
    if (qobject_cast<const QLabel*>(control))
        return ControlKind::Label;
    return ControlKind::Other;
}

int tag(const QObject* control)
{
    return control ? control->property(kTagProperty).toInt() : 0;
}

void setTag(QObject* control, int value)
{
    if (control)
        control->setProperty(kTagProperty, value);
}

QList<QWidget*> controlsInOrder(QWidget* window)
{
    QList<QWidget*> controls;
    if (!window)
        return controls;
    auto collect = [&controls](QObject* object) {
        if (object->isWidgetType())
            controls.append(static_cast<QWidget*>(object));
        return false;
    };
    walk(window, collect);
    return controls;
}

QList<QObject*> namedControlsInOrder(QWidget* window)
{
    QList<QObject*> controls;
    if (!window)
        return controls;
    auto collect = [&controls](QObject* object) {
        controls.append(object);
        return false;
    };
    walk(window, collect);
    return controls;
}

QObject* findControl(QWidget* window, const QString& name)
{
    if (!window || name.isEmpty())
        return nullptr;
    QObject* found = nullptr;
    auto match = [&found, &name](QObject* object) {
        if (object->objectName().compare(name, Qt::CaseInsensitive) != 0)
            return false;
        found = object;
        return true;
    };
    walk(window, match);
    return found;
}

StepButton::StepButton(const QString& name, QWidget* parent) : QToolButton(parent)
{
    setObjectName(name);
    setAutoRaise(true);
}

MaskedEntryBox::MaskedEntryBox(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
}

PictureBox::PictureBox(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
}

bool PictureBox::loadFile(const QString& path)
{
    const QImage image = platform::loadPicture(path);
    if (image.isNull())
        return false;
    setPixmap(QPixmap::fromImage(image));
    return true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ShapeIndicator::ShapeIndicator(const QString& name, Form form, QWidget* parent)
    : QWidget(parent), form_(form)
{
    setObjectName(name);
}

void ShapeIndicator::setBrushColor(const QColor& color)
{
    if (brush_ == color)
        return;
    brush_ = color;
    // A step indicator tells its state in words as well as in colour.
    if (form_ == Form::Circle) {
        const QString state = stepStateText(color);
        setToolTip(state.isEmpty() ? QString() : QStringLiteral("Passo ") + state);
        setAccessibleDescription(state);
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    update();
}

void ShapeIndicator::setPenColor(const QColor& color)
{
    pen_ = color;
    update();
}

void ShapeIndicator::setPenVisible(bool visible)
{
    pen_visible_ = visible;
    update();
}

// A step's state by shape as well as by colour, in black, which stands out
// from all three fills: a bar to do, an arrow open, a tick done.
namespace {

void paintStateSymbol(QPainter& painter, const QRectF& circle, const QColor& brush_)
{
    const QString state = stepStateText(brush_);
    if (state.isEmpty())
        return;
    const qreal s = circle.width();
    const QPointF c = circle.center();
    painter.setPen(QPen(Qt::black, std::max<qreal>(2.0, s / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (brush_ == kStepAhead) {
        painter.drawLine(QPointF(c.x() - s * 0.25, c.y()), QPointF(c.x() + s * 0.25, c.y()));
    } else if (brush_ == kStepCurrent) {
        painter.setBrush(Qt::black);
        const QPointF arrow[] = {{c.x() - s * 0.15, c.y() - s * 0.25}, {c.x() + s * 0.25, c.y()},
                                 {c.x() - s * 0.15, c.y() + s * 0.25}};
        painter.drawPolygon(arrow, 3);
    } else {
        const QPointF tick[] = {{c.x() - s * 0.25, c.y()}, {c.x() - s * 0.07, c.y() + s * 0.2},
                                {c.x() + s * 0.27, c.y() - s * 0.22}};
        painter.drawPolyline(tick, 3);
    }
}

}  // namespace

void ShapeIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, form_ == Form::Circle);
    painter.setBrush(brush_);
    if (pen_visible_)
        painter.setPen(QPen(pen_, 1));
    else
        painter.setPen(Qt::NoPen);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (form_ == Form::Circle) {
        const qreal side = qMin(area.width(), area.height());
        const QRectF circle(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
        painter.drawEllipse(circle);
        paintStateSymbol(painter, circle, brush_);
    } else {
        painter.drawRect(area);
    }
}

}  // namespace quorvia
