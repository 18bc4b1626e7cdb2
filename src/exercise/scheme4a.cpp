// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scheme4a.h"

#include "exercise/scheme_placement.h"
#include "shell/main_window_services.h"

#include <QLabel>

namespace quorvia {

namespace {

using K = WidgetKind;
using namespace placement;

constexpr int kColumnCaptionH = 30;  // captions beside the column, one row high

// The panels of the steps inside Panel6, in both windows.
constexpr int kQuestionTop = 0, kQuestionH = 84;
constexpr int kDataTop = kQuestionTop + kQuestionH, kDataH = 210;
constexpr int kSchemeTop = kDataTop + kDataH, kSchemeH = 372;
constexpr int kAnswerTop = kSchemeTop + kSchemeH, kAnswerH = 200;
constexpr int kStepPanelHeight = kAnswerTop + kAnswerH;

// The beginner's edit box of a datum lies wholly under the datum's list.
WidgetPlace underList(const char* parent, int top)
{
    return at(parent, kListLeft + 2, top + 2, kListW - 4, kRowH - 4);
}
// A caption beside the column, reaching right up to the boxes it names.
WidgetPlace columnCaption(const char* parent, int left, int top, int boxLeft)
{
    return at(parent, left, top, boxLeft - 4 - left, kColumnCaptionH);
}

// The sentence steps of the data, one row each in Panel3.
struct DatumRow {
    int step;
    int top;
    const char* entry;
    const char* list;
    const char* verifica;
    const char* counter;
    const char* indicator;
};
constexpr DatumRow kDatumRows[] = {
    {2, 40, "E02", "EB02", "B2", "H2", "Shape02"},
    {3, 72, "E03", "EB03", "B3", "H3", "Shape03"},
    {4, 104, "E04", "EB04", "B4", "H4", "Shape04"},
    {5, 136, "E05", "EB05", "B5", "H5", "Shape05"},
    {6, 168, "E06", "EB06", "B6", "H6", "Shape06"},
};

SchemeDescription makeScheme4a()
{
    const char* P6 = "Panel6";
    const char* P4 = "Panel4";
    const char* P3 = "Panel3";
    const char* P2 = "Panel2";
    const char* P5 = "Panel5";
    SchemeDescription d;
    d.scheme = Scheme::S4a;
    d.advanced_window = "TFormA4a";
    d.beginner_window = "TFormP4a";
    d.step_panel_width = kPanelWidth;
    d.advanced_panel_height = kStepPanelHeight;
    d.beginner_panel_height = kStepPanelHeight;

    // Both windows stack one panel per group of steps inside Panel6.
    d.widgets = {
        // Step 1: the question.
        {"Panel4", K::Panel, 0, at(P6, 0, kQuestionTop, kPanelWidth, kQuestionH),
         at(P6, 0, kQuestionTop, kPanelWidth, kQuestionH)},
        {"Label7", K::Heading, 0, heading(P4), heading(P4), "Riscrivi la domanda e poi ..."},
        {"E01", K::SentenceBox, 1, sentence(P4, 40), none},
        {"EB01", K::ChoiceList, 1, none, list(P4, 40)},
        {"B1", K::VerificaButton, 1, button(P4, 504, 40), button(P4, 504, 40), "Verifica"},
        {"H1", K::ErrorButton, 1, counter(P4, 579, 40), counter(P4, 579, 40), "Err=0"},
        {"Shape01", K::Indicator, 1, led(P4, 685, 43), led(P4, 685, 43)},

        // Steps 2 to 6: the data, added below.
        {"Panel3", K::Panel, 0, at(P6, 0, kDataTop, kPanelWidth, kDataH),
         at(P6, 0, kDataTop, kPanelWidth, kDataH)},
        {"Label8", K::Heading, 0, heading(P3), heading(P3), "Scrivi i dati e poi ..."},
    };
    for (const DatumRow& r : kDatumRows) {
        d.widgets.push_back({r.entry, K::SentenceBox, r.step, sentence(P3, r.top), none});
        // Made before its list, so the list covers it.
        d.widgets.push_back({r.entry, K::CoveredBox, r.step, none, underList(P3, r.top)});
        d.widgets.push_back({r.list, K::ChoiceList, 1, none, list(P3, r.top)});
        d.widgets.push_back({r.verifica, K::VerificaButton, r.step, button(P3, 504, r.top),
                             button(P3, 504, r.top), "Verifica"});
        d.widgets.push_back({r.counter, K::ErrorButton, r.step, counter(P3, 579, r.top),
                             counter(P3, 579, r.top), "Err=0"});
        d.widgets.push_back({r.indicator, K::Indicator, r.step, led(P3, 685, r.top + 3),
                             led(P3, 685, r.top + 3)});
    }

    // Step 7: the operation scheme. Worksheets store these names, Tags and
    // places; the number boxes are made in their tab order, Jolly last.
    const std::vector<WidgetRow> scheme = {
        {"Panel2", K::Panel, 0, at(P6, 0, kSchemeTop, kPanelWidth, kSchemeH),
         at(P6, 0, kSchemeTop, kPanelWidth, kSchemeH)},
        {"Label4", K::Heading, 0, heading(P2), heading(P2), "Risolvi lo schema inserendo qui i dati  "},
        {"L61", K::Caption, 51, columnCaption(P2, 201, 48, 309), columnCaption(P2, 256, 48, 325), "1° dato"},
        {"E17", K::NumberBox, 7, box(P2, 309, 48), box(P2, 325, 48)},
        {"Lop1", K::OperatorLabel, 0, sign(P2, 406, 49), sign(P2, 422, 49)},
        {"L62", K::Caption, 52, columnCaption(P2, 209, 80, 309), columnCaption(P2, 256, 80, 325), "2° dato"},
        {"E27", K::NumberBox, 7, box(P2, 309, 80), box(P2, 325, 80)},
        {"Lop12", K::FollowerLabel, 0, sign(P2, 406, 82), sign(P2, 422, 82)},
        {"L63", K::Caption, 53, columnCaption(P2, 208, 112, 309), columnCaption(P2, 256, 112, 325), "3° dato"},
        {"E37", K::NumberBox, 7, box(P2, 309, 112, kBoxW, 28), box(P2, 325, 112, kBoxW, 28)},
        {"Lop13", K::FollowerLabel, 0, sign(P2, 406, 113), sign(P2, 422, 113)},
        {"L64", K::Caption, 54, columnCaption(P2, 208, 144, 309), columnCaption(P2, 256, 144, 325), "4° dato"},
        {"E47", K::NumberBox, 7, box(P2, 309, 142, kBoxW, 28), box(P2, 325, 142, kBoxW, 28)},
        {"Label6", K::EqualsLabel, 0, sign(P2, 405, 144), sign(P2, 421, 144), "="},
        {"Shape1", K::Rule, 0, at(P2, 270, 172, 165, 2), at(P2, 273, 172, 177, 2)},
        {"L66", K::Caption, 56, columnCaption(P2, 168, 172, 309), columnCaption(P2, 184, 172, 325),
         "risultato parziale"},
        {"E57", K::NumberBox, 7, box(P2, 309, 175), box(P2, 325, 175)},
        {"Lop2", K::OperatorLabel, 0, sign(P2, 267, 227), sign(P2, 286, 229)},
        {"E67", K::NumberBox, 7, box(P2, 309, 225), box(P2, 325, 225)},
        {"Label9", K::EqualsLabel, 0, sign(P2, 407, 226), sign(P2, 422, 228), "="},
        {"E77", K::NumberBox, 7, box(P2, 437, 225, 89), box(P2, 454, 225, 89)},
        {"Jolly", K::MirrorBox, 7, box(P2, 157, 225), box(P2, 173, 225)},
        {"Ljolly", K::Caption, 56, caption(P2, 156, 252), caption(P2, 172, 258), "risultato parziale"},
        {"L65", K::Caption, 55, caption(P2, 309, 252), caption(P2, 325, 260), "5° dato"},
        {"L67", K::Caption, 57, caption(P2, 438, 259), caption(P2, 453, 258), "risultato finale"},
        {"B7", K::VerificaButton, 7, button(P2, 504, 332), button(P2, 506, 333), "Verifica"},
        {"H7", K::ErrorButton, 7, counter(P2, 579, 332), counter(P2, 581, 333), "Err=0"},
        {"Shape07", K::Indicator, 7, led(P2, 685, 335), led(P2, 685, 338)},

        // Step 8: the answer, and the pictures of the end of a problem. The
        // answer box ends before B8, so typing never runs under the button.
        {"Panel5", K::Panel, 0, at(P6, 0, kAnswerTop, kPanelWidth, kAnswerH),
         at(P6, 0, kAnswerTop, kPanelWidth, kAnswerH)},
        {"Label5", K::Heading, 0, heading(P5), heading(P5), "Scrivi la risposta"},
        {"E08", K::SentenceBox, 8, at(P5, 8, 40, 481, kRowH), none},
        {"EB08", K::ChoiceList, 1, none, list(P5, 40)},
        {"B8", K::VerificaButton, 8, button(P5, 493, 40), button(P5, 501, 40), "Verifica"},
        {"H8", K::ErrorButton, 8, counter(P5, 575, 40), counter(P5, 583, 40), "Err=0"},
        {"Shape08", K::Indicator, 8, led(P5, 685, 43), led(P5, 685, 43)},
        {"GIF3", K::Animation, 0, at(P5, 0, 76, 200, 120), at(P5, 0, 76, 200, 120)},
        {"Image5", K::Picture, 0, at(P5, 300, 76, 120, 120), at(P5, 300, 76, 120, 120)},
        {"CoccaHelp", K::Picture, 0, at(P5, 300, 76, 120, 120), at(P5, 300, 76, 120, 120)},
    };
    d.widgets.insert(d.widgets.end(), scheme.begin(), scheme.end());

    d.steps = {
        {1, StepKind::Sentence, "E01", "EB01"},
        {2, StepKind::Sentence, "E02", "EB02"},
        {3, StepKind::Sentence, "E03", "EB03"},
        {4, StepKind::Sentence, "E04", "EB04"},
        {5, StepKind::Sentence, "E05", "EB05"},
        {6, StepKind::Sentence, "E06", "EB06"},
        {7, StepKind::OperationScheme, "", ""},
        {8, StepKind::Sentence, "E08", "EB08"},
    };

    d.result_box = "E77";
    d.captions = {
        {"L61", CaptionSource::Data1},   {"L62", CaptionSource::Data2},
        {"L63", CaptionSource::Data3},   {"L64", CaptionSource::Data4},
        {"L66", CaptionSource::Partial}, {"L65", CaptionSource::Data5},
        {"Ljolly", CaptionSource::PartialOnJolly}, {"L67", CaptionSource::Final},
    };
    d.followers = {{"Lop1", "Lop12"}, {"Lop1", "Lop13"}};
    d.mirrors = {{"E57", "Jolly"}};
    // B7 and B8 keep their own caption.
    d.verifica_copies = {"B2", "B3", "B4", "B5", "B6"};
    d.expectations = &scheme4aExpectations;
    // The captions beside the column keep their right edge at the boxes.
    d.right_aligned_captions = {"L61", "L62", "L63", "L64", "L66"};
    d.second_row = {"Jolly", "E67", "Ljolly", "L65"};

    d.beginner.scroll_box_rgb = kScrollBoxInactiveCaption;
    return d;
}

}  // namespace

const SchemeDescription& scheme4aDescription()
{
    static const SchemeDescription description = makeScheme4a();
    return description;
}

ExpectedTexts scheme4aExpectations(const PreparedFormulas& formulas)
{
    // The numbers of R1 stand from entry 1; the number of R2 follows them.
    const auto& values = formulas.data_values;
    return {
        {QStringLiteral("E77"), generalText(formulas.final_result), SchemeBox::Result, 2},
        {QStringLiteral("E57"), generalText(formulas.expected_result), SchemeBox::Result},
        {QStringLiteral("E17"), generalText(values[1])},
        {QStringLiteral("E27"), generalText(values[2])},
        {QStringLiteral("E37"), generalText(values[3])},
        {QStringLiteral("E47"), generalText(values[4])},
        {QStringLiteral("E67"), generalText(values[5]), SchemeBox::Datum, 2},
        {QStringLiteral("Lop1"), QString::fromStdString(formulas.operator_sign), SchemeBox::Operator},
        {QStringLiteral("Lop2"), QString::fromStdString(formulas.second_operator_sign), SchemeBox::Operator, 2},
    };
}

Scheme4aWindow::Scheme4aWindow(Mode mode, MainWindowServices* main, QWidget* parent)
    : ExerciseWindow(scheme4aDescription(), mode, main, parent), services_(main)
{
}

void Scheme4aWindow::fillSolution()
{
    ExerciseWindow::fillSolution();
    // The advanced window says on the instruction line that the solution was shown.
    if (mode() == Mode::Advanced) {
        if (auto* instruction = panel().control<QLabel>(QStringLiteral("Label1"))) {
            const QString name = services_ ? services_->childName() : QString();
            instruction->setText(name + QStringLiteral(": ") + state().solved_with_help_text);
        }
    }
}

ExerciseWindow* createScheme4aWindow(Mode mode, MainWindowServices* main, QWidget* parent)
{
    return new Scheme4aWindow(mode, main, parent);
}

}  // namespace quorvia
