// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pin_questions.h"

#include "base/teacher_pin.h"
#include "platform/dialogs.h"

#include <QDir>

#include <optional>

namespace quorvia::teacher {

namespace {

const QString kCaption = QStringLiteral("Area insegnante");
constexpr int kTries = 3;
constexpr int kShortestPin = 4;

}  // namespace

bool askPinToEnter(QWidget* parent, const QString& resourceFolder)
{
    const PinInForce pin = pinInForce(resourceFolder);
    if (pin.place == PinPlace::None)
        return true;
    platform::Dialogs& dialogs = platform::dialogs();
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        const std::optional<QString> typed =
            dialogs.inputSecret(parent, kCaption, QStringLiteral("Scrivi il PIN dell'insegnante:"));
        if (!typed)
            return false;
        if (pinMatches(pin.hash, *typed))
            return true;
        if (!isPinHash(pin.hash)) {
            // No PIN would ever match: say so rather than ask again.
            dialogs.showMessage(parent, QStringLiteral("Il PIN_INSEGNANTE di GENERALE.INI non è scritto nella forma "
                                                       "giusta, quindi nessun PIN può aprire l'area. Va corretto "
                                                       "in GENERALE.INI."));
            return false;
        }
        dialogs.showMessage(parent, attempt < kTries ? QStringLiteral("Il PIN non è giusto. Riprova.")
                                                     : QStringLiteral("Il PIN non è giusto. L'area resta chiusa."));
    }
    return false;
}

void offerPin(QWidget* parent, const QString& resourceFolder)
{
    platform::Dialogs& dialogs = platform::dialogs();
    const PinInForce pin = pinInForce(resourceFolder);
    if (pin.place == PinPlace::Generale) {
        dialogs.showMessage(parent, QStringLiteral("Il PIN di quest'area è stabilito per tutti dalla chiave "
                                                   "PIN_INSEGNANTE di GENERALE.INI, nella cartella delle risorse: "
                                                   "si cambia o si toglie lì."));
        return;
    }
    const bool hasPin = pin.place == PinPlace::User;
    const std::optional<QString> first = dialogs.inputSecret(
        parent, kCaption,
        hasPin ? QStringLiteral("Nuovo PIN (almeno %1 caratteri; lascia vuoto per togliere il PIN):").arg(kShortestPin)
               : QStringLiteral("PIN per entrare nell'area insegnante (almeno %1 caratteri):").arg(kShortestPin));
    if (!first)
        return;
    if (first->isEmpty()) {
        if (!hasPin || !dialogs.askYesNo(parent, QStringLiteral("Togliere il PIN? L'area si aprirà senza chiederlo.")))
            return;
        const QString failure = storeUserPin(QString());
        dialogs.showMessage(parent, failure.isEmpty() ? QStringLiteral("Il PIN è stato tolto.")
                                                      : QStringLiteral("Il PIN non è stato tolto: %1").arg(failure));
        return;
    }
    if (first->size() < kShortestPin) {
        dialogs.showMessage(parent, QStringLiteral("Il PIN deve avere almeno %1 caratteri. Non è cambiato nulla.")
                                        .arg(kShortestPin));
        return;
    }
    const std::optional<QString> again =
        dialogs.inputSecret(parent, kCaption, QStringLiteral("Scrivi di nuovo lo stesso PIN:"));
    if (!again)
        return;
    if (*again != *first) {
        dialogs.showMessage(parent, QStringLiteral("I due PIN sono diversi. Non è cambiato nulla."));
        return;
    }
    const QString hash = hashPin(*first);
    const QString failure = storeUserPin(hash);
    if (!failure.isEmpty()) {
        dialogs.showMessage(parent, QStringLiteral("Il PIN non è stato salvato: %1").arg(failure));
        return;
    }
    dialogs.showMessage(parent,
                        QStringLiteral("PIN salvato (solo la sua impronta, non il PIN) in %1.\n\nPer chiederlo su "
                                       "ogni computer che usa questa cartella, copia in GENERALE.INI, sezione "
                                       "[AREA_PROGRAMMA], la riga:\nPIN_INSEGNANTE=%2")
                            .arg(QDir::toNativeSeparators(userPinFile()), hash));
}

}  // namespace quorvia::teacher
