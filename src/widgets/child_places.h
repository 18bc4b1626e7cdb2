// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows laid out from a table: each named child gets its place.

#include <QRect>

#include <cstddef>

class QWidget;

namespace quorvia {

// The place of the child widget with this object name.
struct ChildPlace {
    const char* name;
    QRect geometry;
};

// Gives every child of `parent` (at any depth) that a row of the table names
// its geometry; a row whose child does not exist is skipped.
void placeChildren(QWidget* parent, const ChildPlace* table, std::size_t rows);

template <std::size_t N>
void placeChildren(QWidget* parent, const ChildPlace (&table)[N])
{
    placeChildren(parent, table, N);
}

}  // namespace quorvia
