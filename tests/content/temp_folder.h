// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace quorvia::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvia-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing separator, as the resource folder is given.
    std::string path() const { return path_.string() + "/"; }
    std::string file(std::string_view name) const { return path() + std::string(name); }

    std::string write(std::string_view name, std::string_view bytes) const {
        const std::string target = file(name);
        std::filesystem::create_directories(std::filesystem::path(target).parent_path());
        std::ofstream(target, std::ios::binary) << bytes;
        return target;
    }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quorvia::testing
