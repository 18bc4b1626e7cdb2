// SPDX-License-Identifier: GPL-3.0-or-later
// Progress files on disk: their names, appending, a write cut short, two
// computers in one folder, a folder that cannot be written.

#include "content/temp_folder.h"
#include "progress/class_report.h"
#include "progress/progress_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace quorvia::progress {
namespace {

using quorvia::testing::readBytes;
using quorvia::testing::TempFolder;

ProgressRecord record(const std::string& child, const std::string& computer, int problem, Outcome outcome)
{
    ProgressRecord r;
    r.when = "2026-12-11T09:00:00+01:00";
    r.child = child;
    r.computer = computer;
    r.scheme = Scheme::S3;
    r.problem_file = "A_SCHEMA3.INI";
    r.problem = problem;
    r.outcome = outcome;
    r.steps = stepsOf(Scheme::S3);
    r.steps[3].errors = problem;  // tells the records apart
    r.seconds = 60;
    return r;
}

TEST(ProgressFileName, IsSafeOnEveryShare)
{
    struct Case {
        const char* child;
        const char* computer;
        const char* file;
    };
    const Case cases[] = {
        {"Giulia Rossi", "AULA3-PC05", "giulia_rossi@aula3-pc05.csv"},
        {"Niccolò D'Amico", "pc", "niccolo_d_amico@pc.csv"},
        {"", "pc", "senza_nome@pc.csv"},
        {"(senza nome)", "pc", "senza_nome@pc.csv"},
        {"../../etc/passwd", "pc", "etc_passwd@pc.csv"},
        {"CON", "lab.scuola.local", "con@lab_scuola_local.csv"},
        {"李明", "", "senza_nome@computer.csv"},
        {"a:b*c?d\"e<f>g|h\\i", "pc", "a_b_c_d_e_f_g_h_i@pc.csv"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(progressFileName(c.child, c.computer), c.file) << c.child;
    EXPECT_LE(progressFileName(std::string(300, 'x'), std::string(300, 'y')).size(), 130u);
}

TEST(ProgressFile, AppendsWithOneHeaderAndReadsBack)
{
    TempFolder folder;
    const std::string progress = folder.file("progressi/classe 3A");  // made when missing
    std::string error;
    ASSERT_TRUE(appendRecord(progress, record("Ada", "pc1", 1, Outcome::SolvedAlone), &error)) << error;
    ASSERT_TRUE(appendRecord(progress, record("Ada", "pc1", 2, Outcome::LeftNext), &error)) << error;
    const std::string path = progress + "/ada@pc1.csv";
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.rfind("data,bambino,", 0), 0u);
    EXPECT_EQ(bytes.find("data,bambino,", 1), std::string::npos);

    const ProgressFile file = readProgressFile(path);
    EXPECT_EQ(file.damaged_lines, 0);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0].outcome, Outcome::SolvedAlone);
    EXPECT_EQ(file.records[1].problem, 2);
    EXPECT_EQ(file.records[1].steps[3].errors, 2);
}

TEST(ProgressFile, ATornLastLineIsSkippedAndTheNextAppendStartsClean)
{
    for (const std::string& damage : {std::string("2026-12-11T09:0"), std::string(40, '\0')}) {
        TempFolder folder;
        ASSERT_TRUE(appendRecord(folder.path(), record("Ada", "pc1", 1, Outcome::SolvedAlone)));
        ASSERT_TRUE(appendRecord(folder.path(), record("Ada", "pc1", 2, Outcome::SolvedAlone)));
        const std::string path = folder.file("ada@pc1.csv");
        // The power went while the third record was being written.
        std::ofstream(path, std::ios::binary | std::ios::app) << damage;

        ProgressFile file = readProgressFile(path);
        EXPECT_EQ(file.records.size(), 2u);
        EXPECT_EQ(file.damaged_lines, 1);

        ASSERT_TRUE(appendRecord(folder.path(), record("Ada", "pc1", 3, Outcome::LeftClose)));
        file = readProgressFile(path);
        ASSERT_EQ(file.records.size(), 3u);
        EXPECT_EQ(file.damaged_lines, 0);
        EXPECT_EQ(file.records[2].problem, 3);
    }
}

TEST(ProgressFile, TwoComputersWriteTwoFilesOfOneChild)
{
    TempFolder folder;
    for (int problem = 1; problem <= 3; ++problem) {
        ASSERT_TRUE(appendRecord(folder.path(), record("Ada", "aula-pc01", problem, Outcome::SolvedAlone)));
        ASSERT_TRUE(appendRecord(folder.path(), record("ada", "aula-pc02", problem, Outcome::LeftClose)));
    }
    const std::vector<ProgressFile> files = readProgressFolder(folder.path());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(std::filesystem::path(files[0].path).filename(), "ada@aula-pc01.csv");
    EXPECT_EQ(std::filesystem::path(files[1].path).filename(), "ada@aula-pc02.csv");
    for (const ProgressFile& f : files)
        EXPECT_EQ(f.records.size(), 3u);

    const ClassReport report = buildClassReport(files);
    ASSERT_EQ(report.children.size(), 1u);
    EXPECT_EQ(report.children[0].attempts, 6);
    EXPECT_EQ(report.children[0].tried, 3);
    EXPECT_EQ(report.children[0].solved_alone, 3);
}

TEST(ProgressFile, AFolderThatCannotBeWrittenSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder, so the refusal cannot be seen";
    TempFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(appendRecord(folder.path(), record("Ada", "pc1", 1, Outcome::SolvedAlone), &error));
    EXPECT_NE(error.find("Impossibile scrivere i progressi"), std::string::npos) << error;
}

TEST(ProgressFile, APathThatIsAFileCannotBeWritten)
{
    // What root meets too: the folder named is a file.
    TempFolder folder;
    const std::string notAFolder = folder.write("progressi", "x");
    std::string error;
    EXPECT_FALSE(appendRecord(notAFolder, record("Ada", "pc1", 1, Outcome::SolvedAlone), &error));
    EXPECT_NE(error.find("Impossibile scrivere i progressi"), std::string::npos) << error;
}

}  // namespace
}  // namespace quorvia::progress
