// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version, compiled in from the build's project version.

#include <QString>

namespace quorvia {

// "major.minor.release.build", e.g. "3.0.0.1"; empty when the build carries
// no usable version.
QString versionText();
// The same from a version string with up to four numeric parts ("3.0" gives
// "3.0.0.0"); empty when it is empty or not numeric.
QString formatVersion(const QString& version);
// What the version label shows: "Ver " followed by the version text.
QString versionLabelText();

}  // namespace quorvia
