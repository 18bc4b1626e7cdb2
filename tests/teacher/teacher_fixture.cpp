// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_fixture.h"

namespace quorvia::teacher::testing {

UserConfig::UserConfig()
    : previous_(qgetenv("XDG_CONFIG_HOME")), had_previous_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
}

UserConfig::~UserConfig()
{
    if (had_previous_)
        qputenv("XDG_CONFIG_HOME", previous_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace quorvia::teacher::testing
