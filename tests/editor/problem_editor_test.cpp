// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window as a teacher uses it: every bundled file opened and
// saved back unchanged, one field changed changes one line, undo and redo,
// the questions before leaving and on a file changed by someone else, the
// live check against the folder check, and the try-out window.

#include "check/generale_lint.h"
#include "check/problem_lint.h"
#include "content/generale_keys.h"
#include "editor/editor_fixture.h"
#include "editor/live_check.h"
#include "editor/problem_editor.h"
#include "editor/problem_form.h"
#include "editor/try_out.h"
#include "exercise/exercise_hooks.h"
#include "exercise/exercise_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace quorvia::testing {
namespace {

using editor::ProblemEditor;

// The lines of `after` that differ from `before`, which must have as many.
std::vector<std::string> changedLines(const std::string& before, const std::string& after)
{
    const auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (std::size_t at; (at = text.find('\n', start)) != std::string::npos; start = at + 1)
            out.push_back(text.substr(start, at - start - (at > start && text[at - 1] == '\r' ? 1 : 0)));
        out.push_back(text.substr(start));
        return out;
    };
    const std::vector<std::string> a = lines(before), b = lines(after);
    std::vector<std::string> changed;
    if (a.size() != b.size())
        return {"<" + std::to_string(a.size()) + " righe, poi " + std::to_string(b.size()) + ">"};
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            changed.push_back(b[i]);
    }
    return changed;
}

TEST(ProblemEditor, EveryBundledFileOpenedInTheFormAndSavedUnchangedStaysByteIdentical)
{
    InstalledDialogs dialogs;
    EditorFolder folder(QStringLiteral(QUORVIA_SOURCE_RESOURCES));
    ProblemEditor editor(folder.path());
    const QStringList names = QDir(folder.path()).entryList({"*.INI"}, QDir::Files);
    std::map<QString, std::string> original;
    for (const QString& name : names)
        original[name] = folder.read(name);

    for (Mode mode : generale::kModes) {
        for (Scheme scheme : kAllSchemes) {
            SCOPED_TRACE(std::string(modeName(mode)) + " " + schemeName(scheme));
            editor.openAt(mode, scheme, 1);
            ASSERT_EQ(editor.document().mode(), mode);
            for (int n = 1; n <= editor.document().count(); ++n)
                editor.openAt(mode, scheme, n);
            EXPECT_FALSE(editor.document().modified());
            EXPECT_TRUE(editor.save());
            for (const QString& name : names)
                EXPECT_EQ(folder.read(name), original[name]) << name.toStdString();

            // One field changed: one line of the file changed, the rest as it was.
            const QString file = QString::fromStdString(editor.document().fileName());
            editor.openAt(mode, scheme, 2);
            editor.form()->type("VERIFICA_MSG_NO1", "Rileggi la domanda.");
            ASSERT_TRUE(editor.save());
            EXPECT_EQ(changedLines(original[file], folder.read(file)),
                      std::vector<std::string>{"VERIFICA_MSG_NO1=Rileggi la domanda."});
            folder.write(file, original[file]);
        }
    }
    EXPECT_TRUE(dialogs.questions().isEmpty());
}

TEST(ProblemEditor, AWindows1252CrlfFileStaysSoThroughEditsAndANewProblem)
{
    InstalledDialogs dialogs;
    EditorFolder folder;
    folder.write("GENERALE.INI", "[PRINCIPIANTE]\r\nINI_FILE1=P3.INI\r\nMAX1=1\r\n");
    std::string problem;
    for (char c : smallProblem(1, "Luca ha 3 caramelle e ne mangia una: perch\xE9?", "3-1"))
        problem += c == '\n' ? std::string("\r\n") : std::string(1, c);
    folder.write("P3.INI", problem);
    ProblemEditor editor(folder.path());
    ASSERT_EQ(editor.document().problems().encoding(), IniFile::Encoding::Windows1252);
    EXPECT_EQ(editor.form()->textOf("TESTO"), QStringLiteral("Luca ha 3 caramelle e ne mangia una: perché?"));

    editor.form()->type("TESTO", QStringLiteral("Però Luca è goloso.\nQuante ne restano?"));
    editor.addProblem();
    ASSERT_TRUE(editor.save());
    const std::string saved = folder.read("P3.INI");
    EXPECT_NE(saved.find("TESTO=Per\xF2 Luca \xE8 goloso.|Quante ne restano?\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[PROBLEMA_2]\r\nTESTO=\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("\xC3"), std::string::npos);  // no UTF-8 crept in
    for (std::size_t at = saved.find('\n'); at != std::string::npos; at = saved.find('\n', at + 1))
        ASSERT_EQ(saved[at - 1], '\r') << "a bare line feed at byte " << at;
    EXPECT_EQ(folder.read("GENERALE.INI"), "[PRINCIPIANTE]\r\nINI_FILE1=P3.INI\r\nMAX1=2\r\n");
}

TEST(ProblemEditor, AFolderWithoutGeneraleSaysSoAndNoActionWritesAnything)
{
    InstalledDialogs dialogs;
    EditorFolder folder;
    ProblemEditor editor(folder.path());
    ASSERT_EQ(dialogs.errorBoxes().size(), 1);
    EXPECT_TRUE(dialogs.errorBoxes().front().text.contains("non c'è GENERALE.INI"));
    editor.addProblem();
    editor.duplicateProblem();
    editor.moveProblem(1);
    editor.tryAsChild();
    editor.runSelfPlay();
    editor.nextFinding();
    EXPECT_TRUE(editor.save());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

class SmallEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("GENERALE.INI", kSmallGenerale);
        folder.write("P3.INI", smallProblem(1, "Uno", "1+1") + "\n" + smallProblem(2, "Due", "2+2") + "\n" +
                                   smallProblem(3, "Tre", "3+3"));
        editor = std::make_unique<ProblemEditor>(folder.path());
    }
    InstalledDialogs dialogs;
    EditorFolder folder;
    std::unique_ptr<ProblemEditor> editor;
};

TEST_F(SmallEditorTest, UndoAndRedoWalkBackThroughTypingAndRenumbering)
{
    const std::string original = folder.read("P3.INI");
    editor->openAt(Mode::Beginner, Scheme::S3, 2);
    editor->form()->type("TESTO", "D");
    editor->form()->type("TESTO", "Du");
    editor->form()->type("TESTO", "Due volte");  // one step of undo for one field's typing
    editor->moveProblem(-1);
    EXPECT_EQ(editor->currentProblem(), 1);
    EXPECT_EQ(editor->document().value(1, "TESTO"), "Due volte");
    EXPECT_EQ(editor->undoStack()->count(), 2);

    editor->undoStack()->undo();
    EXPECT_EQ(editor->currentProblem(), 2);
    EXPECT_EQ(editor->form()->textOf("TESTO"), "Due volte");
    editor->undoStack()->undo();
    EXPECT_EQ(editor->form()->textOf("TESTO"), "Due");
    EXPECT_FALSE(editor->document().modified());
    EXPECT_EQ(editor->document().problems().serialize(), original);

    editor->undoStack()->redo();
    editor->undoStack()->redo();
    EXPECT_EQ(editor->document().value(1, "TESTO"), "Due volte");
    EXPECT_EQ(editor->problemList()->item(0)->text().section(' ', 1), "1. Due volte");
}

TEST_F(SmallEditorTest, LeavingWithUnsavedChangesAsksAndDoesWhatTheTeacherSays)
{
    struct Case {
        const char* name;
        std::vector<bool> answers;  // save?  then, if not: leave without saving?
        bool closed;
        bool saved;
    } cases[] = {
        {"SaveThenLeave", {true}, true, true},
        {"LeaveWithoutSaving", {false, true}, true, false},
        {"Stay", {false, false}, false, false},
    };
    const std::string original = folder.read("P3.INI");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.write("P3.INI", original);
        ProblemEditor window(folder.path());
        window.show();
        window.form()->type("TESTO", "Cambiato");
        for (bool answer : c.answers)
            dialogs.setNextYesNo(answer);
        dialogs.clearRecords();
        window.close();
        EXPECT_EQ(!window.isVisible(), c.closed);
        EXPECT_EQ(dialogs.questions().size(), static_cast<int>(c.answers.size()));
        EXPECT_EQ(folder.read("P3.INI") != original, c.saved);
        // Nothing changed: nothing asked.
        if (!c.closed) {
            window.undoStack()->undo();
            dialogs.clearRecords();
            window.close();
            EXPECT_FALSE(window.isVisible());
            EXPECT_TRUE(dialogs.questions().isEmpty());
        }
    }
}

TEST_F(SmallEditorTest, AFileChangedByAColleagueIsReloadedOrKeptBesideACopy)
{
    const std::string colleague = folder.read("P3.INI") + "; il collega\n";
    // Reload: the colleague's file, the teacher's change gone.
    editor->form()->type("TESTO", "Mio");
    folder.write("P3.INI", colleague);
    dialogs.setNextYesNo(true);
    EXPECT_FALSE(editor->save());
    EXPECT_EQ(folder.read("P3.INI"), colleague);
    EXPECT_EQ(editor->form()->textOf("TESTO"), "Uno");
    EXPECT_FALSE(editor->document().modified());

    // A copy: the colleague's file stays, the teacher's work goes beside it.
    editor->form()->type("TESTO", "Mio");
    const std::string again = colleague + "; ancora\n";
    folder.write("P3.INI", again);
    dialogs.setNextYesNo(false);
    dialogs.setNextYesNo(true);
    dialogs.setNextSaveFile(folder.file("P3_mio.INI"));
    EXPECT_FALSE(editor->save());
    EXPECT_EQ(folder.read("P3.INI"), again);
    EXPECT_NE(folder.read("P3_mio.INI").find("TESTO=Mio\n"), std::string::npos);
    ASSERT_EQ(dialogs.questions().size(), 3);
    EXPECT_TRUE(dialogs.questions().at(1).contains("Qualcun altro ha cambiato P3.INI"));
}

TEST_F(SmallEditorTest, TheListSaysTheLimitAndRefusesATwentyFirstProblem)
{
    while (editor->document().count() < kMaxProblems)
        editor->addProblem();
    editor->addProblem();
    EXPECT_EQ(editor->document().count(), 20);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().contains("al massimo 20")) << dialogs.messages().front().toStdString();
    EXPECT_EQ(editor->problemList()->count(), 20);
}

// Faults planted by typing, unsaved: the editor shows at each field what
// the folder check says of the saved file, neither more nor less.
TEST_F(SmallEditorTest, LiveFindingsAreTheFolderChecksFindingsAtTheirFields)
{
    editor->openAt(Mode::Beginner, Scheme::S3, 2);
    const struct {
        const char* key;
        const char* value;
    } faults[] = {
        {"DATO1_TESTO3", "Il primo numero."},     // the right sentence twice in the list
        {"JPG_PROBLEMA", "manca.jpg"},            // a picture that is not there
        {"R1", "2+"},                             // a formula that does not read
        {"MSG_DATO1", ""},                        // an empty caption
    };
    for (const auto& fault : faults)
        editor->form()->type(fault.key, fault.value);
    editor->checkNow();

    const std::vector<editor::FieldFinding> live = editor::fieldFindings(editor->document(), 2);
    ASSERT_TRUE(editor->save());
    check::NamedProblemFile named;
    named.name = "P3.INI";
    named.max = 3;
    named.max_text = "3";
    named.max_line = 6;
    const check::ProblemFileLint lint = check::lintProblemFile(folder.path().toStdString(), "GENERALE.INI", named);
    const std::vector<check::Finding>& onDisk = lint.report.problems.at(1).findings;
    ASSERT_EQ(live.size(), onDisk.size());
    for (std::size_t i = 0; i < live.size(); ++i) {
        EXPECT_EQ(live[i].finding.code, onDisk[i].code);
        EXPECT_EQ(live[i].finding.line, onDisk[i].line);
        EXPECT_EQ(live[i].finding.message, onDisk[i].message);
    }
    // Each one at its field.
    for (const char* key : {"DATO1_TESTO3", "JPG_PROBLEMA", "R1", "MSG_DATO1"})
        EXPECT_FALSE(editor->form()->notesOf(key).isEmpty()) << key;
    EXPECT_TRUE(editor->form()->notesOf("TESTO").isEmpty());
    EXPECT_TRUE(editor->summary()->text().contains("errori")) << editor->summary()->text().toStdString();
    // F8 walks the fields with a finding in the order of the form.
    editor->show();
    editor->form()->editorOf("TESTO")->setFocus();
    editor->nextFinding();
    EXPECT_EQ(editor->focusWidget(), editor->form()->editorOf("JPG_PROBLEMA"));
    editor->nextFinding();
    EXPECT_EQ(editor->focusWidget(), editor->form()->editorOf("DATO1_TESTO3"));
    EXPECT_TRUE(editor->problemList()->item(1)->text().startsWith(QStringLiteral("✖")));
    EXPECT_TRUE(editor->problemList()->item(0)->text().startsWith(QStringLiteral("✔")));
}

TEST_F(SmallEditorTest, TheFormulaIsComputedAsItIsTyped)
{
    editor->form()->type("R1", "12 x 3");
    editor->checkNow();
    auto* result = editor->form()->findChild<QLabel*>("risultatoR1");
    auto* rows = editor->form()->findChild<QLabel*>("righeSchema");
    EXPECT_EQ(result->text(), "R1 fa 36");
    EXPECT_TRUE(rows->text().endsWith("12 X 3 = 36")) << rows->text().toStdString();
    editor->form()->type("R1", "10:4");
    editor->checkNow();
    EXPECT_EQ(result->text(), "R1 fa 2,5");
}

TEST_F(SmallEditorTest, TheTryOutWindowShowsTheUnsavedProblemAndRecordsNothing)
{
    const std::string saved = folder.read("P3.INI");
    editor->openAt(Mode::Beginner, Scheme::S3, 3);
    editor->form()->type("TESTO", "Prova non salvata\nsu due righe");
    editor->tryAsChild();
    ASSERT_NE(editor->tryOut(), nullptr);
    ExerciseWindow* window = editor->tryOut()->window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* memo = window->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), "Prova non salvata\nsu due righe");
    EXPECT_EQ(&window->hooks(), &inactiveExerciseHooks());
    EXPECT_EQ(folder.read("P3.INI"), saved);
    EXPECT_TRUE(editor->document().modified());
}

TEST_F(SmallEditorTest, TheSelfPlaySaysWhereAChildWouldStop)
{
    editor->runSelfPlay();
    EXPECT_TRUE(editor->selfPlayResult()->text().contains("arriva in fondo"))
        << editor->selfPlayResult()->text().toStdString();
    // A formula that does not read: nobody knows what to write in the scheme.
    editor->form()->type("R1", "1+");
    editor->runSelfPlay();
    EXPECT_TRUE(editor->selfPlayResult()->text().contains("si fermerebbe al passo 4 (schema)"))
        << editor->selfPlayResult()->text().toStdString();
}

}  // namespace
}  // namespace quorvia::testing
