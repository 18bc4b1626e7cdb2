// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "La classe" tab of the teacher's area, made in one place. Whatever it
// makes has a slot `setProgressFolder(const QString&)`: the area calls it by
// name when the teacher chooses another progress folder.

#include <QString>

class QWidget;

namespace quorvia::teacher {

QWidget* makeClassTab(const QString& resourceFolder, const QString& progressFolder, QWidget* parent = nullptr);

}  // namespace quorvia::teacher
