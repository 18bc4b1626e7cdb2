// SPDX-License-Identifier: GPL-3.0-or-later
// The content work of a window's problem load (ProblemLoader::load) on a file of 20 problems:
// open and read the problem file, read the window texts and the problem,
// prepare its formulas. The windows do it at every problem they show.

#include "content_bench.h"

#include "bench_table.h"
#include "content/formula_preparation.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "content/text_encoding.h"
#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace quorvia::bench {

namespace {

namespace fs = std::filesystem;

constexpr int kProblems = 20;

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
    std::exit(1);
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) fail("cannot write " + path.string());
}

// A bundled file grown to 20 problems: its problems, then copies of them
// numbered on, as a teacher's full file would be.
std::string twentyProblems(const std::string& bundled) {
    const std::size_t first = bundled.find("[PROBLEMA_1]");
    if (first == std::string::npos) fail("bundled file without [PROBLEMA_1]");
    const std::string head = bundled.substr(0, first);
    const std::string problems = bundled.substr(first);
    const std::regex header(R"(\[PROBLEMA_(\d+)\])");
    int count = 0;
    for (std::sregex_iterator it(problems.begin(), problems.end(), header), end; it != end; ++it)
        ++count;
    std::string text = head;
    for (int offset = 0; offset < kProblems; offset += count) {
        std::string copy;
        std::size_t at = 0;
        for (std::sregex_iterator it(problems.begin(), problems.end(), header), end; it != end; ++it) {
            const int number = std::stoi((*it)[1]) + offset;
            copy += problems.substr(at, static_cast<std::size_t>(it->position()) - at);
            copy += number <= kProblems ? "[PROBLEMA_" + std::to_string(number) + "]" : "[ALTRO]";
            at = static_cast<std::size_t>(it->position() + it->length());
        }
        copy += problems.substr(at);
        text += copy;
        if (!text.empty() && text.back() != '\n') text += '\n';
    }
    return text;
}

std::string asWindowsFile(const std::string& utf8) {
    std::string bytes;
    if (!utf8ToWindows1252(utf8, bytes)) fail("bundled text outside Windows-1252");
    std::string crlf;
    for (char c : bytes) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

// Files made once for the whole run, removed at its end.
class Folder {
public:
    Folder() : path_(fs::temp_directory_path() / ("quorvia-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    fs::path file(const std::string& name, const std::string& bytes) const {
        const fs::path path = path_ / name;
        writeBytes(path, bytes);
        return path;
    }

private:
    fs::path path_;
};

void addLoad(const std::string& row, const fs::path& path, Scheme scheme) {
    const IniFile check = IniFile::read(path.string());
    if (!check.sectionExists("PROBLEMA_" + std::to_string(kProblems)))
        fail(path.string() + " lacks problem " + std::to_string(kProblems));
    add(row, [path = path.string(), scheme](benchmark::State& state) {
        TCalcExpress evaluator;
        PreparedFormulas previous;
        int problem = 0;
        for (auto _ : state) {
            problem = problem % kProblems + 1;
            const IniFile file = IniFile::read(path);
            const ProgramTexts texts = readProgramTexts(file);
            const ProblemContent content = readProblem(file, problem, scheme);
            previous = prepareProblemFormulas(evaluator, scheme, content, previous);
            benchmark::DoNotOptimize(texts);
            benchmark::DoNotOptimize(previous);
        }
    });
}

}  // namespace

void addProblemLoadBenchmarks() {
    setDecimalSeparator(',');
    setTarget("problem load", Target{TargetKind::MaxTime, 1e-3});

    static const Folder folder;
    const std::string resources = QUORVIA_BUNDLED_RESOURCES;
    const std::string scheme3 = twentyProblems(readBytes(resources + "/A_SCHEMA3.INI"));
    const std::string scheme5 = twentyProblems(readBytes(resources + "/A_SCHEMA5.INI"));
    const auto kib = [](const std::string& bytes) { return std::to_string(bytes.size() / 1024) + " KiB"; };

    addLoad("problem load: scheme 3, 20 problems, UTF-8 LF, " + kib(scheme3),
            folder.file("scheme3.ini", scheme3), Scheme::S3);
    const std::string windows = asWindowsFile(scheme3);
    addLoad("problem load: scheme 3, 20 problems, Windows-1252 CRLF, " + kib(windows),
            folder.file("scheme3_windows.ini", windows), Scheme::S3);
    addLoad("problem load: scheme 5, 20 problems, UTF-8 LF, " + kib(scheme5),
            folder.file("scheme5.ini", scheme5), Scheme::S5);
}

}  // namespace quorvia::bench
