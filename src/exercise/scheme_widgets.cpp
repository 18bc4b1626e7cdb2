// SPDX-License-Identifier: GPL-3.0-or-later
// The step widgets of an exercise window, made from its scheme's table for
// the window's mode.

#include "exercise/accessible_names.h"
#include "exercise/exercise_builder.h"

#include "exercise/window_art.h"
#include "exercise/window_style.h"
#include "platform/gif_player.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace quorvia {

namespace {

const QColor kHeadingText(255, 255, 0);
const QColor kHeadingBack(0, 100, 0);

// The most characters a child can type into a box. Unlike the box's own
// maximum length it leaves the program's texts whole: the solution and a
// restored worksheet may put in a longer one (a result of 15 digits).
class TypingLimit : public QValidator {
public:
    TypingLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

private:
    int limit_;
};

// The panels of the steps, each in its own soft colour; the operation scheme
// stands on white.
QColor panelColour(const QString& name)
{
    if (name == QLatin1String("Panel2"))
        return Qt::white;
    if (name == QLatin1String("Panel3"))
        return QColor(225, 243, 255);
    if (name == QLatin1String("Panel5"))
        return QColor(232, 255, 232);
    return QColor(255, 248, 220);
}

}  // namespace

QWidget* ExerciseWindowBuilder::createSchemeWidget(const WidgetRow& row, const WidgetPlace& place,
                                                   QWidget* parent) const
{
    const QString name = QLatin1String(row.name);
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* w = nullptr;
    switch (row.kind) {
    case WidgetKind::Panel: {
        auto* panel = new QFrame(parent);
        paintBackground(panel, panelColour(name));
        w = panel;
        break;
    }
    case WidgetKind::Heading: {
        auto* label = new QLabel(caption, parent);
        label->setFont(childFont(17, true));
        label->setIndent(8);
        paintBackground(label, kHeadingBack, kHeadingText);
        w = label;
        break;
    }
    case WidgetKind::Caption: {
        auto* label = new QLabel(caption, parent);
        label->setFont(childFont(13));
        label->setWordWrap(true);
        const bool towardsBox = std::any_of(
            scheme_.right_aligned_captions.begin(), scheme_.right_aligned_captions.end(),
            [&](const char* n) { return name == QLatin1String(n); });
        label->setAlignment(towardsBox ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignTop);
        w = label;
        break;
    }
    case WidgetKind::SentenceBox:
    case WidgetKind::CoveredBox: {
        auto* box = new QLineEdit(parent);
        box->setValidator(new TypingLimit(200, box));
        box->setFont(childFont(17));
        // A box under a list takes the step's focus from the program, never
        // by Tab: the child would type into a box that cannot be seen.
        if (row.kind == WidgetKind::CoveredBox)
            box->setFocusPolicy(Qt::ClickFocus);
        w = box;
        break;
    }
    case WidgetKind::ChoiceList: {
        auto* list = new ChoiceListBox(parent);
        list->setEditable(false);
        list->setFont(childFont(16));
        for (int i = 1; i <= 9; ++i)
            list->addItem(QString::number(i));
        w = list;
        break;
    }
    case WidgetKind::NumberBox:
    case WidgetKind::MirrorBox: {
        auto* box = new QLineEdit(parent);
        box->setValidator(new TypingLimit(10, box));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFont(childFont(18, true));
        if (row.kind == WidgetKind::MirrorBox) {
            box->setReadOnly(true);
            box->setEnabled(false);
        }
        w = box;
        break;
    }
    case WidgetKind::OperatorLabel:
    case WidgetKind::FollowerLabel:
    case WidgetKind::EqualsLabel:
    case WidgetKind::MenuLabel: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(signFont(22));
        if (row.kind == WidgetKind::OperatorLabel || row.kind == WidgetKind::FollowerLabel) {
            paintBackground(label, QColor(255, 255, 0));
            label->setFrameShape(QFrame::Box);
        }
        if (row.kind != WidgetKind::FollowerLabel)
            label->setCursor(Qt::PointingHandCursor);
        // The sign is typed or its menu opened from the keyboard as well.
        if (row.kind == WidgetKind::OperatorLabel)
            label->setFocusPolicy(Qt::TabFocus);
        w = label;
        break;
    }
    case WidgetKind::Rule: {
        auto* rule = new ShapeIndicator(name, ShapeIndicator::Form::Rectangle, parent);
        rule->setBrushColor(Qt::black);
        w = rule;
        break;
    }
    case WidgetKind::VerificaButton:
    case WidgetKind::ErrorButton: {
        auto* button = new StepButton(name, parent);
        button->setText(caption);
        button->setFont(childFont(14, true));
        // Raised, so a child sees at once what can be pressed.
        button->setAutoRaise(false);
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, row.kind == WidgetKind::VerificaButton ? QColor(190, 235, 190)
                                                                               : QColor(255, 228, 196));
        button->setPalette(pal);
        // Reached by Tab; a click leaves the focus in the step's input.
        button->setFocusPolicy(Qt::TabFocus);
        button->setCursor(Qt::PointingHandCursor);
        if (row.kind == WidgetKind::ErrorButton) {
            button->setIcon(toolIcon(ToolGlyph::Counter, 16));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        w = button;
        break;
    }
    case WidgetKind::Indicator: {
        auto* led = new ShapeIndicator(name, ShapeIndicator::Form::Circle, parent);
        led->setBrushColor(kStepAhead);
        w = led;
        break;
    }
    case WidgetKind::Animation: {
        auto* gif = new platform::GifPlayer(name, parent);
        gif->setStretch(true);
        gif->hide();
        w = gif;
        break;
    }
    case WidgetKind::Picture: {
        auto* picture = new PictureBox(name, parent);
        const int size = std::min(place.width, place.height);
        picture->setPixmap(name.compare(QLatin1String("CoccaHelp"), Qt::CaseInsensitive) == 0
                               ? solvedWithHelpPicture(size)
                               : solvedPicture(size));
        picture->hide();
        w = picture;
        break;
    }
    }
    w->setObjectName(name);
    setTag(w, row.tag);
    w->setGeometry(place.left, place.top, place.width, place.height);
    return w;
}

void ExerciseWindowBuilder::buildSchemeWidgets(QWidget& window, ExerciseWidgets& widgets) const
{
    for (const WidgetRow& row : scheme_.widgets) {
        const WidgetPlace& place = mode_ == Mode::Advanced ? row.advanced : row.beginner;
        if (!place.exists())
            continue;
        // Parents come first in the table; the window itself is no parent.
        QWidget* parent = findControlAs<QWidget>(&window, QLatin1String(place.parent));
        if (!parent)
            parent = widgets.Panel6;
        QWidget* w = createSchemeWidget(row, place, parent);
        if (row.kind == WidgetKind::Animation && w->objectName() == QLatin1String("GIF3"))
            widgets.GIF3 = static_cast<platform::GifPlayer*>(w);
    }
    if (!widgets.GIF3) {
        // Every window has the closing animation, whatever its table says.
        widgets.GIF3 = new platform::GifPlayer(QStringLiteral("GIF3"), widgets.Panel6);
        widgets.GIF3->hide();
    }
}

}  // namespace quorvia
