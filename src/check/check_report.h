// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the checker found in a resource folder: the findings of the lint and
// the outcome of solving every problem through its window, grouped as a
// teacher reads them, by problem file and problem.

#include "content/decimal_separator_choice.h"
#include "content/scheme.h"

#include <string>
#include <vector>

namespace quorvia::check {

enum class Severity {
    Error,    // a child would get stuck, or see "?" where a text belongs
    Warning,  // the problem works, but not quite as the teacher meant
};

struct Finding {
    Severity severity = Severity::Error;
    std::string code;     // stable, for tools: "missing-file", "max-too-large", ...
    std::string file;     // the file to open: as it lies in the folder, or as named
    int line = 0;         // 1-based; 0 when the finding is about the whole file
    std::string message;  // for the teacher, in Italian
};

enum class Outcome {
    Solved,     // the window took every right answer and finished the problem
    NotSolved,  // the window refused a right answer, or could not go on
    NotTried,   // there was no window or no file to try it in
};

struct ProblemReport {
    int number = 0;
    Outcome outcome = Outcome::NotTried;
    int failed_step = 0;  // the step where solving stopped; 0 when solved or not tried
    std::vector<Finding> findings;
};

// The problem file of one mode and scheme, that is of one exercise window.
struct ProblemFileReport {
    Mode mode = Mode::Beginner;
    Scheme scheme = Scheme::S3;
    std::string file_name;  // as written in GENERALE.INI
    int offered = 0;        // problems the window offers: MAX<n> within 1..20
    std::vector<Finding> findings;  // about the file as a whole
    std::vector<ProblemReport> problems;
};

// An INI file the check read, and the encoding it was read in.
struct FileEncoding {
    std::string file;
    std::string encoding;  // "UTF-8", "Windows-1252", "UTF-16 LE", ...
};

struct CheckReport {
    std::string folder;
    char decimal_separator = ',';
    SeparatorSource decimal_separator_source = SeparatorSource::Locale;
    std::vector<Finding> general;  // GENERALE.INI and the folder
    std::vector<ProblemFileReport> files;
    std::vector<Finding> other_files;  // CONFIGURE.INI, the animations and sounds
    std::vector<FileEncoding> encodings;  // in the order the files were read

    int count(Severity severity) const;
    int count(Outcome outcome) const;
    int problemCount() const;
    // Every problem solved and no finding an error.
    bool passed() const;
};

}  // namespace quorvia::check
