// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/control_index.h"

#include "widgets/controls.h"


namespace quorvia {

QObject* ControlIndex::find(const QString& name) const
{
    if (!window_ || name.isEmpty())
        return nullptr;
    if (!built_) {
        built_ = true;
        // The first control of each name in the window's order, as the walk
        // of findControl meets them; players and timers are named controls too.
        for (QObject* control : namedControlsInOrder(window_)) {
            const QString key = control->objectName().toCaseFolded();
            if (!controls_.contains(key))
                controls_.insert(key, control);
        }
    }
    const QString key = name.toCaseFolded();
    const auto known = controls_.constFind(key);
    if (known != controls_.constEnd() && *known && (*known)->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return *known;
    QObject* found = findControl(window_, name);
    if (found)
        controls_.insert(key, found);
    return found;
}

}  // namespace quorvia
