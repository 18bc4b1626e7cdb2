// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/worksheet_format.h"

#include "content/ini_file.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quorvia::worksheet {

namespace {

// A value keeps to one line of the file. Captions may hold line breaks (the
// scheme captions of a problem); they travel as "|", the mark the problem
// files use for a line break, and come back whole.
QString captionToFile(const QString& caption)
{
    QString text = caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("|"));
    text.replace(QLatin1Char('\n'), QLatin1Char('|'));
    text.replace(QLatin1Char('\r'), QLatin1Char('|'));
    return text;
}

QString captionFromFile(const QString& value)
{
    QString text = value;
    return text.replace(QLatin1Char('|'), QLatin1Char('\n'));
}

QString caption(const QObject* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return QString();
}

void setCaption(QObject* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

QString text(const QObject* control)
{
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentIndex() >= 0 ? list->currentText() : QString();
    return QString();
}

void setText(QObject* control, const QString& value)
{
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->setText(value);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        // The list may have been shuffled since the save: the item is found
        // by its text; none matching leaves nothing chosen.
        int chosen = -1;
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemText(i).compare(value, Qt::CaseInsensitive) == 0) {
                chosen = i;
                break;
            }
        }
        list->setCurrentIndex(chosen);
    }
}

QString valueOf(QWidget* control, Key key)
{
    switch (key) {
    case Key::Caption: return captionToFile(caption(control));
    case Key::Text: return text(control);
    case Key::Tag: return QString::number(tag(control));
    case Key::Left: return QString::number(control->x());
    case Key::Top: return QString::number(control->y());
    }
    return QString();
}

}  // namespace

const std::vector<RecordedKind>& recordedKinds()
{
    static const std::vector<RecordedKind> kinds = {
        {ControlKind::Shape, "TSHAPE", {Key::Tag}},
        {ControlKind::Label, "TLABEL", {Key::Caption, Key::Tag}},
        {ControlKind::EntryBox, "TLMDEDIT", {Key::Text, Key::Tag, Key::Left, Key::Top}},
        {ControlKind::PushButton, "TLMDBUTTON", {Key::Caption, Key::Tag}},
        {ControlKind::StepButton, "TLMDSPEEDBUTTON", {Key::Caption, Key::Tag}},
        {ControlKind::MaskedEntryBox, "TLMDMASKEDIT", {Key::Text, Key::Tag}},
        {ControlKind::ChoiceList, "TLMDCOMBOBOX", {Key::Text}},
    };
    return kinds;
}

const RecordedKind* recordedKindOf(const QObject* control)
{
    const ControlKind kind = controlKind(control);
    for (const RecordedKind& row : recordedKinds()) {
        if (row.kind == kind)
            return &row;
    }
    return nullptr;
}

const char* keyName(Key key)
{
    switch (key) {
    case Key::Caption: return "CAPTION";
    case Key::Text: return "TEXT";
    case Key::Tag: return "TAG";
    case Key::Left: return "LEFT";
    case Key::Top: return "TOP";
    }
    return "";
}

void writeControl(IniFile& file, QWidget* control)
{
    const RecordedKind* row = recordedKindOf(control);
    if (!row)
        return;
    const std::string section = control->objectName().toStdString();
    file.writeString(section, "TIPO", row->tipo);
    for (Key key : row->keys)
        file.writeString(section, keyName(key), valueOf(control, key).toStdString());
}

void applyControl(const IniFile& file, const std::string& section, QObject* control)
{
    const RecordedKind* row = recordedKindOf(control);
    if (!row || file.readString(section, "TIPO", "") != row->tipo)
        return;
    const auto readText = [&](Key key) {
        return QString::fromStdString(file.readString(section, keyName(key), ""));
    };
    const auto readInt = [&](Key key) { return file.readInteger(section, keyName(key), 0); };
    auto* widget = qobject_cast<QWidget*>(control);
    int left = 0;
    int top = 0;
    bool moves = false;
    for (Key key : row->keys) {
        switch (key) {
        case Key::Caption: setCaption(control, captionFromFile(readText(key))); break;
        case Key::Text: setText(control, readText(key)); break;
        case Key::Tag: setTag(control, readInt(key)); break;
        case Key::Left: left = readInt(key); moves = true; break;
        case Key::Top: top = readInt(key); moves = true; break;
        }
    }
    if (moves && widget)
        widget->move(left, top);
}

}  // namespace quorvia::worksheet
