// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/appearance_editor.h"

#include "appearance/colour_value.h"
#include "appearance/control_look.h"
#include "platform/dialogs.h"
#include "shell/main_window_services.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QWidget>

namespace quorvia::appearance {

namespace {

const char* const kNoFont = ",,,,";
constexpr int kDefaultColour = 255;  // red: a restyled label on a problem it was not restyled for

// The side panels beside the problem text take the memo's colour.
const char* const kMemoPanels[] = {"LMDSimplePanel4", "LMDSimplePanel3"};

// The window's instruction line, whose caption the window prefixes with the
// child's name.
const QString kInstructionLine = QStringLiteral("Label1");

void applyColour(QWidget* control, int value)
{
    if (const auto colour = colourFromValue(value))
        setBackground(control, *colour);
}

void applyFont(QWidget* control, const std::string& text)
{
    TextStyle style = textStyleOf(control);
    applyFontText(QString::fromStdString(text), style);
    setTextStyle(control, style);
}

void colourMemoPanels(QWidget* window, const QColor& colour)
{
    for (const char* name : kMemoPanels) {
        if (auto* panel = qobject_cast<QWidget*>(findControl(window, QLatin1String(name))))
            setBackground(panel, colour);
    }
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

}  // namespace

AppearanceEditor::AppearanceEditor(const MainWindowServices& main) : main_(main) {}

QString AppearanceEditor::schemeSection(const QWidget* control) const
{
    return control->objectName() + QStringLiteral("_S") + QString::number(main_.modeValue()) +
           QStringLiteral("_L") + QString::number(main_.schemeValue());
}

QString AppearanceEditor::problemSection(const QWidget* control) const
{
    return schemeSection(control) + QStringLiteral("_P") + QString::number(main_.problemValue());
}

QString AppearanceEditor::namePrefix() const
{
    return main_.childName() + QStringLiteral(": ");
}

QString AppearanceEditor::storedCaption(const QWidget* label) const
{
    const QString caption = static_cast<const QLabel*>(label)->text();
    // Stored with the name, the line would show it twice at the next load,
    // and another child's name ever after.
    if (label->objectName().compare(kInstructionLine, Qt::CaseInsensitive) == 0 &&
        caption.startsWith(namePrefix()))
        return caption.mid(namePrefix().size());
    return caption;
}

void AppearanceEditor::xMouseUp(QWidget* window, QWidget* control, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers)
{
    const Restylable kind = restylableKind(control);
    if (button != Qt::RightButton || kind == Restylable::None)
        return;
    if (modifiers & Qt::AltModifier) {
        if (kind == Restylable::Label)
            editWording(window, control);
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        const std::optional<platform::FontChoice> font = platform::dialogs().chooseFont(window, last_font_);
        if (!font)
            return;
        last_font_ = *font;
        TextStyle style = textStyleOf(control);
        style.font = font->font;
        style.colour = font->colour;
        setTextStyle(control, style);
        SAVE_COLORI(window, control);
        return;
    }
    const std::optional<QColor> colour = platform::dialogs().chooseColor(window, last_colour_);
    if (!colour)
        return;
    last_colour_ = *colour;
    setBackground(control, *colour);
    if (kind == Restylable::Memo)
        colourMemoPanels(window, *colour);
    SAVE_COLORI(window, control);
}

void AppearanceEditor::editWording(QWidget* window, QWidget* control)
{
    auto* label = static_cast<QLabel*>(control);
    const QString wording = storedCaption(label);
    const QString prefix = label->text().left(label->text().size() - wording.size());
    const std::optional<QString> answer = platform::dialogs().inputText(
        window, QStringLiteral("Input Box"), QStringLiteral("Prompt"), wording);
    setCaptionFromSettings(label, prefix + answer.value_or(wording));
    // Cancelled or not, the settings are written.
    SAVE_COLORI(window, label);
}

void AppearanceEditor::SAVE_COLORI(QWidget* window, QWidget* control)
{
    const Restylable kind = restylableKind(control);
    if (kind == Restylable::None)
        return;
    const std::string problem = utf8(problemSection(control));
    const std::string colour = std::to_string(colourValue(backgroundOf(control)));
    const std::string font = utf8(fontText(textStyleOf(control), control->logicalDpiY()));

    std::vector<Setting> settings = {
        {problem, "NAME", utf8(control->objectName())},
        {problem, "COLOR", colour},
    };
    if (kind == Restylable::Label)
        settings.push_back({utf8(schemeSection(control)), "CAPTION", utf8(storedCaption(control))});
    settings.push_back({problem, "FONT", font});

    QString error;
    if (!file_.write(main_.resourceFolder(), settings, &error)) {
        platform::dialogs().showMessage(
            window, QStringLiteral("L'aspetto scelto non è stato salvato in %1.\n%2\n\n"
                                   "La modifica resta valida fino alla chiusura del programma.")
                        .arg(ConfigureFile::kFileName, error));
    }
}

void AppearanceEditor::LOAD_COLORI(QWidget* window)
{
    const std::optional<IniFile> settings = file_.settings(main_.resourceFolder());
    // Every control starts from its designed look, whatever another problem,
    // mode or scheme set before.
    for (QWidget* control : controlsInOrder(window)) {
        if (restylableKind(control) != Restylable::None) {
            rememberDesignedLook(control);
            restoreDesignedLook(control);
        }
    }
    for (const char* name : kMemoPanels) {
        if (auto* panel = qobject_cast<QWidget*>(findControl(window, QLatin1String(name)))) {
            rememberDesignedLook(panel);
            restoreDesignedLook(panel);
        }
    }
    if (!settings)
        return;
    for (QWidget* control : controlsInOrder(window)) {
        switch (restylableKind(control)) {
        case Restylable::Label: {
            const std::string scheme = utf8(schemeSection(control));
            if (!settings->sectionExists(scheme))
                break;
            const std::string problem = utf8(problemSection(control));
            applyColour(control, settings->readInteger(problem, "COLOR", kDefaultColour));
            applyFont(control, settings->readString(problem, "FONT", kNoFont));
            window->update();
            setCaptionFromSettings(control, QString::fromStdString(settings->readString(scheme, "CAPTION", "")));
            applyFont(control, settings->readString(scheme, "FONT", kNoFont));
            window->update();
            break;
        }
        case Restylable::Memo: {
            const std::string problem = utf8(problemSection(control));
            if (!settings->sectionExists(problem))
                break;
            applyColour(control, settings->readInteger(problem, "COLOR", kDefaultColour));
            applyFont(control, settings->readString(problem, "FONT", kNoFont));
            window->update();
            colourMemoPanels(window, backgroundOf(control));
            break;
        }
        case Restylable::None:
            break;
        }
    }
}

}  // namespace quorvia::appearance
