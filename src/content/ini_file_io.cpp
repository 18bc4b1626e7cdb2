// SPDX-License-Identifier: GPL-3.0-or-later
// Reading INI files from disk and writing them back without ever leaving a
// half-written file behind.

#include "content/ini_file.h"

#include "content/posix_file.h"
#include "content/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvia {

namespace {

std::string writeError(const std::string& path, const std::string& reason) {
    return "Impossibile scrivere il file " + path + ": " + reason;
}

std::string readError(const std::string& path, const std::string& reason) {
    return "Impossibile leggere il file " + path + ": " + reason;
}

void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// A new file "<target>.tmp-XXXXXX" with the given mode; the kernel applies
// the umask, as it does to a file made in place.
int createTemporary(const std::string& target, mode_t mode, std::string& name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".tmp-";
        for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A save holds an exclusive lock on its temporary from just after creating
// it until after the rename; the lock goes with the process, so a temporary
// nobody holds was left by a save that was killed. The lock is taken here;
// a temporary that a cleaner removed before the lock was taken has no name
// left, and another is made. Where the file system has no locks the save
// goes on without one: no cleaner can lock its temporary either, so none
// takes it for a leftover.
int createLockedTemporary(const std::string& target, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = createTemporary(target, mode, name);
        if (fd < 0) return fd;
        int locked;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {}
        struct stat info {};
        if (locked != 0 || ::fstat(fd, &info) != 0 || info.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

// "<name>.tmp-" and six letters or digits, as createTemporary makes them.
bool isTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string prefix = name + ".tmp-";
    return entry.size() == prefix.size() + 6 && entry.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the temporaries that earlier saves of `target` left when they were
// killed before their rename; one that a running save holds is left alone.
// Best effort: whatever cannot be removed stays.
void removeStaleTemporaries(const std::string& target) {
    const std::filesystem::path path(target);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string name = path.filename().string();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isTemporaryOf(it->path().filename().string(), name)) continue;
        const std::string candidate = it->path().string();
        int raw = ::open(candidate.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (raw < 0) raw = ::open(candidate.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        FileDescriptor fd(raw);
        struct stat held {}, named {};
        if (fd.get() < 0 || ::fstat(fd.get(), &held) != 0 || !S_ISREG(held.st_mode)) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;  // a save is writing it
        // Only the file that was locked, not one a new save made under the
        // same name meanwhile.
        if (::lstat(candidate.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            ::unlink(candidate.c_str());
    }
}

// Where the bytes must go: a symbolic link stays a link to the new file.
std::string resolveTarget(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const std::filesystem::path real = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : real.string();
}

}  // namespace

bool IniFile::load(const std::string& path, IniFile& out, std::string* error) {
    out = IniFile();
    // O_NONBLOCK so that a FIFO does not hang the program; a regular file
    // reads the same either way.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return true;  // a missing file is an empty one
        setError(error, readError(path, systemErrorText(errno)));
        return false;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        setError(error, readError(path, systemErrorText(errno)));
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        setError(error, readError(path, S_ISDIR(info.st_mode) ? "è una cartella" : "non è un file"));
        return false;
    }

    // One byte beyond the limit tells a file that is too long.
    std::string bytes;
    std::size_t size = 0;
    const auto expected = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
    bytes.resize(std::min(expected, kMaxFileSize) + 1);
    while (size <= kMaxFileSize) {
        if (size == bytes.size()) bytes.resize(std::min(bytes.size() * 2, kMaxFileSize + 1));
        const ssize_t n = ::read(fd.get(), &bytes[size], bytes.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            setError(error, readError(path, systemErrorText(errno)));
            return false;
        }
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    bytes.resize(size);

    const bool truncated = size > kMaxFileSize;
    if (truncated) {
        // Keep whole lines only, so that no value or character is cut in two.
        bytes.resize(wholeLinesPrefix(bytes, kMaxFileSize));
    }
    out = parse(bytes);
    out.truncated_ = truncated;
    return true;
}

IniFile IniFile::read(const std::string& path) {
    IniFile file;
    if (!load(path, file)) return IniFile();
    return file;
}

bool IniFile::save(const std::string& path, std::string* error) const {
    if (truncated_) {
        setError(error, writeError(path, "il file è più grande di " +
                                             std::to_string(kMaxFileSize / (1024 * 1024)) +
                                             " MB e non è stato letto per intero"));
        return false;
    }
    const std::string target = resolveTarget(path);

    // The new file gets the permissions of the one it replaces.
    mode_t mode = 0666;
    bool replacing = false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        replacing = true;
        if (S_ISDIR(old.st_mode)) {
            setError(error, writeError(path, "è una cartella"));
            return false;
        }
        mode = old.st_mode & 07777;
    }

    removeStaleTemporaries(target);
    std::string temporary;
    FileDescriptor fd(createLockedTemporary(target, mode, temporary));
    if (fd.get() < 0) {
        setError(error, writeError(path, systemErrorText(errno)));
        return false;
    }
    const auto fail = [&](int code) {
        ::unlink(temporary.c_str());
        fd.close();
        setError(error, writeError(path, systemErrorText(code)));
        return false;
    };
    // A new file keeps what the umask gave it; a replaced one gets its old
    // permissions back, which the umask may have narrowed at creation.
    if (replacing && ::fchmod(fd.get(), mode) != 0 && errno != EPERM) return fail(errno);
    if (const int code = writeAll(fd.get(), serialize())) return fail(code);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    // Closed, and so unlocked, only now: until the rename the temporary is
    // held, so no other save takes it for a leftover. The bytes are already
    // on disk, so closing has nothing left to fail at.
    fd.close();
    syncFolderOf(target);
    return true;
}

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    return IniFile::read(path).readString(section, key, fallback);
}

int readProfileInt(const std::string& path, std::string_view section,
                   std::string_view key, int fallback) {
    return IniFile::read(path).readInteger(section, key, fallback);
}

bool writeProfileString(const std::string& path, std::string_view section,
                        std::string_view key, std::string_view value, std::string* error) {
    // A file that exists but cannot be read is left alone: writing one key
    // into an empty copy would throw away everything else in it.
    IniFile file;
    if (!IniFile::load(path, file, error)) return false;
    file.writeString(section, key, value);
    return file.save(path, error);
}

}  // namespace quorvia
