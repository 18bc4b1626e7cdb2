// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folders for the teacher's area's tests: the checker's clean fixture folder
// with faults laid over it, and a user configuration folder of its own.

#include "check/check_fixture.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace quorvia::teacher::testing {

using FaultFolder = check::testing::FixtureFolder;

// $XDG_CONFIG_HOME pointed at an empty folder for the object's life, so a
// PIN written by a test lands there.
class UserConfig {
public:
    UserConfig();
    ~UserConfig();
    UserConfig(const UserConfig&) = delete;
    UserConfig& operator=(const UserConfig&) = delete;
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool had_previous_ = false;
};

}  // namespace quorvia::teacher::testing
