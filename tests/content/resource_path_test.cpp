// SPDX-License-Identifier: GPL-3.0-or-later
// Teachers name resource files on Windows, where letter case does not matter.

#include "content/resource_path.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

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

// A name that leaves the folder is still found (a school may keep its
// pictures in a shared folder), and told apart from one that stays.
TEST(LeavesFolder, ClimbingOutOrASymbolicLinkLeaves) {
    TempFolder outside;
    TempFolder folder;
    outside.write("foto.jpg", "jpeg");
    folder.write("dentro.jpg", "jpeg");
    folder.write("Immagini/gatto.jpg", "jpeg");
    std::filesystem::create_symlink(outside.file("foto.jpg"), folder.file("collegata.jpg"));
    std::filesystem::create_symlink(folder.file("dentro.jpg"), folder.file("collegata_dentro.jpg"));
    const std::string climb = "../" + std::filesystem::path(outside.path()).parent_path().filename().string();
    const struct {
        const char* name;
        std::string requested;
        bool leaves;
    } cases[] = {
        {"PlainName", "dentro.jpg", false},
        {"InASubfolder", "Immagini\\gatto.jpg", false},
        {"UpAndBackIn", "Immagini/../dentro.jpg", false},
        {"LinkWithinTheFolder", "collegata_dentro.jpg", false},
        {"ClimbingOut", climb + "/foto.jpg", true},
        {"ClimbingOutWindowsStyle", "..\\" + climb.substr(3) + "\\FOTO.JPG", true},
        {"LinkLeadingOut", "collegata.jpg", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string found = findResourceFile(folder.path(), c.requested);
        ASSERT_NE(found, "");
        EXPECT_EQ(leavesFolder(folder.path(), found), c.leaves);
    }
}

// Nothing but a regular file is ever given as a problem, picture or sound:
// a FIFO would hold the program, a device would never end.
TEST(FindResourceFileKinds, OnlyRegularFilesAreFound) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("tubo.jpg").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.file("cartella.ini"));
    std::filesystem::create_symlink("/dev/zero", folder.file("zeri.wav"));
    std::filesystem::create_symlink(folder.file("tubo.jpg"), folder.file("al_tubo.jpg"));
    for (const char* name : {"tubo.jpg", "TUBO.JPG", "cartella.ini", "zeri.wav", "al_tubo.jpg"})
        EXPECT_EQ(findResourceFile(folder.path(), name), "") << name;
}

}  // namespace
}  // namespace quorvia
