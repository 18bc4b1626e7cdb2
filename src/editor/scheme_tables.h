// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise layer's description of a scheme, the table its windows and
// the checker's solver are built from.

#include "content/scheme.h"

namespace quorvia {
struct SchemeDescription;
}

namespace quorvia::editor {

const SchemeDescription& schemeDescriptionOf(Scheme scheme);

}  // namespace quorvia::editor
