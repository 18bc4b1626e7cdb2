// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a worksheet the child picks with the load button: the header
// that caricaINIT checks, then, when it names a problem the window can hold,
// every section that carica puts back into the window. The window is a small
// stand-in with a control of every recorded kind under the names the
// exercise windows use. Beyond crashes, hangs and leaks: what a worksheet
// put into the window, saved and loaded into another window, must come back
// the same, since a child saves a loaded worksheet again.

#include "content/ini_file.h"
#include "content/scheme.h"
#include "widgets/controls.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_format.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace quorvia;

[[noreturn]] void fail(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "%s: [%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

// The controls of a scheme-3 window, one of each recorded kind and a few
// that are not recorded, some inside a scroll area as the steps are.
std::unique_ptr<QWidget> makeWindow() {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("TFormA3"));
    auto* scroll = new QScrollArea(window.get());
    scroll->setObjectName(QStringLiteral("SB"));
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel6"));
    scroll->setWidget(panel);

    auto* question = new QLineEdit(panel);
    question->setObjectName(QStringLiteral("LMDdomanda"));
    question->move(26, 40);
    auto* number = new QLineEdit(panel);
    number->setObjectName(QStringLiteral("dato1"));
    new MaskedEntryBox(QStringLiteral("Risultato2"), panel);
    auto* choices = new QComboBox(panel);
    choices->setObjectName(QStringLiteral("EB01"));
    for (const char* item : {"Quanti alberi ci sono in tutto?", "Quanti alberi restano?", "1", "2"})
        choices->addItem(QString::fromUtf8(item));
    new StepButton(QStringLiteral("B1"), panel);
    new StepButton(QStringLiteral("H1"), panel);
    new ShapeIndicator(QStringLiteral("Shape01"), ShapeIndicator::Form::Circle, panel);
    auto* sign = new QLabel(QStringLiteral("X"), panel);
    sign->setObjectName(QStringLiteral("Loper1"));
    auto* errors = new QLabel(QStringLiteral(" ERR=0"), window.get());
    errors->setObjectName(QStringLiteral("error_num"));
    auto* solution = new QPushButton(QStringLiteral("Soluzione"), window.get());
    solution->setObjectName(QStringLiteral("LMDsoluzione"));
    new PictureBox(QStringLiteral("Image1"), window.get());
    return window;
}

// Everything a worksheet records of the window, as it would be written.
IniFile recorded(QWidget* window) {
    IniFile file;
    for (QWidget* control : controlsInOrder(window))
        worksheet::writeControl(file, control);
    return file;
}

// Two windows made once (making them costs far more than a run); each run
// first puts back what they held when new, which a worksheet of every
// control does.
struct Windows {
    std::unique_ptr<QWidget> loaded = makeWindow();
    std::unique_ptr<QWidget> reloaded = makeWindow();
    IniFile pristine = recorded(loaded.get());

    void reset() {
        worksheet::applyWorksheet(pristine, loaded.get());
        worksheet::applyWorksheet(pristine, reloaded.get());
    }
};

Windows* windows = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static Windows made;
    windows = &made;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile file =
        IniFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const worksheet::Header header = worksheet::readHeader(file);
    if (!worksheet::fitsProblemTables(header))
        return 0;
    if (header.problem < 1 || header.problem > kMaxProblems || header.problem_count > kMaxProblems)
        fail("a problem outside the tables passed the check");

    windows->reset();
    QWidget* window = windows->loaded.get();
    worksheet::applyWorksheet(file, window);
    for (auto* list : window->findChildren<QComboBox*>()) {
        if (list->currentIndex() < -1 || list->currentIndex() >= list->count())
            fail("a choice list points past its items");
    }

    // Saved again and loaded into the other window, the same values come back.
    IniFile saved;
    worksheet::writeWorksheet(saved, window, header);
    const IniFile reread = IniFile::parse(saved.serialize());
    const worksheet::Header again = worksheet::readHeader(reread);
    if (again.problem != header.problem || again.problem_count != header.problem_count ||
        again.solution_shown != header.solution_shown ||
        again.problem_file_name != header.problem_file_name)
        fail("the header changed on saving", header.problem_file_name);
    worksheet::applyWorksheet(reread, windows->reloaded.get());
    const std::string before = recorded(window).serialize();
    const std::string after = recorded(windows->reloaded.get()).serialize();
    if (before != after)
        fail("a saved worksheet loads differently",
             QString::fromStdString(before + "\n----\n" + after));
    return 0;
}
