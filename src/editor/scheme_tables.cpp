// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/scheme_tables.h"

#include "exercise/scheme3.h"
#include "exercise/scheme4a.h"
#include "exercise/scheme4b.h"
#include "exercise/scheme5.h"
#include "exercise/scheme_description.h"

namespace quorvia::editor {

const SchemeDescription& schemeDescriptionOf(Scheme scheme)
{
    switch (scheme) {
    case Scheme::S3: return scheme3Description();
    case Scheme::S4a: return scheme4aDescription();
    case Scheme::S4b: return scheme4bDescription();
    case Scheme::S5: return scheme5Description();
    }
    return scheme3Description();
}

}  // namespace quorvia::editor
