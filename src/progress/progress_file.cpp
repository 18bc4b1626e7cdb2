// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/progress_file.h"

#include "content/posix_file.h"
#include "progress/record_csv.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvia::progress {

namespace {

constexpr std::size_t kMaxNamePart = 60;

// The Italian accented letters, in UTF-8, and the letter each becomes.
struct Accent {
    const char* utf8;
    char plain;
};
constexpr Accent kAccents[] = {
    {"à", 'a'}, {"á", 'a'}, {"è", 'e'}, {"é", 'e'}, {"ì", 'i'}, {"í", 'i'}, {"ò", 'o'}, {"ó", 'o'},
    {"ù", 'u'}, {"ú", 'u'}, {"À", 'a'}, {"È", 'e'}, {"É", 'e'}, {"Ì", 'i'}, {"Ò", 'o'}, {"Ù", 'u'},
};

std::string safePart(const std::string& text, const char* whenEmpty)
{
    std::string safe;
    for (std::size_t i = 0; i < text.size() && safe.size() < kMaxNamePart;) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isalnum(c) && c < 0x80) {
            safe += static_cast<char>(std::tolower(c));
            ++i;
            continue;
        }
        if (c == '-') {
            safe += '-';
            ++i;
            continue;
        }
        const auto accent = std::find_if(std::begin(kAccents), std::end(kAccents), [&](const Accent& a) {
            return text.compare(i, std::strlen(a.utf8), a.utf8) == 0;
        });
        if (accent != std::end(kAccents)) {
            safe += accent->plain;
            i += std::strlen(accent->utf8);
            continue;
        }
        // Anything else (blanks, dots, slashes, other letters) is one "_",
        // however many bytes its character takes.
        if (safe.empty() || safe.back() != '_')
            safe += '_';
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    while (!safe.empty() && safe.back() == '_')
        safe.pop_back();
    while (!safe.empty() && safe.front() == '_')
        safe.erase(safe.begin());
    return safe.empty() ? whenEmpty : safe;
}

std::string failure(const std::string& path, int code)
{
    return "Impossibile scrivere i progressi nel file " + path + ": " + systemErrorText(code);
}

// A file whose last byte is not a line end was cut in the middle of a
// record: it is cut back to its last whole line, so the record appended now
// starts a line of its own. Best effort, as the reader skips the piece anyway.
void dropTornTail(int fd, off_t size)
{
    char last = '\n';
    if (size == 0 || ::pread(fd, &last, 1, size - 1) != 1 || isLineEnd(last))
        return;
    constexpr off_t kChunk = 4096;
    std::string buffer(kChunk, '\0');
    for (off_t end = size; end > 0;) {
        const off_t begin = std::max<off_t>(0, end - kChunk);
        const ssize_t n = ::pread(fd, buffer.data(), static_cast<std::size_t>(end - begin), begin);
        if (n <= 0)
            return;
        for (auto i = static_cast<std::size_t>(n); i > 0; --i) {
            if (isLineEnd(buffer[i - 1])) {
                (void)::ftruncate(fd, begin + static_cast<off_t>(i));
                return;
            }
        }
        end = begin;
    }
    (void)::ftruncate(fd, 0);
}

// The header of a file begun earlier, perhaps by an older or newer program
// with other step columns: a record appended under another header would
// not read. The program's own when the first line is no header.
CsvRow headerOf(int fd)
{
    std::string first(kMaxRecordLineBytes, '\0');
    const ssize_t n = ::pread(fd, first.data(), first.size(), 0);
    first.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    const auto end = std::find_if(first.begin(), first.end(), isLineEnd);
    CsvRow header;
    if (end == first.end() || !parseCsvLine(std::string_view(first.data(), end - first.begin()), header) ||
        !RecordReader(header).whole())
        return recordHeader();
    return header;
}

}  // namespace

std::string progressFileName(const std::string& child, const std::string& computer)
{
    return safePart(child, "senza_nome") + "@" + safePart(computer, "computer") + ".csv";
}

std::string hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "computer";
    return name;
}

bool appendRecord(const std::string& folder, const ProgressRecord& record, std::string* error)
{
    const std::string path = (std::filesystem::path(folder) / progressFileName(record.child, record.computer)).string();
    const auto fail = [&](int code) {
        if (error)
            *error = failure(path, code);
        return false;
    };
    std::error_code ec;
    if (std::filesystem::exists(folder, ec) && !std::filesystem::is_directory(folder, ec)) {
        if (error)
            *error = "Impossibile scrivere i progressi nella cartella " + folder +
                     ": è un file, non una cartella (controlla CARTELLA_PROGRESSI in GENERALE.INI)";
        return false;
    }
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return fail(ec.value());
    // Read as well as written: a torn tail is looked for before appending.
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return fail(errno);
    // Two programs of one child on one computer take turns; a share
    // without locks goes on without.
    while (::flock(fd.get(), LOCK_EX) != 0 && errno == EINTR) {}
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fail(errno);
    dropTornTail(fd.get(), info.st_size);
    const bool fresh = ::lseek(fd.get(), 0, SEEK_END) == 0;
    std::string bytes = fresh ? csvLine(recordHeader()) : std::string();
    bytes += csvLine(recordRow(record, fresh ? recordHeader() : headerOf(fd.get())));
    if (const int code = writeAll(fd.get(), bytes))
        return fail(code);
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    fd.close();
    if (fresh)
        syncFolderOf(path);
    return true;
}

ProgressFile readProgressFile(const std::string& path, std::size_t limit)
{
    ProgressFile file;
    file.path = path;
    const auto unreadable = [&](const std::string& why) {
        file.error = "Impossibile leggere il file " + path + ": " + why;
        return file;
    };
    // O_NONBLOCK: a FIFO put in the folder must not hold the report.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        return unreadable(systemErrorText(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(S_ISDIR(info.st_mode) ? "è una cartella" : "non è un file");

    LineSplitter lines(kMaxRecordLineBytes);
    bool haveHeader = false;
    CsvRow header, row;
    std::optional<RecordReader> reader;
    const auto onLine = [&](std::string_view line, bool whole) {
        if (!whole || !parseCsvLine(line, row)) {
            ++file.damaged_lines;
            return;
        }
        if (!haveHeader) {
            haveHeader = true;
            header = row;
            reader.emplace(header);
            return;
        }
        // Two programs starting the same file at once may both write the header.
        if (row == header)
            return;
        ProgressRecord record;
        if (reader->read(row, record))
            file.records.push_back(std::move(record));
        else
            ++file.damaged_lines;
    };
    std::string buffer(std::min<std::size_t>(limit, 1u << 16), '\0');
    std::size_t total = 0;
    for (;;) {
        const std::size_t wanted = std::min(buffer.size(), limit - total);
        if (wanted == 0) {
            char probe = 0;
            file.cut = ::read(fd.get(), &probe, 1) > 0;
            break;
        }
        const ssize_t n = ::read(fd.get(), buffer.data(), wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return unreadable(systemErrorText(errno));
        if (n == 0)
            break;
        total += static_cast<std::size_t>(n);
        lines.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)), onLine);
    }
    // The unfinished last line: a write cut short, or the place the limit cut.
    if (lines.unfinished())
        ++file.damaged_lines;
    return file;
}

std::vector<ProgressFile> readProgressFolder(const std::string& folder, std::string* error)
{
    std::vector<std::string> paths;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& p = it->path();
        if (p.extension() == ".csv" && it->is_regular_file(ec))
            paths.push_back(p.string());
    }
    if (ec && error)
        *error = "Impossibile leggere la cartella " + folder + ": " + systemErrorText(ec.value());
    std::sort(paths.begin(), paths.end());
    std::vector<ProgressFile> files;
    for (const std::string& path : paths)
        files.push_back(readProgressFile(path));
    return files;
}

}  // namespace quorvia::progress
