// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's area's optional PIN. Only a salted hash is ever written, in
// a form that names its method ("sha256:<salt hex>:<hash hex>"), so that a
// school's IT person can copy one line into GENERALE.INI for every machine.

#include <QString>

namespace quorvia {

// A new random salt each time: two hashes of one PIN differ.
QString hashPin(const QString& pin);
// `stored` is a hash in the form above; false for anything else, so a
// damaged value never opens the area with an empty PIN.
bool pinMatches(const QString& stored, const QString& pin);
bool isPinHash(const QString& stored);

// Where the PIN in force comes from.
enum class PinPlace { None, Generale, User };
struct PinInForce {
    QString hash;
    PinPlace place = PinPlace::None;
};
// GENERALE.INI's PIN_INSEGNANTE wins over the user's own, so that one set
// for the school cannot be taken away by a user.
PinInForce pinInForce(const QString& resourceFolder);

// The user's own PIN file, $XDG_CONFIG_HOME/quorvia/INSEGNANTE.INI.
QString userPinFile();
// Writes `hash` as the user's PIN; an empty hash removes it. Returns why it
// could not, in Italian; empty on success.
QString storeUserPin(const QString& hash);

}  // namespace quorvia
