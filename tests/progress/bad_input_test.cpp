// SPDX-License-Identifier: GPL-3.0-or-later
// Progress files that no program of ours wrote as they are: a stray quote,
// line ends of every kind, figures out of their range, files too large to
// read whole, things in the folder that are no files; and what an append
// does to each.

#include "content/temp_folder.h"
#include "progress/class_report.h"
#include "progress/csv.h"
#include "progress/progress_file.h"
#include "progress/record_csv.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace quorvia::progress {
namespace {

using quorvia::testing::readBytes;
using quorvia::testing::TempFolder;

const std::string kDamaged = QUORVIA_TEST_DATA "/rovinati/";

ProgressRecord record(const std::string& child, int problem)
{
    ProgressRecord r;
    r.when = "2026-12-11T10:00:00+01:00";
    r.child = child;
    r.computer = "pc";
    r.problem_file = "A_SCHEMA3.INI";
    r.problem = problem;
    r.outcome = Outcome::SolvedAlone;
    r.steps = stepsOf(Scheme::S3);
    r.seconds = 30;
    return r;
}

// Each fixture holds one fault: what the reader takes of it, and what it
// holds after the program appends one record (same child, same computer).
TEST(DamagedProgressFile, EachFaultCostsItsOwnLinesOnlyAndAnAppendKeepsEveryRecord)
{
    struct Case {
        const char* file;
        const char* child;  // whose file it is
        std::size_t records;
        int damaged;
    };
    const Case cases[] = {
        {"virgolette@pc.csv", "Ada", 2, 1},     // the stray quote damages its own line only
        {"a_capo_cr@pc.csv", "Bruno", 3, 0},    // CR alone ends a line
        {"a_capo_misti@pc.csv", "Carla", 3, 0}, // LF, CR and CR LF in one file
        {"fuori_misura@pc.csv", "Dario", 1, 10},
        {"escape@pc.csv", "Eva", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ProgressFile read = readProgressFile(kDamaged + c.file);
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(read.records.size(), c.records);
        EXPECT_EQ(read.damaged_lines, c.damaged);
        EXPECT_FALSE(read.cut);

        TempFolder folder;
        const std::string name = progressFileName(c.child, "pc");
        folder.write(name, readBytes(kDamaged + c.file));
        ASSERT_TRUE(appendRecord(folder.path(), record(c.child, 9)));
        const ProgressFile after = readProgressFile(folder.file(name));
        ASSERT_EQ(after.records.size(), c.records + 1);
        EXPECT_EQ(after.damaged_lines, c.damaged);
        EXPECT_EQ(after.records.back().problem, 9);
        for (std::size_t i = 0; i < c.records; ++i)
            EXPECT_EQ(after.records[i].when, read.records[i].when);
    }
}

TEST(DamagedProgressFile, FiguresAtTheEdgesOfTheirRangeAreRead)
{
    const ProgressFile read = readProgressFile(kDamaged + "fuori_misura@pc.csv");
    ASSERT_EQ(read.records.size(), 1u);
    const ProgressRecord& r = read.records.front();
    EXPECT_EQ(r.seconds, 86400);
    EXPECT_EQ(r.problem, 2);
    EXPECT_EQ(r.totalErrors(), 10000);
    EXPECT_EQ(r.totalHints(), 10000);
}

// A write cut between the CR and the LF of a record leaves a whole line: the
// next append keeps it.
TEST(DamagedProgressFile, ATailCutAfterItsCrIsAWholeLine)
{
    TempFolder folder;
    ASSERT_TRUE(appendRecord(folder.path(), record("Ada", 1)));
    const std::string path = folder.file("ada@pc.csv");
    std::string bytes = readBytes(path) + csvLine(recordRow(record("Ada", 2)));
    bytes.pop_back();  // the LF
    folder.write("ada@pc.csv", bytes);
    EXPECT_EQ(readProgressFile(path).records.size(), 2u);
    ASSERT_TRUE(appendRecord(folder.path(), record("Ada", 3)));
    const ProgressFile after = readProgressFile(path);
    ASSERT_EQ(after.records.size(), 3u);
    EXPECT_EQ(after.damaged_lines, 0);
}

TEST(Csv, ARecordIsOneLineWhateverItsFieldsHold)
{
    // The writer never breaks a line inside a field.
    const std::string line = csvLine({"a\r\nb", "c\rd", "e,\"f\""});
    EXPECT_EQ(line, "a  b,c d,\"e,\"\"f\"\"\"\r\n");
    // A quote left open damages its own line; the next one starts afresh.
    const CsvText text = parseCsv("a,\"b\r\nc,d\r\n\"x\",\"\"\"y\"\"\"\rz\n");
    EXPECT_EQ(text.damaged_lines, 1);
    ASSERT_EQ(text.rows.size(), 3u);
    EXPECT_EQ(text.rows[0], (CsvRow{"c", "d"}));
    EXPECT_EQ(text.rows[1], (CsvRow{"x", "\"y\""}));
    EXPECT_EQ(text.rows[2], (CsvRow{"z"}));
    EXPECT_FALSE(text.torn_tail);
}

TEST(Csv, LinesAreTheSameWhateverPiecesTheBytesComeIn)
{
    const std::string bytes = "a,b\r\nc\rd\n\ne\r\n\rf";
    for (std::size_t piece = 1; piece <= bytes.size(); ++piece) {
        LineSplitter lines(100);
        std::vector<std::string> got;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            lines.feed(std::string_view(bytes).substr(at, piece), [&](std::string_view l, bool) { got.emplace_back(l); });
        EXPECT_EQ(got, (std::vector<std::string>{"a,b", "c", "d", "", "e", ""})) << piece;
        EXPECT_TRUE(lines.unfinished()) << piece;
    }
    // A line longer than the limit is passed on as not whole, and no more of it is kept.
    LineSplitter lines(4);
    std::vector<std::pair<std::string, bool>> got;
    lines.feed("abcdefgh\nabcd\n", [&](std::string_view l, bool whole) { got.emplace_back(l, whole); });
    EXPECT_EQ(got, (std::vector<std::pair<std::string, bool>>{{"abcd", false}, {"abcd", true}}));
}

// Records at the top of their range, more than an int can add up: the sums
// stay at the largest int instead of turning negative.
TEST(ClassReportSums, CannotOverflow)
{
    ProgressFile file;
    ProgressRecord r = record("Ada", 1);
    for (StepTally& step : r.steps)
        step.errors = step.hints = 10000;
    r.seconds = 86400;
    file.records.assign(50000, r);
    file.damaged_lines = INT_MAX;
    const ClassReport report = buildClassReport({file, file});
    ASSERT_EQ(report.children.size(), 1u);
    const ChildSummary& child = report.children.front();
    EXPECT_EQ(child.errors(), INT_MAX);
    EXPECT_EQ(child.hints, INT_MAX);
    EXPECT_EQ(child.seconds, 100000L * 86400);
    EXPECT_EQ(report.damaged_lines, INT_MAX);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems.front().errors, INT_MAX);
}

TEST(LargeProgressFile, IsReadUpToItsLimitAndSaysItWasCut)
{
    TempFolder folder;
    std::string bytes = csvLine(recordHeader());
    for (int problem = 1; problem <= 20; ++problem)
        bytes += csvLine(recordRow(record("Ada", problem)));
    const std::string path = folder.write("ada@pc.csv", bytes);
    const std::size_t line = csvLine(recordRow(record("Ada", 1))).size();
    const std::size_t limit = csvLine(recordHeader()).size() + 5 * line + line / 2;

    const ProgressFile cut = readProgressFile(path, limit);
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(cut.records.size(), 5u);
    EXPECT_EQ(cut.damaged_lines, 1);  // the record the limit cut in two
    const ProgressFile whole = readProgressFile(path, bytes.size());
    EXPECT_FALSE(whole.cut);
    EXPECT_EQ(whole.records.size(), 20u);

    const ClassReport report = buildClassReport({cut});
    EXPECT_EQ(report.cut_files, std::vector<std::string>{path});
}

// A gigabyte of junk without a line end (a sparse file, so the disk does not
// fill): the reader stops at its limit, keeping no more than one line's worth.
TEST(LargeProgressFile, AGigabyteOfJunkStopsAtTheLimit)
{
    TempFolder folder;
    const std::string path = folder.file("junk.csv");
    { std::ofstream(path) << "x"; }
    std::filesystem::resize_file(path, 1024u * 1024 * 1024);
    const ProgressFile read = readProgressFile(path);
    EXPECT_TRUE(read.cut);
    EXPECT_EQ(read.damaged_lines, 1);
    EXPECT_TRUE(read.records.empty());
}

TEST(ProgressFolderContents, OnlyRegularFilesAreRead)
{
    TempFolder folder;
    ASSERT_TRUE(appendRecord(folder.path(), record("Ada", 1)));
    ASSERT_EQ(::mkfifo(folder.file("fifo.csv").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.file("cartella.csv"));
    const std::vector<ProgressFile> files = readProgressFolder(folder.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].records.size(), 1u);

    // Named directly, neither holds the reader.
    EXPECT_EQ(readProgressFile(folder.file("fifo.csv")).error,
              "Impossibile leggere il file " + folder.file("fifo.csv") + ": non è un file");
    EXPECT_EQ(readProgressFile(folder.file("cartella.csv")).error,
              "Impossibile leggere il file " + folder.file("cartella.csv") + ": è una cartella");
}

TEST(ProgressFolderContents, AFileWhereTheFolderShouldBeIsSaidInItalian)
{
    TempFolder folder;
    const std::string notAFolder = folder.write("progressi", "x");
    std::string error;
    EXPECT_FALSE(appendRecord(notAFolder, record("Ada", 1), &error));
    EXPECT_NE(error.find("è un file, non una cartella"), std::string::npos) << error;
    EXPECT_NE(error.find("CARTELLA_PROGRESSI"), std::string::npos) << error;
    // A file on the way to the folder.
    EXPECT_FALSE(appendRecord(notAFolder + "/classe", record("Ada", 1), &error));
    EXPECT_EQ(error.find("directory"), std::string::npos) << error;
    EXPECT_NE(error.find("non una cartella"), std::string::npos) << error;
}

}  // namespace
}  // namespace quorvia::progress
