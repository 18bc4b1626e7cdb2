// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/resource_path.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace quorvia {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

bool equalIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::vector<std::string> splitComponents(const std::string& name) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : name) {
        if (isSeparator(c)) {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The entry of `dir` named `part` without regard to ASCII case and of the
// wanted kind; the exact spelling first, else the smallest name, so that the
// answer does not depend on the order of the directory.
bool findEntry(const fs::path& dir, const std::string& part, bool wantFile, fs::path& found) {
    const auto fits = [wantFile](const fs::path& p) {
        return wantFile ? isRegularFile(p) : isDirectory(p);
    };
    if (part == "." || part == "..") {
        found = dir / part;
        return fits(found);
    }
    if (fits(dir / part)) {
        found = dir / part;
        return true;
    }
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    std::string best;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (!equalIgnoringAsciiCase(entry, part) || !fits(it->path())) continue;
        if (best.empty() || entry < best) best = entry;
    }
    if (best.empty()) return false;
    found = dir / best;
    return true;
}

}  // namespace

std::string findResourceFile(const std::string& folder, const std::string& name) {
    if (name.empty()) return {};
    std::string base = folder;
    if (!base.empty() && base.back() == '\\') base.back() = '/';
    if (!base.empty() && base.back() != '/') base += '/';

    if (isRegularFile(base + name)) return base + name;

    const std::vector<std::string> parts = splitComponents(name);
    if (parts.empty()) return {};
    fs::path current = base.empty() ? fs::path(".") : fs::path(base);
    // Keep the caller's spelling of the folder and the found one of the rest.
    std::string result = base;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        fs::path found;
        if (!findEntry(current, parts[i], i + 1 == parts.size(), found)) return {};
        if (i > 0) result += '/';
        result += found.filename().string();
        current = found;
    }
    return result;
}

bool resourceFileExists(const std::string& folder, const std::string& name) {
    return !findResourceFile(folder, name).empty();
}

bool leavesFolder(const std::string& folder, const std::string& found) {
    std::error_code ec;
    const fs::path base = fs::canonical(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return false;
    const fs::path file = fs::canonical(found, ec);
    if (ec) return false;
    auto b = base.begin();
    auto f = file.begin();
    for (; b != base.end(); ++b, ++f) {
        if (f == file.end() || *f != *b) return true;
    }
    return false;
}

}  // namespace quorvia
