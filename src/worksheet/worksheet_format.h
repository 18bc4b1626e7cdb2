// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which controls a worksheet records and how: one row per control kind, with
// the TIPO value that names the kind in the file and the keys of its section
// in the order they are written. Kinds without a row (memos, pictures,
// animations, panels, spinners) are not recorded.

#include "widgets/controls.h"

#include <QString>

#include <vector>

class QWidget;

namespace quorvia {
class IniFile;
}

namespace quorvia::worksheet {

enum class Key { Caption, Text, Tag, Left, Top };

struct RecordedKind {
    ControlKind kind;
    const char* tipo;
    std::vector<Key> keys;
};

const std::vector<RecordedKind>& recordedKinds();
// The row of a control's kind; nullptr when the kind is not recorded.
const RecordedKind* recordedKindOf(const QObject* control);
const char* keyName(Key key);

// Writes the control's section: TIPO first, then its keys. Controls of kinds
// that are not recorded write nothing.
void writeControl(IniFile& file, QWidget* control);
// Puts the values of the section named after the control back into it; the
// section's TIPO must be the control's own kind (a hand-edited worksheet
// cannot put a text where a caption belongs). Missing integers read as 0,
// missing texts as empty.
void applyControl(const IniFile& file, const std::string& section, QObject* control);

}  // namespace quorvia::worksheet
