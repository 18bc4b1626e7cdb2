// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes.h"

namespace quorvia::platform {

void ScriptedDialogs::clearRecords()
{
    messages_.clear();
    errors_.clear();
    questions_.clear();
    input_prompts_.clear();
    open_requests_.clear();
    save_requests_.clear();
    color_dialogs_ = 0;
    font_dialogs_ = 0;
    abouts_.clear();
    previews_.clear();
}

void ScriptedDialogs::showMessage(QWidget*, const QString& text)
{
    messages_.append(text);
}

void ScriptedDialogs::showError(QWidget*, const QString& title, const QString& text)
{
    errors_.append({title, text});
}

bool ScriptedDialogs::askYesNo(QWidget*, const QString& text)
{
    questions_.append(text);
    return yes_no_.isEmpty() ? false : yes_no_.dequeue();
}

std::optional<QString> ScriptedDialogs::inputText(QWidget*, const QString&, const QString& prompt,
                                                  const QString&)
{
    input_prompts_.append(prompt);
    return inputs_.isEmpty() ? std::nullopt : inputs_.dequeue();
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& caption, const QString& directory,
                                      const QString& filter)
{
    open_requests_.append({caption, directory, filter});
    return open_files_.isEmpty() ? QString() : open_files_.dequeue();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& caption, const QString& directory,
                                      const QString& filter)
{
    save_requests_.append({caption, directory, filter});
    return save_files_.isEmpty() ? QString() : save_files_.dequeue();
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*, const QColor&)
{
    ++color_dialogs_;
    return colors_.isEmpty() ? std::nullopt : colors_.dequeue();
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(QWidget*, const FontChoice& initial)
{
    ++font_dialogs_;
    const std::optional<ScriptedFont> next = fonts_.isEmpty() ? std::nullopt : fonts_.dequeue();
    if (!next)
        return std::nullopt;
    return FontChoice(next->font, next->colour.value_or(initial.colour));
}

void ScriptedDialogs::showAbout(QWidget*, const QString& title, const QString& version,
                                const QString& credits)
{
    abouts_.append({title, version, credits});
}

void ScriptedDialogs::showPrintPreview(QWidget*, const QString& caption,
                                       const std::function<void(QPrinter*)>& paint)
{
    previews_.append({caption, paint});
}

QStringList RecordingSoundService::playedNames() const
{
    QStringList names;
    for (const Call& call : calls_) {
        if (call.kind != Kind::Stop)
            names.append(call.name);
    }
    return names;
}

void RecordingSoundService::playOnce(const QByteArray& wave)
{
    calls_.append({Kind::Once, QString(), wave});
}

void RecordingSoundService::playLoop(const QByteArray& wave)
{
    calls_.append({Kind::Loop, QString(), wave});
}

void RecordingSoundService::stopAll()
{
    calls_.append({Kind::Stop, QString(), QByteArray()});
}

void RecordingSoundService::playNamedOnce(const QString& player, const QByteArray& wave)
{
    calls_.append({Kind::Once, player, wave});
}

void RecordingSoundService::playNamedLoop(const QString& player, const QByteArray& wave)
{
    calls_.append({Kind::Loop, player, wave});
}

}  // namespace quorvia::platform
