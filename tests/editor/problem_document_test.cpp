// SPDX-License-Identifier: GPL-3.0-or-later
// The problems of a file added, copied, removed and reordered: the sections
// renumbered in file order, MAX<n> of GENERALE.INI kept in step, the limit of
// twenty held, and the other lines of both files left alone.

#include "editor/editor_fixture.h"
#include "editor/problem_document.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvia::testing {
namespace {

using editor::ProblemDocument;

class ProblemDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("GENERALE.INI", kSmallGenerale);
        folder.write("P3.INI", "; tre problemi\n\n" + smallProblem(1, "Uno", "1+1") + "\n" +
                                   smallProblem(2, "Due", "2+2") + "\n" + smallProblem(3, "Tre", "3+3"));
        ASSERT_TRUE(document.open(folder.path().toStdString(), Mode::Beginner, Scheme::S3));
    }
    // The TESTO of every problem, in the order the sections stand in the file.
    std::vector<std::string> textsInFileOrder() const
    {
        std::vector<std::string> texts;
        for (const std::string& section : document.problems().sectionNames())
            texts.push_back(section + ":" + document.problems().readString(section, "TESTO", "-"));
        return texts;
    }
    EditorFolder folder;
    ProblemDocument document;
};

TEST_F(ProblemDocumentTest, ListOperationsRenumberAndKeepMaxInStep)
{
    struct Case {
        const char* name;
        std::function<bool(ProblemDocument&)> act;
        std::vector<std::string> texts;
        const char* max;
    } cases[] = {
        {"Add", [](ProblemDocument& d) { return d.add(); },
         {"PROBLEMA_1:Uno", "PROBLEMA_2:Due", "PROBLEMA_3:Tre", "PROBLEMA_4:"}, "MAX1=4"},
        {"DuplicateGoesLast", [](ProblemDocument& d) { return d.duplicate(2); },
         {"PROBLEMA_1:Uno", "PROBLEMA_2:Due", "PROBLEMA_3:Tre", "PROBLEMA_4:Due"}, "MAX1=4"},
        {"DeleteFirst", [](ProblemDocument& d) { return d.remove(1); },
         {"PROBLEMA_1:Due", "PROBLEMA_2:Tre"}, "MAX1=2"},
        {"DeleteMiddle", [](ProblemDocument& d) { return d.remove(2); },
         {"PROBLEMA_1:Uno", "PROBLEMA_2:Tre"}, "MAX1=2"},
        {"DeleteLast", [](ProblemDocument& d) { return d.remove(3); },
         {"PROBLEMA_1:Uno", "PROBLEMA_2:Due"}, "MAX1=2"},
        {"MoveFirstDown", [](ProblemDocument& d) { return d.swapWithNext(1); },
         {"PROBLEMA_1:Due", "PROBLEMA_2:Uno", "PROBLEMA_3:Tre"}, "MAX1=3"},
        {"MoveLastUp", [](ProblemDocument& d) { return d.swapWithNext(2); },
         {"PROBLEMA_1:Uno", "PROBLEMA_2:Tre", "PROBLEMA_3:Due"}, "MAX1=3"},
    };
    const ProblemDocument::Snapshot original = document.snapshot();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        document.restore(original);
        ASSERT_TRUE(c.act(document));
        EXPECT_EQ(textsInFileOrder(), c.texts);
        EXPECT_NE(document.generale().serialize().find(std::string(c.max) + "\n"), std::string::npos);
        // Each problem carries all of its own keys along.
        for (int n = 1; n <= document.count(); ++n) {
            const bool added = std::string(c.name) == "Add" && n == 4;
            EXPECT_EQ(document.problems().keyNames(editor::problemSection(n)).size(), added ? 30u : 31u) << n;
        }
        // Saved and read back as the program reads it.
        ASSERT_EQ(document.save(), ProblemDocument::SaveResult::Saved);
        ProblemDocument reread;
        ASSERT_TRUE(reread.open(folder.path().toStdString(), Mode::Beginner, Scheme::S3));
        EXPECT_EQ(reread.count(), static_cast<int>(c.texts.size()));
        EXPECT_FALSE(reread.modified());
        // The comment at the top stays.
        EXPECT_EQ(folder.read("P3.INI").rfind("; tre problemi\n\n[PROBLEMA_1]", 0), 0u);
    }
}

TEST_F(ProblemDocumentTest, ANewProblemIsLaidOutForItsSchemeWithEveryKeyThatWouldShowAQuestionMark)
{
    ASSERT_TRUE(document.add());
    const std::vector<std::string> keys = document.problems().keyNames("PROBLEMA_4");
    // Text, help, three captions, four sentence steps of five, five error messages.
    EXPECT_EQ(keys.size(), 1u + 1u + 3u + 20u + 5u);
    EXPECT_EQ(keys.front(), "TESTO");
    for (const std::string& key : keys)
        EXPECT_EQ(document.value(4, key), "") << key;
    // Optional keys are not written until they hold something, and go when emptied.
    EXPECT_FALSE(document.has(4, "JPG_PROBLEMA"));
    EXPECT_TRUE(document.setValue(4, "MSG_HELP1", "Rileggi."));
    EXPECT_TRUE(document.setValue(4, "MSG_HELP1", ""));
    EXPECT_FALSE(document.has(4, "MSG_HELP1"));
    // A key that shows "?" when missing stays, empty.
    EXPECT_TRUE(document.setValue(1, "TESTO", ""));
    EXPECT_TRUE(document.has(1, "TESTO"));
    EXPECT_FALSE(document.setValue(1, "TESTO", ""));
}

TEST_F(ProblemDocumentTest, TwentyProblemsAreTheLimitAndTheLastCannotGo)
{
    while (document.count() < kMaxProblems)
        ASSERT_TRUE(document.add());
    EXPECT_FALSE(document.add());
    EXPECT_FALSE(document.duplicate(1));
    EXPECT_EQ(document.count(), 20);
    EXPECT_NE(document.generale().serialize().find("MAX1=20\n"), std::string::npos);

    while (document.count() > 1)
        ASSERT_TRUE(document.remove(1));
    EXPECT_FALSE(document.remove(1));
    EXPECT_FALSE(document.swapWithNext(1));
}

TEST_F(ProblemDocumentTest, AProblemWrittenButNeverShownComesBackInsteadOfBeingOverwritten)
{
    folder.write("P3.INI", folder.read("P3.INI") + "\n" + smallProblem(4, "Nascosto", "4+4"));
    ASSERT_TRUE(document.open(folder.path().toStdString(), Mode::Beginner, Scheme::S3));
    EXPECT_FALSE(document.duplicate(1));
    ASSERT_TRUE(document.add());
    EXPECT_EQ(document.value(4, "TESTO"), "Nascosto");
}

TEST_F(ProblemDocumentTest, UnchangedFilesAreNotWrittenAndASavedFileIsNoLongerModified)
{
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(document.setValue(2, "TESTO", "Due e mezzo"));
    EXPECT_TRUE(document.modified());
    EXPECT_TRUE(document.setValue(2, "TESTO", "Due"));
    EXPECT_FALSE(document.modified());  // back as it was
    EXPECT_TRUE(document.setValue(2, "TESTO", "Due e mezzo"));
    const std::string generale = folder.read("GENERALE.INI");
    ASSERT_EQ(document.save(), ProblemDocument::SaveResult::Saved);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(folder.read("GENERALE.INI"), generale);
}

TEST_F(ProblemDocumentTest, AFileChangedOnDiskIsNotOverwritten)
{
    EXPECT_TRUE(document.setValue(1, "TESTO", "Mio"));
    const std::string colleague = folder.read("P3.INI") + "; aggiunto da un collega\n";
    folder.write("P3.INI", colleague);
    EXPECT_TRUE(document.changedOnDisk());
    EXPECT_EQ(document.save(), ProblemDocument::SaveResult::Conflict);
    EXPECT_EQ(folder.read("P3.INI"), colleague);
    // GENERALE.INI counts too: MAX<n> lives there.
    folder.write("P3.INI", colleague);
    ProblemDocument other;
    ASSERT_TRUE(other.open(folder.path().toStdString(), Mode::Beginner, Scheme::S3));
    ASSERT_TRUE(other.add());
    folder.write("GENERALE.INI", std::string(kSmallGenerale) + "; cambiato\n");
    EXPECT_EQ(other.save(), ProblemDocument::SaveResult::Conflict);
}

TEST(ProblemDocument, OpeningSaysWhatIsMissing)
{
    EditorFolder folder;
    ProblemDocument document;
    std::string error;
    EXPECT_FALSE(document.open(folder.path().toStdString(), Mode::Beginner, Scheme::S3, &error));
    EXPECT_NE(error.find("non c'è GENERALE.INI"), std::string::npos) << error;
    folder.write("GENERALE.INI", kSmallGenerale);
    EXPECT_FALSE(document.open(folder.path().toStdString(), Mode::Advanced, Scheme::S3, &error));
    EXPECT_NE(error.find("INI_FILE1 della sezione [AVANZATO]"), std::string::npos) << error;
    // A file named but not yet written opens empty; its first problem makes it.
    ASSERT_TRUE(document.open(folder.path().toStdString(), Mode::Beginner, Scheme::S3, &error));
    ASSERT_TRUE(document.add());
    EXPECT_EQ(document.count(), 1);
    ASSERT_EQ(document.save(), ProblemDocument::SaveResult::Saved);
    EXPECT_EQ(folder.read("P3.INI").rfind("[PROBLEMA_1]\nTESTO=\n", 0), 0u);
    EXPECT_NE(folder.read("GENERALE.INI").find("MAX1=1\n"), std::string::npos);
}

}  // namespace
}  // namespace quorvia::testing
