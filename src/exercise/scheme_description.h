// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What makes one scheme's pair of exercise windows: the table of its step
// widgets (name, kind, Tag, place in each window), its steps, the parts of
// its operation scheme and its check, and the few points where a window of
// the pair departs from the common mechanics. The windows themselves are one
// class built from this.

#include "content/scheme.h"
#include "exercise/scheme_check.h"

#include <QString>

#include <vector>

namespace quorvia {

enum class WidgetKind {
    Panel,          // a coloured panel holding other widgets
    Heading,        // bold yellow on dark green, above a group of steps
    Caption,        // a caption of the operation scheme, from the problem file
    SentenceBox,    // advanced: the typed sentence of a step (at most 200 characters)
    ChoiceList,     // beginner: the sentence picked from a list
    NumberBox,      // operation scheme: a number (at most 10 characters)
    MirrorBox,      // operation scheme: shows another box's text, never typed into
    OperatorLabel,  // operation scheme: the sign picked from the operator menu
    FollowerLabel,  // operation scheme: repeats an operator label's sign
    EqualsLabel,    // the fixed "=", which opens the operator menu to no effect
    MenuLabel,      // an empty label that opens the operator menu to no effect
    Rule,           // a line under a column of numbers
    VerificaButton, // B<s>
    ErrorButton,    // H<s>
    Indicator,      // Shape0<s>
    Animation,      // the closing animation GIF3
    Picture,        // the end pictures Image5 and CoccaHelp
    // beginner: a sentence edit box lying under its step's choice list; it
    // takes the step's focus and its Enter runs the step's Verifica, but the
    // window never reads, fills or clears it
    CoveredBox,
};

// Where a widget stands in one window; no parent: the window has no such widget.
struct WidgetPlace {
    const char* parent = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool exists() const { return parent != nullptr; }
};

struct WidgetRow {
    const char* name;
    WidgetKind kind;
    int tag;
    WidgetPlace advanced;
    WidgetPlace beginner;
    const char* caption = "";
};

enum class StepKind { Sentence, OperationScheme };

struct StepRow {
    int step;
    StepKind kind;
    const char* advanced_input;  // the sentence box; "" for the operation scheme
    const char* beginner_input;  // the choice list; "" for the operation scheme
};

// Captions of the operation scheme taken from the problem at every load.
enum class CaptionSource { Data1, Data2, Data3, Data4, Data5, Partial, PartialOnJolly, Final };

struct CaptionRule {
    const char* label;
    CaptionSource source;
};

struct FollowerRule {
    const char* leader;    // an operator label
    const char* follower;  // takes every sign the leader takes
};

struct MirrorRule {
    const char* source;  // a number box
    const char* target;  // shows the source's text at every change
};

// The second operation of a two-operation scheme: the copy of the partial
// result stands on the side of the datum where the formula has the word R1,
// and each caption stays under its own box.
struct SecondRowRule {
    const char* partial_box = nullptr;      // the copy of the partial result
    const char* datum_box = nullptr;        // the other operand of the second operation
    const char* partial_caption = nullptr;  // under the partial box
    const char* datum_caption = nullptr;    // under the datum box

    bool exists() const { return partial_box != nullptr; }
};

// Scroll-box colours: grey behind the advanced steps, the colour of an
// inactive window caption behind the beginner steps.
constexpr unsigned kScrollBoxGrey = 0xC0C0C0;
constexpr unsigned kScrollBoxInactiveCaption = 0xBFCDDB;

// The options that set one window of a pair apart from the common mechanics;
// the defaults are the common mechanics.
struct WindowOptions {
    // The step-success animation plays only when its file exists.
    bool step_success_needs_file = true;
    // A problem number above the count loads nothing.
    bool load_only_within_count = false;
    // The loaded problem is drawn before the load returns.
    bool repaint_after_load = false;
    // A click on the scroll box gives it the focus.
    bool scroll_box_takes_focus = false;
    // Colour of the scroll box behind the step panel.
    unsigned scroll_box_rgb = kScrollBoxGrey;
    // The closing sequence runs its course with or without its pictures,
    // with the rows of every answer step hidden for it.
    bool closing_always_runs = false;
    // A problem whose solution was shown starts with every step closed, as
    // after restoring such a worksheet.
    bool solution_start_closes_steps = false;
};

struct SchemeDescription {
    Scheme scheme;
    const char* advanced_window;  // "TFormA3"
    const char* beginner_window;  // "TFormP3"
    int step_panel_width;
    int advanced_panel_height;
    int beginner_panel_height;

    std::vector<WidgetRow> widgets;  // in creation order: parents first, tab order of the boxes
    std::vector<StepRow> steps;      // in step order

    const char* result_box;                    // Enter here runs the scheme check
    std::vector<CaptionRule> captions;
    std::vector<FollowerRule> followers;
    std::vector<MirrorRule> mirrors;
    std::vector<const char*> verifica_copies;  // take the caption of B1 at every load
    // Captions that read towards the box on their right; the others read
    // from their top left corner.
    std::vector<const char*> right_aligned_captions;
    SecondRowRule second_row;                  // none in a one-operation scheme
    SchemeExpectations expectations;           // the scheme check, in order
    // The steps whose rows the end of a problem hides and the end of the
    // closing sequence brings back; none: the last step alone.
    std::vector<int> answer_steps;

    WindowOptions advanced;
    WindowOptions beginner;

    // The number of the operation-scheme step.
    int operationStep() const;
    // The scheme's step count: the highest step is the last.
    int lastStep() const;
    const StepRow* step(int number) const;
    const WidgetRow* widget(const QString& name) const;
};

}  // namespace quorvia
