// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The problem file of one mode and scheme, and GENERALE.INI for its MAX<n>,
// as the editor holds them: in memory, changed key by key, written back only
// on save through IniFile, which keeps the encoding, the line endings, the
// comments and every line nobody changed. What was read is remembered, so a
// file that another teacher changed on the shared folder in the meantime is
// never overwritten without asking.

#include "content/ini_file.h"
#include "content/scheme.h"

#include <string>

namespace quorvia::editor {

// "PROBLEMA_<n>".
std::string problemSection(int problem);

class ProblemDocument {
public:
    // The two files at one moment, for undo and redo.
    struct Snapshot {
        IniFile problems;
        IniFile generale;
    };
    enum class SaveResult { Saved, Conflict, Failed };

    // Reads GENERALE.INI of `folder` (ending with a separator) and the problem
    // file it names for `mode` and `scheme`. False, with `error` in Italian,
    // when GENERALE.INI is missing or names no file, or a file exists and
    // cannot be read. A named file that does not exist yet opens empty.
    bool open(const std::string& folder, Mode mode, Scheme scheme, std::string* error = nullptr);

    Mode mode() const { return mode_; }
    Scheme scheme() const { return scheme_; }
    const std::string& folder() const { return folder_; }
    const std::string& fileName() const { return file_name_; }  // as GENERALE.INI writes it
    const std::string& problemPath() const { return problem_path_; }
    const std::string& generalePath() const { return generale_path_; }
    // "MAX2": the key of GENERALE.INI that says how many problems the file has.
    std::string countKey() const;

    // The problems the window offers: MAX<n>, from 1 to kMaxProblems.
    int count() const;
    const IniFile& problems() const { return problems_; }
    const IniFile& generale() const { return generale_; }

    // The value as written ("" when missing) and whether the key is there.
    std::string value(int problem, const std::string& key) const;
    bool has(int problem, const std::string& key) const;
    // An empty value removes a key whose absence shows nothing; a key whose
    // absence shows "?" stays, empty. True when the file changed.
    bool setValue(int problem, const std::string& key, const std::string& value);

    // Each false, changing nothing, where it cannot be done: the limit of
    // kMaxProblems, a number out of range, a hidden section in the way.
    // A new problem is laid out for the scheme: every key whose absence would
    // show "?", empty, in the order a teacher writes them.
    bool add();
    // The copy comes last, as problem count()+1.
    bool duplicate(int problem);
    // The problems after it move down one number.
    bool remove(int problem);
    // Problem `problem` and problem `problem`+1 change numbers.
    bool swapWithNext(int problem);

    Snapshot snapshot() const { return {problems_, generale_}; }
    void restore(const Snapshot& snapshot);

    // Differs from the files as they were read (or last saved).
    bool modified() const;
    // Either file differs on disk from what was read: someone else saved it.
    bool changedOnDisk() const;
    // Writes the files that changed, each atomically. Conflict, writing
    // nothing, when changedOnDisk(); Failed with `error` when a write fails.
    SaveResult save(std::string* error = nullptr);
    // The problem file as it stands in the editor, to another path (the
    // files on the folder stay as they are).
    bool saveCopy(const std::string& path, std::string* error = nullptr) const;

private:
    bool setCount(int count);
    bool swapProblems(int a, int b);

    std::string folder_;
    std::string file_name_;
    std::string problem_path_;
    std::string generale_path_;
    Mode mode_ = Mode::Beginner;
    Scheme scheme_ = Scheme::S3;
    std::size_t scheme_index_ = 0;
    IniFile problems_;
    IniFile generale_;
    // The bytes as read or last saved; a file missing then reads as "".
    std::string problems_read_;
    std::string generale_read_;
};

}  // namespace quorvia::editor
