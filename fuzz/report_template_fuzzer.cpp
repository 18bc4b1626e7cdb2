// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a report template of the resource folder, which teachers may
// edit by hand. The reader answers with a whole template or with an error
// that says where, never both and never neither; and a template it accepts
// keeps within the bounds that keep the renderer from drawing without end.

#include "printing/report_template_attributes.h"
#include "printing/report_template_reader.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <variant>

namespace {

using namespace quorvia;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool within(double value, double min, double max) {
    return std::isfinite(value) && value >= min && value <= max;
}

void checkRect(const QRectF& rect) {
    if (!within(rect.x(), kMinCoordinate, kMaxCoordinate) ||
        !within(rect.y(), kMinCoordinate, kMaxCoordinate) ||
        !within(rect.width(), 0.1, kMaxCoordinate) || !within(rect.height(), 0.1, kMaxCoordinate))
        fail("a place outside the bounds");
}

void checkStyle(const TextStyle& style) {
    if (!within(style.font_size, 1, 200) || !within(style.frame_width, 0.05, 20) ||
        !within(style.padding, 0, 100) || style.font_families.isEmpty())
        fail("a text style outside the bounds");
}

void checkItem(const ReportItem& item) {
    std::visit(
        [](const auto& thing) {
            using T = std::decay_t<decltype(thing)>;
            if constexpr (std::is_same_v<T, ReportText>) {
                checkRect(thing.rect);
                checkStyle(thing.style);
                if (thing.text.size() > kMaxTemplateTextLength) fail("a text longer than allowed");
            } else if constexpr (std::is_same_v<T, ReportLine>) {
                if (!within(thing.from.x(), kMinCoordinate, kMaxCoordinate) ||
                    !within(thing.from.y(), kMinCoordinate, kMaxCoordinate) ||
                    !within(thing.to.x(), kMinCoordinate, kMaxCoordinate) ||
                    !within(thing.to.y(), kMinCoordinate, kMaxCoordinate) ||
                    !within(thing.width, 0.05, 20))
                    fail("a line outside the bounds");
            } else if constexpr (std::is_same_v<T, ReportBox>) {
                checkRect(thing.rect);
                if (!within(thing.border_width, 0, 20) || !within(thing.radius, 0, 1000))
                    fail("a box outside the bounds");
            } else {
                checkRect(thing.rect);
                if (thing.file.isEmpty()) fail("a picture without a file");
            }
        },
        item);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TemplateReading reading = parseReportTemplate(bytes);
    if (reading.report.has_value() == !reading.error.isEmpty())
        fail("a template and an error, or neither");
    if (!reading.report) return 0;

    const ReportTemplate& report = *reading.report;
    if (report.pages.empty() || int(report.pages.size()) > kMaxTemplatePages)
        fail("a template with no pages or too many");
    for (const ReportPage& page : report.pages) {
        if (!within(page.size.width(), 20, 2000) || !within(page.size.height(), 20, 2000))
            fail("paper outside the bounds");
        if (int(page.items.size()) > kMaxItemsPerPage) fail("a page with too many items");
        for (const ReportItem& item : page.items) checkItem(item);
    }
    return 0;
}
