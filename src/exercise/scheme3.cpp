// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scheme3.h"

#include "exercise/scheme_placement.h"

namespace quorvia {

namespace {

using K = WidgetKind;
using namespace placement;

SchemeDescription makeScheme3()
{
    const char* P6 = "Panel6";
    SchemeDescription d;
    d.scheme = Scheme::S3;
    d.advanced_window = "TFormA3";
    d.beginner_window = "TFormP3";
    d.step_panel_width = kPanelWidth;
    d.advanced_panel_height = 670;
    d.beginner_panel_height = 560;

    // The advanced window stacks one panel per group of steps inside Panel6;
    // the beginner window places everything on Panel6 itself.
    d.widgets = {
        // Step 1: the question.
        {"Panel4", K::Panel, 0, at(P6, 0, 0, kPanelWidth, 84), none},
        {"Label7", K::Heading, 0, heading("Panel4", 0), heading(P6, 0), "Riscrivi la domanda e poi ..."},
        {"LMDdomanda", K::SentenceBox, 1, sentence("Panel4", 40), none},
        {"EB01", K::ChoiceList, 1, none, list(P6, 40)},
        {"B1", K::VerificaButton, 1, button("Panel4", 504, 40), button(P6, 480, 40), "Verifica"},
        {"H1", K::ErrorButton, 1, counter("Panel4", 579, 40), counter(P6, 555, 40), "Err=0"},
        {"Shape01", K::Indicator, 1, led("Panel4", 685, 43), led(P6, 649, 43)},

        // Steps 2 and 3: the data.
        {"Panel3", K::Panel, 0, at(P6, 0, 84, kPanelWidth, 118), none},
        {"Label8", K::Heading, 0, heading("Panel3", 0), heading(P6, 84), "Scrivi i dati e poi ..."},
        {"LMDdato1", K::SentenceBox, 2, sentence("Panel3", 40), none},
        {"EB02", K::ChoiceList, 1, none, list(P6, 124)},
        {"B2", K::VerificaButton, 2, button("Panel3", 504, 40), button(P6, 480, 124), "Verifica"},
        {"H2", K::ErrorButton, 2, counter("Panel3", 579, 40), counter(P6, 555, 124), "Err=0"},
        {"Shape02", K::Indicator, 2, led("Panel3", 685, 43), led(P6, 649, 127)},
        {"LMDdato2", K::SentenceBox, 3, sentence("Panel3", 76), none},
        {"EB03", K::ChoiceList, 1, none, list(P6, 164)},
        {"B3", K::VerificaButton, 3, button("Panel3", 504, 76), button(P6, 480, 164), "Verifica"},
        {"H3", K::ErrorButton, 3, counter("Panel3", 579, 76), counter(P6, 555, 164), "Err=0"},
        {"Shape03", K::Indicator, 3, led("Panel3", 685, 79), led(P6, 649, 167)},

        // Step 4: the operation scheme. Worksheets store these names, Tags
        // and places; the boxes are created in their tab order.
        {"Panel2", K::Panel, 0, at(P6, 0, 202, kPanelWidth, 268), none},
        {"Label4", K::Heading, 0, heading("Panel2", 0), heading(P6, 212),
         "Risolvi lo schema inserendo qui i dati  "},
        {"dato1", K::NumberBox, 4, box("Panel2", 156, 120), box(P6, 62, 264)},
        {"Loper1", K::OperatorLabel, 0, sign("Panel2", 266, 123), sign(P6, 159, 266)},
        {"dato2", K::NumberBox, 4, box("Panel2", 308, 120), box(P6, 192, 264)},
        {"Label6", K::EqualsLabel, 0, sign("Panel2", 399, 122), sign(P6, 283, 266), "="},
        {"Risultato2", K::NumberBox, 4, box("Panel2", 429, 121), box(P6, 312, 265)},
        {"Label11", K::Caption, 0, caption("Panel2", 172, 152), caption(P6, 62, 296), "1° dato"},
        {"Label12", K::Caption, 0, caption("Panel2", 329, 152), caption(P6, 191, 296), "2° dato"},
        {"Label14", K::Caption, 0, caption("Panel2", 432, 151), caption(P6, 311, 297), "Risultato"},
        {"Label10", K::MenuLabel, 0, at("Panel2", 470, 224, 30, 30), none},
        {"B4", K::VerificaButton, 4, button("Panel2", 504, 224), button(P6, 480, 272), "Verifica"},
        {"H4", K::ErrorButton, 4, counter("Panel2", 579, 224), counter(P6, 555, 272), "Err=0"},
        {"Shape04", K::Indicator, 4, led("Panel2", 677, 227), led(P6, 649, 275)},

        // Step 5: the answer, and the pictures of the end of a problem.
        {"Panel5", K::Panel, 0, at(P6, 0, 470, kPanelWidth, 200), none},
        {"Label5", K::Heading, 0, heading("Panel5", 0), heading(P6, 350), "Scrivi la risposta"},
        {"LMDrisposta", K::SentenceBox, 5, at("Panel5", 8, 40, 529, kRowH), none},
        {"EB05", K::ChoiceList, 1, none, list(P6, 390)},
        {"B5", K::VerificaButton, 5, button("Panel5", 541, 40), button(P6, 480, 390), "Verifica"},
        {"H5", K::ErrorButton, 5, counter("Panel5", 614, 40), counter(P6, 555, 390), "Err=0"},
        {"Shape05", K::Indicator, 5, led("Panel5", 685, 43), led(P6, 649, 393)},
        {"GIF3", K::Animation, 0, at("Panel5", 0, 76, 200, 120), at(P6, 0, 430, 200, 120)},
        {"Image5", K::Picture, 0, at("Panel5", 300, 76, 120, 120), at(P6, 300, 430, 120, 120)},
        {"CoccaHelp", K::Picture, 0, at("Panel5", 300, 76, 120, 120), at(P6, 300, 430, 120, 120)},
    };

    d.steps = {
        {1, StepKind::Sentence, "LMDdomanda", "EB01"},
        {2, StepKind::Sentence, "LMDdato1", "EB02"},
        {3, StepKind::Sentence, "LMDdato2", "EB03"},
        {4, StepKind::OperationScheme, "", ""},
        {5, StepKind::Sentence, "LMDrisposta", "EB05"},
    };

    d.result_box = "Risultato2";
    d.captions = {
        {"Label11", CaptionSource::Data1},
        {"Label12", CaptionSource::Data2},
        {"Label14", CaptionSource::Final},
    };
    d.verifica_copies = {"B2", "B3", "B4", "B5"};
    d.expectations = &scheme3Expectations;

    d.advanced.load_only_within_count = true;

    d.beginner.step_success_needs_file = false;
    d.beginner.load_only_within_count = true;
    d.beginner.repaint_after_load = true;
    d.beginner.scroll_box_takes_focus = true;
    d.beginner.scroll_box_rgb = kScrollBoxInactiveCaption;
    return d;
}

}  // namespace

const SchemeDescription& scheme3Description()
{
    static const SchemeDescription description = makeScheme3();
    return description;
}

ExpectedTexts scheme3Expectations(const PreparedFormulas& formulas)
{
    return {
        {QStringLiteral("Risultato2"), generalText(formulas.expected_result), SchemeBox::Result},
        {QStringLiteral("dato1"), generalText(formulas.data_values[0])},
        {QStringLiteral("dato2"), generalText(formulas.data_values[1])},
        {QStringLiteral("Loper1"), QString::fromStdString(formulas.operator_sign), SchemeBox::Operator},
    };
}

}  // namespace quorvia
