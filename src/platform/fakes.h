// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the dialogs and the sound service: answers are queued before
// the action, and everything the program asked for is recorded. Used by the
// GUI tests and by the command-line checker, which runs without a screen.

#include "platform/dialogs.h"
#include "platform/sound.h"

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quorvia::platform {

// Answers the modal interactions from queues. An empty queue answers No to a
// question and cancels every other dialog.
class ScriptedDialogs : public Dialogs {
public:
    struct FileRequest {
        QString caption;
        QString directory;
        QString filter;
    };
    struct AboutBox {
        QString title;
        QString version;
        QString credits;
    };
    struct ErrorBox {
        QString title;
        QString text;
    };
    struct PrintPreview {
        QString caption;
        // The document's painter, kept so a test can draw it on a printer.
        std::function<void(QPrinter*)> paint;
    };

    void setNextYesNo(bool yes) { yes_no_.enqueue(yes); }
    void setNextInput(std::optional<QString> text) { inputs_.enqueue(std::move(text)); }
    void setNextOpenFile(const QString& path) { open_files_.enqueue(path); }
    void setNextSaveFile(const QString& path) { save_files_.enqueue(path); }
    void setNextColor(std::optional<QColor> color) { colors_.enqueue(std::move(color)); }
    // A font alone keeps the text colour the dialog opened with.
    void setNextFont(std::optional<QFont> font)
    {
        fonts_.enqueue(font ? std::optional<ScriptedFont>(ScriptedFont{*font, std::nullopt}) : std::nullopt);
    }
    void setNextFont(const QFont& font, const QColor& colour) { fonts_.enqueue(ScriptedFont{font, colour}); }

    // Texts of the OK message boxes, in order.
    const QStringList& messages() const { return messages_; }
    // The error message boxes, in order.
    const QList<ErrorBox>& errorBoxes() const { return errors_; }
    // Texts of the Yes/No questions, in order.
    const QStringList& questions() const { return questions_; }
    // Prompts of the input boxes, in order.
    const QStringList& inputPrompts() const { return input_prompts_; }
    const QList<FileRequest>& openFileRequests() const { return open_requests_; }
    const QList<FileRequest>& saveFileRequests() const { return save_requests_; }
    int colorDialogCount() const { return color_dialogs_; }
    int fontDialogCount() const { return font_dialogs_; }
    const QList<AboutBox>& aboutBoxes() const { return abouts_; }
    const QList<PrintPreview>& printPreviews() const { return previews_; }
    // Forgets what was recorded; queued answers stay.
    void clearRecords();

    void showMessage(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption,
                                     const QString& prompt, const QString& initial) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;
    void showAbout(QWidget* parent, const QString& title, const QString& version,
                   const QString& credits) override;
    void showPrintPreview(QWidget* parent, const QString& caption,
                          const std::function<void(QPrinter*)>& paint) override;

private:
    QQueue<bool> yes_no_;
    QQueue<std::optional<QString>> inputs_;
    QQueue<QString> open_files_;
    QQueue<QString> save_files_;
    QQueue<std::optional<QColor>> colors_;
    struct ScriptedFont {
        QFont font;
        std::optional<QColor> colour;
    };
    QQueue<std::optional<ScriptedFont>> fonts_;

    QStringList messages_;
    QList<ErrorBox> errors_;
    QStringList questions_;
    QStringList input_prompts_;
    QList<FileRequest> open_requests_;
    QList<FileRequest> save_requests_;
    int color_dialogs_ = 0;
    int font_dialogs_ = 0;
    QList<AboutBox> abouts_;
    QList<PrintPreview> previews_;
};

// Records every sound request instead of playing it.
class RecordingSoundService : public SoundService {
public:
    enum class Kind { Once, Loop, Stop };
    struct Call {
        Kind kind;
        QString name;     // the player's object name; empty for plain requests and Stop
        QByteArray wave;  // empty for Stop
    };

    const QList<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }
    // Names of the players asked to play (once or in a loop), in order.
    QStringList playedNames() const;
    bool wasPlayed(const QString& player) const { return playedNames().contains(player); }

    void playOnce(const QByteArray& wave) override;
    void playLoop(const QByteArray& wave) override;
    void stopAll() override;
    void playNamedOnce(const QString& player, const QByteArray& wave) override;
    void playNamedLoop(const QString& player, const QByteArray& wave) override;

private:
    QList<Call> calls_;
};

// Installs a fake for the lifetime of a test scope and restores the real
// service afterwards.
class ScopedFakeDialogs {
public:
    ScopedFakeDialogs() { setDialogs(&fake_); }
    ~ScopedFakeDialogs() { setDialogs(nullptr); }
    ScopedFakeDialogs(const ScopedFakeDialogs&) = delete;
    ScopedFakeDialogs& operator=(const ScopedFakeDialogs&) = delete;
    ScriptedDialogs& operator*() { return fake_; }
    ScriptedDialogs* operator->() { return &fake_; }

private:
    ScriptedDialogs fake_;
};

class ScopedFakeSound {
public:
    ScopedFakeSound() { setSoundService(&fake_); }
    ~ScopedFakeSound() { setSoundService(nullptr); }
    ScopedFakeSound(const ScopedFakeSound&) = delete;
    ScopedFakeSound& operator=(const ScopedFakeSound&) = delete;
    RecordingSoundService& operator*() { return fake_; }
    RecordingSoundService* operator->() { return &fake_; }

private:
    RecordingSoundService fake_;
};

}  // namespace quorvia::platform
