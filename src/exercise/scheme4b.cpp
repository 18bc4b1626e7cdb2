// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scheme4b.h"

#include "exercise/scheme_placement.h"

namespace quorvia {

namespace {

using K = WidgetKind;
using namespace placement;

constexpr int kColumnCaptionH = 30;  // single-line captions left of the column
constexpr int kRowCaptionW = 100, kRowCaptionH = 44;  // captions under the second operation

// Panels of the step area, stacked in Panel6 in both windows.
constexpr int kQuestionsTop = 0, kQuestionsH = 110;
constexpr int kDataTop = kQuestionsTop + kQuestionsH, kDataH = 174;
constexpr int kSchemeTop = kDataTop + kDataH, kSchemeH = 345;
constexpr int kAnswersTop = kSchemeTop + kSchemeH, kAnswersH = 245;
constexpr int kStepPanelH = kAnswersTop + kAnswersH;

// The captions left of the column end where the column begins.
constexpr int kColumnCaptionsEnd = 285;

WidgetPlace columnCaption(const char* parent, int left, int top)
{
    return at(parent, left, top, kColumnCaptionsEnd - left, kColumnCaptionH);
}
WidgetPlace rowCaption(const char* parent, int left, int top)
{
    return at(parent, left, top, kRowCaptionW, kRowCaptionH);
}

SchemeDescription makeScheme4b()
{
    const char* P6 = "Panel6";
    const char* P4 = "Panel4";  // the two questions
    const char* P3 = "Panel3";  // the four data
    const char* P2 = "Panel2";  // the operation scheme
    const char* P5 = "Panel5";  // the two answers
    SchemeDescription d;
    d.scheme = Scheme::S4b;
    d.advanced_window = "TFormA4b";
    d.beginner_window = "TFormP4b";
    d.step_panel_width = kPanelWidth;
    d.advanced_panel_height = kStepPanelH;
    d.beginner_panel_height = kStepPanelH;

    const WidgetPlace questions = at(P6, 0, kQuestionsTop, kPanelWidth, kQuestionsH);
    const WidgetPlace data = at(P6, 0, kDataTop, kPanelWidth, kDataH);
    const WidgetPlace scheme = at(P6, 0, kSchemeTop, kPanelWidth, kSchemeH);
    const WidgetPlace answers = at(P6, 0, kAnswersTop, kPanelWidth, kAnswersH);

    d.widgets = {
        // Steps 1 and 2: the two questions.
        {P4, K::Panel, 0, questions, questions},
        {"Label7", K::Heading, 0, heading(P4), heading(P4), "Riscrivi la domanda e poi ..."},
        {"E01", K::SentenceBox, 1, sentence(P4, 40), none},
        {"EB01", K::ChoiceList, 1, none, list(P4, 40)},
        {"B1", K::VerificaButton, 1, button(P4, 504, 40), button(P4, 504, 40), "Verifica"},
        {"H1", K::ErrorButton, 1, counter(P4, 579, 40), counter(P4, 579, 40), "Err=0"},
        {"Shape01", K::Indicator, 1, led(P4, 685, 43), led(P4, 685, 43)},
        {"E02", K::SentenceBox, 2, sentence(P4, 72), none},
        {"EB02", K::ChoiceList, 2, none, list(P4, 72)},
        {"B2", K::VerificaButton, 2, button(P4, 504, 72), button(P4, 504, 72), "Verifica"},
        {"H2", K::ErrorButton, 2, counter(P4, 579, 72), counter(P4, 579, 72), "Err=0"},
        {"Shape02", K::Indicator, 2, led(P4, 685, 75), led(P4, 685, 75)},

        // Steps 3 to 6: the data, one row each.
        {P3, K::Panel, 0, data, data},
        {"Label8", K::Heading, 0, heading(P3), heading(P3), "Scrivi i dati e poi ..."},
        {"E03", K::SentenceBox, 3, sentence(P3, 40), none},
        {"EB03", K::ChoiceList, 0, none, at(P3, 8, 40, 452, kRowH)},
        {"B3", K::VerificaButton, 3, button(P3, 504, 40), button(P3, 504, 40), "Verifica"},
        {"H3", K::ErrorButton, 3, counter(P3, 579, 40), counter(P3, 579, 40), "Err=0"},
        {"Shape03", K::Indicator, 3, led(P3, 685, 43), led(P3, 685, 43)},
        {"E04", K::SentenceBox, 4, sentence(P3, 72), none},
        {"EB04", K::ChoiceList, 0, none, at(P3, 8, 72, 452, kRowH)},
        {"B4", K::VerificaButton, 4, button(P3, 504, 72), button(P3, 504, 72), "Verifica"},
        {"H4", K::ErrorButton, 4, counter(P3, 579, 72), counter(P3, 579, 72), "Err=0"},
        {"Shape04", K::Indicator, 4, led(P3, 685, 75), led(P3, 685, 75)},
        {"E05", K::SentenceBox, 5, sentence(P3, 104), none},
        {"EB05", K::ChoiceList, 0, none, at(P3, 8, 104, 452, kRowH)},
        {"B5", K::VerificaButton, 5, button(P3, 504, 104), button(P3, 504, 104), "Verifica"},
        {"H5", K::ErrorButton, 5, counter(P3, 579, 104), counter(P3, 579, 104), "Err=0"},
        {"Shape05", K::Indicator, 5, led(P3, 685, 107), led(P3, 685, 107)},
        {"E06", K::SentenceBox, 6, sentence(P3, 136), none},
        {"EB06", K::ChoiceList, 0, none, at(P3, 8, 136, 452, kRowH)},
        {"B6", K::VerificaButton, 6, button(P3, 504, 136), button(P3, 504, 136), "Verifica"},
        {"H6", K::ErrorButton, 6, counter(P3, 579, 136), counter(P3, 579, 136), "Err=0"},
        {"Shape06", K::Indicator, 6, led(P3, 685, 139), led(P3, 685, 139)},

        // Step 7: the operation scheme. Worksheets store these names, Tags
        // and places; the number boxes are created in their tab order, with
        // the mirror of the partial result last.
        {P2, K::Panel, 0, scheme, scheme},
        {"Label4", K::Heading, 0, heading(P2), heading(P2), "Risolvi lo schema inserendo qui i dati  "},
        {"L61", K::Caption, 51, columnCaption(P2, 185, 56), columnCaption(P2, 185, 48)},
        {"E17", K::NumberBox, 7, box(P2, 293, 56), box(P2, 293, 48)},
        {"Lop1", K::OperatorLabel, 0, sign(P2, 389, 56), sign(P2, 389, 48)},
        {"L62", K::Caption, 52, columnCaption(P2, 193, 88), columnCaption(P2, 193, 80)},
        {"E27", K::NumberBox, 7, box(P2, 293, 88), box(P2, 293, 80)},
        {"Lop12", K::FollowerLabel, 0, sign(P2, 390, 89), sign(P2, 391, 82)},
        {"L63", K::Caption, 53, columnCaption(P2, 192, 120), columnCaption(P2, 192, 112)},
        {"E37", K::NumberBox, 7, box(P2, 293, 120, kBoxW, 28), box(P2, 293, 112, kBoxW, 28)},
        {"Label6", K::EqualsLabel, 0, sign(P2, 387, 121), sign(P2, 387, 113), "="},
        {"Shape1", K::Rule, 0, at(P2, 231, 153, 195, 2), at(P2, 273, 145, 128, 1)},
        {"L66", K::Caption, 56, columnCaption(P2, 152, 159), columnCaption(P2, 152, 151)},
        {"E57", K::NumberBox, 7, box(P2, 293, 162), box(P2, 293, 154)},
        {"Lop2", K::OperatorLabel, 0, sign(P2, 254, 209), sign(P2, 254, 204)},
        {"E67", K::NumberBox, 7, box(P2, 293, 209), box(P2, 293, 201)},
        {"Label9", K::EqualsLabel, 0, sign(P2, 387, 212), sign(P2, 395, 204), "="},
        {"E77", K::NumberBox, 7, box(P2, 422, 209, 89), box(P2, 437, 201)},
        {"jolly", K::MirrorBox, 7, box(P2, 141, 209), box(P2, 149, 201)},
        {"Ljolly", K::Caption, 55, rowCaption(P2, 140, 235), rowCaption(P2, 148, 227)},
        {"L65", K::Caption, 55, rowCaption(P2, 292, 237), rowCaption(P2, 292, 227)},
        {"L67", K::Caption, 57, rowCaption(P2, 420, 238), rowCaption(P2, 436, 227)},
        {"B7", K::VerificaButton, 7, button(P2, 504, 304), button(P2, 504, 304), "Verifica"},
        {"H7", K::ErrorButton, 7, counter(P2, 579, 304), counter(P2, 579, 304), "Err=0"},
        {"Shape07", K::Indicator, 7, led(P2, 685, 307), led(P2, 685, 307)},

        // Steps 8 and 9: the two answers, and the pictures of the end.
        {P5, K::Panel, 0, answers, answers},
        {"Label5", K::Heading, 0, heading(P5), heading(P5), "Scrivi la risposta"},
        {"E08", K::SentenceBox, 8, at(P5, 8, 37, 497, kRowH), none},
        {"EB08", K::ChoiceList, 0, none, at(P5, 16, 37, 425, kRowH)},
        {"B8", K::VerificaButton, 8, button(P5, 509, 37), button(P5, 509, 37), "Verifica"},
        {"H8", K::ErrorButton, 8, counter(P5, 591, 37), counter(P5, 591, 37), "Err=0"},
        {"Shape08", K::Indicator, 8, led(P5, 685, 43), led(P5, 685, 43)},
        {"E09", K::SentenceBox, 9, at(P5, 8, 77, 497, kRowH), none},
        {"EB09", K::ChoiceList, 0, none, at(P5, 16, 77, 425, kRowH)},
        {"B9", K::VerificaButton, 9, button(P5, 509, 77), button(P5, 509, 77), "Verifica"},
        {"H9", K::ErrorButton, 9, counter(P5, 591, 77), counter(P5, 591, 77), "Err=0"},
        {"Shape09", K::Indicator, 9, led(P5, 685, 83), led(P5, 685, 83)},
        {"GIF3", K::Animation, 0, at(P5, 0, 115, 200, 120), at(P5, 0, 115, 200, 120)},
        {"Image5", K::Picture, 0, at(P5, 300, 115, 120, 120), at(P5, 300, 115, 120, 120)},
        {"CoccaHelp", K::Picture, 0, at(P5, 300, 115, 120, 120), at(P5, 300, 115, 120, 120)},
    };

    d.steps = {
        {1, StepKind::Sentence, "E01", "EB01"},
        {2, StepKind::Sentence, "E02", "EB02"},
        {3, StepKind::Sentence, "E03", "EB03"},
        {4, StepKind::Sentence, "E04", "EB04"},
        {5, StepKind::Sentence, "E05", "EB05"},
        {6, StepKind::Sentence, "E06", "EB06"},
        {7, StepKind::OperationScheme, "", ""},
        {8, StepKind::Sentence, "E08", "EB08"},
        {9, StepKind::Sentence, "E09", "EB09"},
    };

    d.result_box = "E77";
    d.captions = {
        {"L61", CaptionSource::Data1},   {"L62", CaptionSource::Data2},
        {"L63", CaptionSource::Data3},   {"L66", CaptionSource::Partial},
        {"L65", CaptionSource::Data4},   {"Ljolly", CaptionSource::PartialOnJolly},
        {"L67", CaptionSource::Final},
    };
    d.followers = {{"Lop1", "Lop12"}};
    d.mirrors = {{"E57", "jolly"}};
    // B7, B8 and B9 keep their own "Verifica".
    d.verifica_copies = {"B2", "B3", "B4", "B5", "B6"};
    d.expectations = &scheme4bExpectations;
    // The captions left of the column read towards their box.
    d.right_aligned_captions = {"L61", "L62", "L63", "L66"};
    d.second_row = {"jolly", "E67", "Ljolly", "L65"};

    // Both answer rows go for the closing sequence and come back at its end.
    d.answer_steps = {8, 9};
    d.advanced.closing_always_runs = true;
    d.beginner.solution_start_closes_steps = true;
    d.beginner.scroll_box_takes_focus = true;
    d.beginner.scroll_box_rgb = kScrollBoxInactiveCaption;
    return d;
}

}  // namespace

const SchemeDescription& scheme4bDescription()
{
    static const SchemeDescription description = makeScheme4b();
    return description;
}

ExpectedTexts scheme4bExpectations(const PreparedFormulas& formulas)
{
    // The column's data from entry 1; entry 4 is the datum of the second
    // operation when R1 has three numbers (otherwise whatever the load left
    // there: the number of R2, or DATO4_VALORE).
    const auto& v = formulas.data_values;
    return {
        {QStringLiteral("E77"), generalText(formulas.final_result), SchemeBox::Result, 2},
        {QStringLiteral("E57"), generalText(formulas.expected_result), SchemeBox::Result},
        {QStringLiteral("E17"), generalText(v[1])},
        {QStringLiteral("E27"), generalText(v[2])},
        {QStringLiteral("E37"), generalText(v[3])},
        {QStringLiteral("E67"), generalText(v[4]), SchemeBox::Datum, 2},
        {QStringLiteral("Lop1"), QString::fromStdString(formulas.operator_sign), SchemeBox::Operator},
        {QStringLiteral("Lop2"), QString::fromStdString(formulas.second_operator_sign), SchemeBox::Operator, 2},
    };
}

}  // namespace quorvia
