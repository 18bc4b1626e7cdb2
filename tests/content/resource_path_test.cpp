// SPDX-License-Identifier: GPL-3.0-or-later
// Teachers name resource files on Windows, where letter case does not matter.

#include "content/resource_path.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quorvia {
namespace {

using testing::TempFolder;

class FindResourceFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("problemi3.ini", "[S]\n");
        folder.write("Immagini/Foto1.JPG", "jpeg");
        folder.write("Suoni/Bravo.wav", "wave");
        std::filesystem::create_directory(folder.file("Cartella"));
    }
    TempFolder folder;
};

TEST_F(FindResourceFile, FindsFilesWhateverTheCaseOfTheirName) {
    const struct {
        const char* name;
        std::string requested;
        std::string found;  // relative to the folder; "" when nothing is found
    } cases[] = {
        {"ExactName", "problemi3.ini", "problemi3.ini"},
        {"NameInCapitals", "PROBLEMI3.INI", "problemi3.ini"},
        {"MixedCaseInAFolder", "IMMAGINI/foto1.jpg", "Immagini/Foto1.JPG"},
        {"WindowsBackslash", "immagini\\FOTO1.jpg", "Immagini/Foto1.JPG"},
        {"DoubledSeparator", "Suoni\\\\BRAVO.WAV", "Suoni/Bravo.wav"},
        {"MissingFile", "manca.ini", ""},
        {"MissingFolder", "Altro\\Foto1.JPG", ""},
        {"FolderIsNoFile", "cartella", ""},
        {"FileUsedAsFolder", "problemi3.ini/x", ""},
        {"EmptyName", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string expected = c.found.empty() ? "" : folder.file(c.found);
        EXPECT_EQ(findResourceFile(folder.path(), c.requested), expected);
        EXPECT_EQ(resourceFileExists(folder.path(), c.requested), !c.found.empty());
    }
}

TEST_F(FindResourceFile, FolderWithoutTrailingSeparatorWorksToo) {
    std::string bare = folder.path();
    bare.pop_back();
    EXPECT_EQ(findResourceFile(bare, "PROBLEMI3.INI"), folder.file("problemi3.ini"));
}

TEST_F(FindResourceFile, ExactSpellingWinsOverAnotherCase) {
    folder.write("Problemi3.ini", "[T]\n");
    EXPECT_EQ(findResourceFile(folder.path(), "Problemi3.ini"), folder.file("Problemi3.ini"));
    EXPECT_EQ(findResourceFile(folder.path(), "problemi3.ini"), folder.file("problemi3.ini"));
}

}  // namespace
}  // namespace quorvia
