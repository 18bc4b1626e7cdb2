// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scheme5.h"

#include "base/resource_folder.h"
#include "exercise/exercise_window.h"
#include "exercise/scheme_placement.h"
#include "platform/gif_player.h"
#include "shell/program_media.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

namespace quorvia {

namespace {

using K = WidgetKind;
using namespace placement;

SchemeDescription makeScheme5()
{
    const char* P6 = "Panel6";
    const char* P2 = "Panel2";
    SchemeDescription d;
    d.scheme = Scheme::S5;
    d.advanced_window = "TFormA5";
    d.beginner_window = "TFormP5";
    d.step_panel_width = kPanelWidth;
    d.advanced_panel_height = 788;
    d.beginner_panel_height = 780;

    // The advanced window stacks one panel per group of steps inside Panel6;
    // the beginner window places its lists on Panel6 itself. Both hold the
    // operation scheme on Panel2, where worksheets find its boxes. The
    // beginner's step buttons stand in one column with those of step 5.
    d.widgets = {
        // Step 1: the question.
        {"Panel4", K::Panel, 0, at(P6, 0, 0, kPanelWidth, 84), none},
        {"Label7", K::Heading, 0, heading("Panel4", 0), heading(P6, 0), "Riscrivi la domanda e poi ..."},
        {"LMDdomanda", K::SentenceBox, 1, sentence("Panel4", 40), none},
        {"EB01", K::ChoiceList, 1, none, list(P6, 40)},
        {"B1", K::VerificaButton, 1, button("Panel4", 504, 40), button(P6, 504, 40), "Verifica"},
        {"H1", K::ErrorButton, 1, counter("Panel4", 579, 40), counter(P6, 579, 40), "Err=0"},
        {"Shape01", K::Indicator, 1, led("Panel4", 685, 43), led(P6, 685, 43)},

        // Steps 2 to 4: the three data.
        {"Panel3", K::Panel, 0, at(P6, 0, 84, kPanelWidth, 154), none},
        {"Label8", K::Heading, 0, heading("Panel3", 0), heading(P6, 84), "Scrivi i dati e poi ..."},
        {"LMDdato1", K::SentenceBox, 2, sentence("Panel3", 40), none},
        {"EB02", K::ChoiceList, 1, none, list(P6, 124)},
        {"B2", K::VerificaButton, 2, button("Panel3", 504, 40), button(P6, 504, 124), "Verifica"},
        {"H2", K::ErrorButton, 2, counter("Panel3", 579, 40), counter(P6, 579, 124), "Err=0"},
        {"Shape02", K::Indicator, 2, led("Panel3", 685, 43), led(P6, 685, 127)},
        {"LMDdato2", K::SentenceBox, 3, sentence("Panel3", 76), none},
        {"EB03", K::ChoiceList, 1, none, list(P6, 164)},
        {"B3", K::VerificaButton, 3, button("Panel3", 504, 76), button(P6, 504, 164), "Verifica"},
        {"H3", K::ErrorButton, 3, counter("Panel3", 579, 76), counter(P6, 579, 164), "Err=0"},
        {"Shape03", K::Indicator, 3, led("Panel3", 685, 79), led(P6, 685, 167)},
        {"LMDdato3", K::SentenceBox, 4, sentence("Panel3", 112), none},
        {"EB04", K::ChoiceList, 1, none, list(P6, 204)},
        {"B4", K::VerificaButton, 4, button("Panel3", 504, 112), button(P6, 504, 204), "Verifica"},
        {"H4", K::ErrorButton, 4, counter("Panel3", 579, 112), counter(P6, 579, 204), "Err=0"},
        {"Shape04", K::Indicator, 4, led("Panel3", 685, 115), led(P6, 685, 207)},

        // Step 5: the operation scheme in two rows. Worksheets store these
        // names, Tags and places. The boxes are created in their tab order
        // (dato1, dato2, Risultato1, dato3, Risultato2): Enter walks them in
        // that order whichever side of the second row dato3 stands on.
        {"Panel2", K::Panel, 0, at(P6, 0, 238, kPanelWidth, 350), at(P6, 0, 244, kPanelWidth, 320)},
        {"Label4", K::Heading, 0, heading(P2, 0), heading(P2, 0), "Risolvi lo schema inserendo qui i dati  "},
        {"dato1", K::NumberBox, 5, box(P2, 159, 56), box(P2, 167, 69)},
        {"Loper1", K::OperatorLabel, 0, sign(P2, 267, 58), sign(P2, 273, 71)},
        {"dato2", K::NumberBox, 5, box(P2, 307, 56), box(P2, 310, 69)},
        {"Label6", K::EqualsLabel, 0, sign(P2, 407, 58), sign(P2, 408, 71), "="},
        {"Risultato1", K::NumberBox, 5, box(P2, 435, 56), box(P2, 440, 69)},
        {"jolly", K::MirrorBox, 0, box(P2, 159, 170), box(P2, 167, 170)},
        {"Loper2", K::OperatorLabel, 0, sign(P2, 267, 171), sign(P2, 273, 173)},
        {"dato3", K::NumberBox, 5, box(P2, 307, 170), box(P2, 310, 170)},
        {"Label9", K::EqualsLabel, 0, sign(P2, 407, 173), sign(P2, 408, 172), "="},
        {"Risultato2", K::NumberBox, 5, box(P2, 435, 171), box(P2, 440, 170)},
        {"Label11", K::Caption, 0, caption(P2, 159, 85), caption(P2, 167, 98), "1° dato"},
        {"Label12", K::Caption, 0, caption(P2, 307, 85), caption(P2, 310, 98), "2° dato"},
        {"Label15", K::Caption, 0, caption(P2, 435, 82), caption(P2, 440, 98), "Risultato parziale"},
        {"Ljolly", K::Caption, 56, caption(P2, 159, 198), caption(P2, 167, 201), "Risultato parziale"},
        {"L67", K::Caption, 0, caption(P2, 307, 199), caption(P2, 310, 200), "3° dato"},
        {"Label14", K::Caption, 0, caption(P2, 435, 198), caption(P2, 440, 200), "Risultato finale"},
        {"B5", K::VerificaButton, 5, button(P2, 504, 304), button(P2, 504, 280), "Verifica"},
        {"H5", K::ErrorButton, 5, counter(P2, 579, 304), counter(P2, 579, 280), "Err=0"},
        {"Shape05", K::Indicator, 5, led(P2, 685, 307), led(P2, 685, 283)},

        // Step 6: the answer, and the pictures of the end of a problem.
        {"Panel5", K::Panel, 0, at(P6, 0, 588, kPanelWidth, 200), none},
        {"Label5", K::Heading, 0, heading("Panel5", 0), heading(P6, 574), "Scrivi la risposta"},
        {"LMDrisposta", K::SentenceBox, 6, at("Panel5", 8, 40, 529, kRowH), none},
        {"EB06", K::ChoiceList, 1, none, list(P6, 614)},
        {"B6", K::VerificaButton, 6, button("Panel5", 541, 40), button(P6, 504, 614), "Verifica"},
        {"H6", K::ErrorButton, 6, counter("Panel5", 614, 40), counter(P6, 579, 614), "Err=0"},
        {"Shape06", K::Indicator, 6, led("Panel5", 685, 43), led(P6, 685, 617)},
        {"GIF3", K::Animation, 0, at("Panel5", 0, 76, 200, 120), at(P6, 0, 654, 200, 120)},
        {"Image5", K::Picture, 0, at("Panel5", 300, 76, 120, 120), at(P6, 300, 654, 120, 120)},
        {"CoccaHelp", K::Picture, 0, at("Panel5", 300, 76, 120, 120), at(P6, 300, 654, 120, 120)},
    };

    d.steps = {
        {1, StepKind::Sentence, "LMDdomanda", "EB01"},
        {2, StepKind::Sentence, "LMDdato1", "EB02"},
        {3, StepKind::Sentence, "LMDdato2", "EB03"},
        {4, StepKind::Sentence, "LMDdato3", "EB04"},
        {5, StepKind::OperationScheme, "", ""},
        {6, StepKind::Sentence, "LMDrisposta", "EB06"},
    };

    d.result_box = "Risultato2";
    d.captions = {
        {"Label11", CaptionSource::Data1},
        {"Label12", CaptionSource::Data2},
        {"L67", CaptionSource::Data3},
        {"Label14", CaptionSource::Final},
        {"Label15", CaptionSource::Partial},
        {"Ljolly", CaptionSource::PartialOnJolly},
    };
    d.mirrors = {{"Risultato1", "jolly"}};
    d.verifica_copies = {"B2", "B3", "B4", "B5", "B6"};
    d.expectations = &scheme5Expectations;
    d.second_row = {"jolly", "dato3", "Ljolly", "L67"};

    d.beginner.scroll_box_rgb = kScrollBoxInactiveCaption;
    return d;
}

// Where the scheme adds to the common window: the filled-in solution is shown lime before it is checked, the
// animation players of the advanced window share their panel by width, and
// the closing sequence leaves H6 hidden until the problem starts again.
class Scheme5Window : public ExerciseWindow {
public:
    Scheme5Window(Mode mode, MainWindowServices* main, QWidget* parent)
        : ExerciseWindow(scheme5Description(), mode, main, parent)
    {
    }

protected:
    void fillSolution() override
    {
        ExerciseWindow::fillSolution();
        // The child sees the whole scheme filled in and every step done
        // before the last step's check finishes the problem.
        SetLED(kStepDone, this);
        for (QWidget* w : controlsInOrder(this)) {
            if (controlKind(w) == ControlKind::StepButton)
                w->setEnabled(false);
        }
        repaint();
    }

    void finishProblem(int step) override
    {
        const bool withHelp = state().currentSolutionShown();
        if (mode() == Mode::Advanced) {
            // The closing animation must be seen whether the child or the
            // solution finished the problem, even right after an error.
            setPlayerWidth("GIF2", animationPanelWidth());
            if (!withHelp && !resourceFile(state().resource_folder, QLatin1String(media::kStepAnimation)).isEmpty())
                setPlayerWidth("GIF1", 0);
        }
        ExerciseWindow::finishProblem(step);
        // After the solution nothing is left open.
        if (mode() == Mode::Advanced && withHelp)
            NextShape(-1, this);
    }

    QStringList lastStepWidgets(bool closingWindow) const override
    {
        QStringList names = ExerciseWindow::lastStepWidgets(closingWindow);
        // The end of the closing sequence leaves the last error counter
        // hidden; the next start of the problem shows it again.
        if (!closingWindow)
            names.removeAll(StepPanel::stepName("H", scheme().lastStep()));
        return names;
    }

    void beforeFeedbackAnimation(platform::GifPlayer* player) override
    {
        if (mode() != Mode::Advanced || !player)
            return;
        const int full = animationPanelWidth();
        if (player->objectName() == QLatin1String("GIF1")) {
            setPlayerWidth("GIF2", 0);
            setPlayerWidth("GIF1", full);
        } else {
            // An error took the step animation's width away; without it the
            // child would wait out an animation that cannot be seen.
            setPlayerWidth("GIF2", full);
        }
    }

private:
    int animationPanelWidth()
    {
        QWidget* band = panel().widget(QStringLiteral("LMDsimplePanel3"));
        return band ? band->width() : 0;
    }

    void setPlayerWidth(const char* name, int width)
    {
        if (QWidget* player = panel().widget(QLatin1String(name)))
            player->resize(width, player->height());
    }
};

}  // namespace

const SchemeDescription& scheme5Description()
{
    static const SchemeDescription description = makeScheme5();
    return description;
}

ExpectedTexts scheme5Expectations(const PreparedFormulas& formulas)
{
    return {
        {QStringLiteral("Risultato2"), generalText(formulas.final_result), SchemeBox::Result, 2},
        {QStringLiteral("dato3"), generalText(formulas.second_number), SchemeBox::Datum, 2},
        {QStringLiteral("Risultato1"), generalText(formulas.expected_result), SchemeBox::Result},
        {QStringLiteral("dato1"), generalText(formulas.data_values[0])},
        {QStringLiteral("dato2"), generalText(formulas.data_values[1])},
        {QStringLiteral("Loper1"), QString::fromStdString(formulas.operator_sign), SchemeBox::Operator},
        {QStringLiteral("Loper2"), QString::fromStdString(formulas.second_operator_sign), SchemeBox::Operator, 2},
    };
}

ExerciseWindow* createScheme5Window(Mode mode, MainWindowServices* main, QWidget* parent)
{
    return new Scheme5Window(mode, main, parent);
}

}  // namespace quorvia
