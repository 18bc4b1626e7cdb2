// SPDX-License-Identifier: GPL-3.0-or-later
// The objects each scheme's report fills in and the widgets they take their
// texts from. The templates name their objects alike in every scheme:
// "memo6" the question, "memo34" the second question, "memo9", "memo10",
// "memo11", "memo25", "memo24" the data in order, "memo29" and "memo57" the
// answers, "memo15" and "memo20" the operators; "memo37", "memo50", "memo38",
// "memo46", "memo47", "memo26", "memo42", "memo39", "memo45", "memo58" the
// error counts in the order of the steps; "memo2", "memo8", "memo4",
// "memo21" the panel headings.

#include "printing/worked_problem_report.h"

namespace quorvia {

namespace {

constexpr bool kExchanged = true;

WorkedProblemLayout scheme3()
{
    return {"stampa3.frf",
            {
                {"memo6", "LMDdomanda", "EB01"},
                {"memo9", "LMDdato1", "EB02"},
                {"memo10", "LMDdato2", "EB03"},
                {"memo12", "dato1"},
                {"memo5", "dato2"},
                {"memo13", "Risultato2"},
                {"memo15", "Loper1"},
                {"memo29", "LMDrisposta", "EB05"},
                {"memo37", "H1"},
                {"memo38", "H2"},
                {"memo46", "H3"},
                {"memo39", "H4"},
                {"memo45", "H5"},
                {"memo2", "Label7"},
                {"memo8", "Label8"},
                {"memo4", "Label4"},
                {"memo21", "Label5"},
            }};
}

WorkedProblemLayout scheme4a()
{
    return {"stampa41.frf",
            {
                {"memo6", "E01", "EB01"},
                {"memo9", "E02", "EB02"},
                {"memo10", "E03", "EB03"},
                {"memo11", "E04", "EB04"},
                {"memo25", "E05", "EB05"},
                {"memo24", "E06", "EB06"},
                {"memo29", "E08", "EB08"},
                // The column shows the first operator beside three of its data.
                {"memo15", "Lop1"},
                {"memo55", "Lop1"},
                {"memo56", "Lop1"},
                {"memo20", "Lop2"},
                {"E17", "E17"},
                {"E27", "E27"},
                {"E37", "E37"},
                {"E47", "E47"},
                {"E57", "E57"},
                {"E67", "E67"},
                {"E77", "E77"},
                {"jolly", "Jolly"},
                {"E67", "Jolly", nullptr, kExchanged},
                {"jolly", "E67", nullptr, kExchanged},
                {"memo37", "H1"},
                {"memo38", "H2"},
                {"memo46", "H3"},
                {"memo47", "H4"},
                {"memo26", "H5"},
                {"memo42", "H6"},
                {"memo39", "H7"},
                {"memo45", "H8"},
                {"memo2", "Label7"},
                {"memo8", "Label8"},
                {"memo4", "Label4"},
                {"memo21", "Label5"},
            }};
}

// Scheme 4b writes no panel headings: its template has its own.
WorkedProblemLayout scheme4b()
{
    return {"stampa42.frf",
            {
                {"memo6", "E01", "EB01"},
                {"memo34", "E02", "EB02"},
                {"memo9", "E03", "EB03"},
                {"memo10", "E04", "EB04"},
                {"memo11", "E05", "EB05"},
                {"memo25", "E06", "EB06"},
                {"memo29", "E08", "EB08"},
                {"memo57", "E09", "EB09"},
                {"memo15", "Lop1"},
                {"memo55", "Lop1"},
                {"memo20", "Lop2"},
                {"E17", "E17"},
                {"E27", "E27"},
                {"E37", "E37"},
                {"E57", "E57"},
                {"E67", "E67"},
                {"E77", "E77"},
                {"jolly", "jolly"},
                {"E67", "jolly", nullptr, kExchanged},
                {"jolly", "E67", nullptr, kExchanged},
                {"memo37", "H1"},
                {"memo50", "H2"},
                {"memo38", "H3"},
                {"memo46", "H4"},
                {"memo47", "H5"},
                {"memo26", "H6"},
                {"memo39", "H7"},
                {"memo45", "H8"},
                {"memo58", "H9"},
            }};
}

WorkedProblemLayout scheme5()
{
    return {"stampa.frf",
            {
                {"memo6", "LMDdomanda", "EB01"},
                {"memo9", "LMDdato1", "EB02"},
                {"memo10", "LMDdato2", "EB03"},
                {"memo11", "LMDdato3", "EB04"},
                {"memo29", "LMDrisposta", "EB06"},
                {"E17", "dato1"},
                {"E27", "dato2"},
                {"E37", "Risultato1"},
                {"jolly", "Risultato1"},
                {"E67", "dato3"},
                {"E77", "Risultato2"},
                {"jolly", "dato3", nullptr, kExchanged},
                {"E67", "Risultato1", nullptr, kExchanged},
                {"memo15", "Loper1"},
                {"memo20", "Loper2"},
                {"memo37", "H1"},
                {"memo38", "H2"},
                {"memo46", "H3"},
                {"memo47", "H4"},
                {"memo39", "H5"},
                {"memo45", "H6"},
                {"memo2", "Label7"},
                {"memo8", "Label8"},
                {"memo4", "Label4"},
                {"memo21", "Label5"},
            }};
}

}  // namespace

const WorkedProblemLayout& workedProblemLayout(Scheme scheme)
{
    static const WorkedProblemLayout layouts[] = {scheme3(), scheme4a(), scheme4b(), scheme5()};
    switch (scheme) {
    case Scheme::S3: return layouts[0];
    case Scheme::S4a: return layouts[1];
    case Scheme::S4b: return layouts[2];
    case Scheme::S5: return layouts[3];
    }
    return layouts[0];
}

}  // namespace quorvia
