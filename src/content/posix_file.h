// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pieces of careful file writing that more than one file format
// needs: a descriptor closed on every way out, a write that finishes or says
// why not, and the folder's entry made durable.

#include <string>

namespace quorvia {

// Closes a descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int close();

private:
    int fd_;
};

// Writes every byte, going on after interruptions: 0, or the errno of the
// failed write.
int writeAll(int fd, const std::string& bytes);

// Makes the folder entry of `path` (a new name, a rename) durable. Best
// effort: the file's own bytes are already on disk when this is called.
void syncFolderOf(const std::string& path);

// What a failed system call's errno means, in Italian for the teacher
// ("permesso negato", "il disco è pieno"): the C library speaks the
// locale's language, which on a school's computer is often English.
std::string systemErrorText(int code);

}  // namespace quorvia
