// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/child_places.h"

#include <QLatin1String>
#include <QWidget>

namespace quorvia {

void placeChildren(QWidget* parent, const ChildPlace* table, std::size_t rows)
{
    for (std::size_t i = 0; i < rows; ++i) {
        if (auto* widget = parent->findChild<QWidget*>(QLatin1String(table[i].name)))
            widget->setGeometry(table[i].geometry);
    }
}

}  // namespace quorvia
