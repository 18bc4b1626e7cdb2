// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attributes of one element of a template file and the values they may
// hold: numbers in millimetres with a point for decimals, yes or no, colours,
// the sides of a frame and the looks of a text. A value that is not right
// throws TemplateAttributeError with a text for the teacher; the reader adds
// the line and column.

#include "printing/report_template.h"

#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>

#include <optional>

namespace quorvia {

struct TemplateAttributeError {
    QString text;
};

// Coordinates and lengths a template may use, in millimetres.
constexpr double kMinCoordinate = -1000;
constexpr double kMaxCoordinate = 5000;

// The names of the looks of a text, shared by <style> and <text>.
const QStringList& textLookAttributes();

class TemplateAttributes {
public:
    // Refuses at once an attribute outside `allowed`, so that "heigth" is
    // told as itself and not as a missing "height".
    TemplateAttributes(const QXmlStreamAttributes& list, const QString& element, const QStringList& allowed);

    std::optional<QString> text(const QString& name) const;
    // A required number within [min, max].
    double number(const QString& name, double min, double max) const;
    // An optional one.
    double number(const QString& name, double min, double max, double fallback) const;
    // x, y, width and height, all required.
    QRectF rect() const;
    bool flag(const QString& name, bool fallback) const;
    // A colour; "none" gives an invalid colour where `noneAllowed`.
    QColor colour(const QString& name, const QColor& fallback, bool noneAllowed) const;
    Qt::PenStyle dash(Qt::PenStyle fallback) const;
    // The looks of a text over `style`.
    void readLooks(TextStyle& style) const;

    const QString& element() const { return element_; }

private:
    QXmlStreamAttributes list_;
    QString element_;
};

}  // namespace quorvia
