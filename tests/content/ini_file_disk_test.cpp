// SPDX-License-Identifier: GPL-3.0-or-later
// INI files on disk: hostile files read without harm, and a failed save
// leaves the old file whole.

#include "content/ini_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;

bool runningAsRoot() { return ::geteuid() == 0; }

std::vector<std::string> folderEntries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(IniFileDisk, MissingFileReadsAsEmptyAndLoadsWithoutError) {
    TempFolder folder;
    IniFile file;
    std::string error = "untouched";
    EXPECT_TRUE(IniFile::load(folder.file("nessuno.ini"), file, &error));
    EXPECT_EQ(error, "untouched");
    EXPECT_TRUE(file.sectionNames().empty());
    EXPECT_EQ(readProfileString(folder.file("nessuno.ini"), "S", "k", "?"), "?");
    EXPECT_EQ(readProfileInt(folder.file("nessuno.ini"), "S", "k", 7), 7);
}

TEST(IniFileDisk, FilesThatCannotBeReadGiveAnEmptyFile) {
    TempFolder folder;
    fs::create_directory(folder.file("cartella.ini"));
    ASSERT_EQ(::mkfifo(folder.file("fifo.ini").c_str(), 0600), 0);

    for (const std::string name : {"cartella.ini", "fifo.ini"}) {
        SCOPED_TRACE(name);
        IniFile file;
        std::string error;
        EXPECT_FALSE(IniFile::load(folder.file(name), file, &error));
        EXPECT_NE(error.find(folder.file(name)), std::string::npos);
        EXPECT_TRUE(IniFile::read(folder.file(name)).sectionNames().empty());
        EXPECT_EQ(readProfileString(folder.file(name), "S", "k", "?"), "?");
    }
}

TEST(IniFileDisk, ReadAndWriteErrorsSayWhyInItalian) {
    TempFolder folder;
    // A file where a folder should be: the system's reason, in the
    // teacher's language, not the C library's English.
    folder.write("file", "x");
    const std::string inside = folder.file("file") + "/GENERALE.INI";
    IniFile file;
    std::string error;
    EXPECT_FALSE(IniFile::load(inside, file, &error));
    EXPECT_NE(error.find("una parte del percorso è un file"), std::string::npos) << error;
    error.clear();
    file.writeString("S", "k", "v");
    EXPECT_FALSE(file.save(inside, &error));
    EXPECT_NE(error.find("una parte del percorso è un file"), std::string::npos) << error;
}

TEST(IniFileDisk, BinaryJunkWithNulBytesIsReadAroundNotChokedOn) {
    TempFolder folder;
    const char raw[] = "\x00\x01\xFF\xFE\x00[\x00]\n\x89PNG\r\n\x1A\n\x00\x00=\x00\n";
    const std::string junk(raw, sizeof raw - 1);
    const std::string path =
        folder.write("junk.ini", junk + "[S]\nk=v\n" + junk + std::string("nul=a\0b\n", 8));
    const IniFile file = IniFile::read(path);
    EXPECT_EQ(file.readString("S", "k", "?"), "v");
    EXPECT_EQ(file.readString("S", "nul", "?"), std::string("a\0b", 3));
    EXPECT_EQ(file.serialize(), readBytes(path));
}

TEST(IniFileDisk, VeryLongLineIsCutAndTheNextLineStillRead) {
    TempFolder folder;
    const std::string path =
        folder.write("long.ini", "[S]\nlong=" + std::string(100000, 'a') + "\nnext=ok\n");
    const IniFile file = IniFile::read(path);
    EXPECT_EQ(file.readString("S", "long", ""), std::string(IniFile::kMaxValueLength, 'a'));
    EXPECT_EQ(file.readString("S", "next", ""), "ok");
}

TEST(IniFileDisk, FileBeyondTheSizeLimitIsReadInPartAndNeverSavedShort) {
    TempFolder folder;
    const std::string line = "riga=" + std::string(1000, 'x') + "\n";
    std::string text = "[Inizio]\nk=1\n[Riempitivo]\n";
    while (text.size() <= IniFile::kMaxFileSize) text += line;
    text += "[Fine]\nk=1\n";
    const std::string path = folder.write("huge.ini", text);

    const IniFile file = IniFile::read(path);
    EXPECT_TRUE(file.truncated());
    EXPECT_EQ(file.readString("Inizio", "k", "?"), "1");
    EXPECT_EQ(file.readString("Fine", "k", "?"), "?");

    std::string error;
    EXPECT_FALSE(writeProfileString(path, "Inizio", "k", "2", &error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(fs::file_size(path), text.size());
}

// The cut falls after a whole UTF-16 line break, never inside a character.
TEST(IniFileDisk, Utf16FileBeyondTheSizeLimitIsCutAtALineOfItsOwn) {
    TempFolder folder;
    std::u16string text = u"\xFEFF[Inizio]\r\nk=1\r\n[Riempitivo]\r\n";
    const std::u16string line = u"riga=" + std::u16string(1000, u'\x0A0A') + u"\r\n";
    while (text.size() * 2 <= IniFile::kMaxFileSize) text += line;
    text += u"[Fine]\r\nk=1\r\n";
    std::string bytes;
    for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    const IniFile file = IniFile::read(folder.write("grande.ini", bytes));
    EXPECT_TRUE(file.truncated());
    EXPECT_EQ(file.encoding(), IniFile::Encoding::Utf16Le);
    EXPECT_EQ(file.readString("Inizio", "k", "?"), "1");
    EXPECT_EQ(file.readString("Fine", "k", "?"), "?");
}

// A save killed between making its temporary file and the rename leaves the
// temporary behind; the next save of the same file removes it, but never
// one that a running save still holds, nor anything else.
TEST(IniFileDisk, SaveRemovesTheTemporariesThatKilledSavesLeft) {
    TempFolder folder;
    const std::string path = folder.write("CONFIGURE.INI", "[S]\nk=1\n");
    folder.write("CONFIGURE.INI.tmp-a1B2c3", "[S]\nk=mezza copia");
    folder.write("CONFIGURE.INI.tmp-ZZZZZZ", "");
    const std::string held = folder.write("CONFIGURE.INI.tmp-held01", "[S]\n");
    folder.write("CONFIGURE.INI.tmp-lungo12", "non è un temporaneo");
    folder.write("ALTRO.INI.tmp-a1B2c3", "di un altro file");
    const int running = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);

    ASSERT_TRUE(writeProfileString(path, "S", "k", "2"));
    ::close(running);
    EXPECT_EQ(readBytes(path), "[S]\nk=2\n");
    EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"ALTRO.INI.tmp-a1B2c3", "CONFIGURE.INI",
                                                                "CONFIGURE.INI.tmp-held01",
                                                                "CONFIGURE.INI.tmp-lungo12"}));
}

TEST(IniFileDisk, WriteProfileStringCreatesAFileAndKeepsOtherKeys) {
    TempFolder folder;
    const std::string path = folder.file("CONFIGURE.INI");
    ASSERT_TRUE(writeProfileString(path, "Colori", "Sfondo", "65535"));
    ASSERT_TRUE(writeProfileString(path, "Colori", "Testo", "-16777201"));
    ASSERT_TRUE(writeProfileString(path, "COLORI", "SFONDO", "255"));

    EXPECT_EQ(readBytes(path), "[Colori]\nSfondo=255\nTesto=-16777201\n");
    EXPECT_EQ(readProfileInt(path, "colori", "testo", 0), -16777201);
    EXPECT_EQ(readProfileString(path, "colori", "sfondo", ""), "255");
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"CONFIGURE.INI"});
}

TEST(IniFileDisk, SaveKeepsThePermissionsOfTheFileItReplaces) {
    TempFolder folder;
    const std::string path = folder.write("scheda.ini", "[S]\nk=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(writeProfileString(path, "S", "k", "2"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(IniFileDisk, ANewFileFollowsTheUmask) {
    TempFolder folder;
    const mode_t previous = ::umask(027);
    const bool saved = writeProfileString(folder.file("nuovo.ini"), "S", "k", "1");
    ::umask(previous);
    ASSERT_TRUE(saved);
    struct stat info {};
    ASSERT_EQ(::stat(folder.file("nuovo.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(IniFileDisk, SaveThroughASymbolicLinkKeepsTheLink) {
    TempFolder folder;
    const std::string real = folder.write("vero.ini", "[S]\nk=1\n");
    fs::create_symlink(real, folder.file("link.ini"));
    ASSERT_TRUE(writeProfileString(folder.file("link.ini"), "S", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.ini")));
    EXPECT_EQ(readBytes(real), "[S]\nk=2\n");
}

TEST(IniFileDisk, SaveThatCannotStartReportsAndLeavesNothingBehind) {
    TempFolder folder;
    fs::create_directory(folder.file("cartella.ini"));
    fs::create_directory(folder.file("sub"));
    folder.write("sub/inside.ini", "[S]\nk=1\n");
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"FolderDoesNotExist", folder.file("manca/scheda.ini")},
        {"TargetIsAFolder", folder.file("cartella.ini")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file = IniFile::parse("[S]\nk=1\n");
        std::string error;
        EXPECT_FALSE(file.save(c.path, &error));
        EXPECT_EQ(error.rfind("Impossibile scrivere il file " + c.path + ": ", 0), 0u) << error;
        EXPECT_FALSE(writeProfileString(c.path, "S", "k", "2"));
    }
    EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"cartella.ini", "sub"}));
    EXPECT_TRUE(fs::is_empty(folder.file("cartella.ini")));
}

// The disk fills up halfway through the new file: the old file must stay
// whole and the half-written copy must go.
TEST(IniFileDisk, SaveFailingHalfwayLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string old = "[S]\nk=1\n";
    const std::string path = folder.write("scheda.ini", old);
    IniFile file = IniFile::read(path);
    file.writeString("S", "big", std::string(64 * 1024, 'z'));

    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool saved_ok = file.save(path, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"scheda.ini"});
}

TEST(IniFileDisk, ReadOnlyFolderOrFileIsLeftAlone) {
    if (runningAsRoot()) GTEST_SKIP() << "permission bits do not stop root";
    TempFolder folder;
    const std::string old = "[S]\nk=1\n";
    const std::string path = folder.write("scheda.ini", old);

    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    std::string error;
    EXPECT_FALSE(writeProfileString(path, "S", "k", "2", &error));
    EXPECT_NE(error.find(path), std::string::npos);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    EXPECT_EQ(readBytes(path), old);

    // A file that exists but cannot be read is not replaced by one key.
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    EXPECT_FALSE(writeProfileString(path, "S", "k", "2"));
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"scheda.ini"});
}

}  // namespace
}  // namespace quorvia
