#include "platform/PrivateProfile.h"

#include "platform/FileSystemSeam.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Read(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view defaultValue = "<default>") {
    std::array<char, 256> buffer{};
    const UINT count = GetPrivateProfileString(section, key, defaultValue, buffer, file);
    EXPECT_EQ(count, std::string(buffer.data()).size());
    return buffer.data();
}

TEST(PrivateProfile, ReadsByTheIniRules) {
    CTempDir dir;
    const std::string file = dir / "t.ini";
    WriteFileBytes(file, Crlf("orphan=before any section\n"
                              "; comment=not a key of any section\n"
                              "[Global]\n"
                              "  SourceDir \t=  C:\\Models\\In \t\n"
                              "DestDir=\n"
                              "eq=a=b\n"
                              "Quoted=\"  spaced  \"\n"
                              "Single='x'\n"
                              "Lone=\"\n"
                              "Mixed=\"abc'\n"
                              "Blanked= \" (1,1,1)\"\n"
                              "no equals sign here\n"
                              "[global]\n"
                              "SourceDir=second section is never read\n"
                              "[Dup]\n"
                              "a=first\n"
                              "A=second\n"
                              "  [Tricky = name ] trailing=text\n"
                              "key=in tricky\n"
                              "[Open\n"
                              "k=v\n"));
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Global", "SourceDir", "C:\\Models\\In"},
        {"GLOBAL", "sourcedir", "C:\\Models\\In"},
        {"Global", "DestDir", ""},
        {"Global", "Missing", "<default>"},
        {"Global", "eq", "a=b"},
        {"Global", "Quoted", "  spaced  "},
        {"Global", "Single", "x"},
        {"Global", "Lone", "\""},
        {"Global", "Mixed", "\"abc'"},
        {"Global", "Blanked", " (1,1,1)"},
        {"Global", "no equals sign here", "<default>"},
        {"Global", "; comment", "<default>"},
        {"", "orphan", "<default>"},
        {"Dup", "a", "first"},
        {"Tricky = name", "key", "in tricky"},
        {"Tricky = name ] trailing=text", "key", "<default>"},
        {"Open", "k", "v"},
        {"Nowhere", "k", "<default>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(file, c.section, c.key), c.expected) << c.section << " / " << c.key;
    }
}

TEST(PrivateProfile, SplitsLinesAsTextModeReadsDo) {
    CTempDir dir;
    const std::string file = dir / "t.ini";
    // LF alone ends a line too; a CR that is not before an LF belongs to the line.
    WriteFileBytes(file, "[a]\nk=lf\n[b]\r\nk=crlf\r\n[c]\rk=cr only\r\n[d]\nk=last line");
    EXPECT_EQ(Read(file, "a", "k"), "lf");
    EXPECT_EQ(Read(file, "b", "k"), "crlf");
    EXPECT_EQ(Read(file, "c", "k"), "<default>");
    EXPECT_EQ(Read(file, "d", "k"), "last line");
}

TEST(PrivateProfile, CutsValuesToTheBuffer) {
    CTempDir dir;
    const std::string file = dir / "t.ini";
    const std::string longValue(300, 'v');
    WriteFileBytes(file, "[s]\r\nlong=" + longValue + "\r\nquoted=\"" + longValue + "\"\r\n");
    EXPECT_EQ(Read(file, "s", "long"), longValue.substr(0, 255));
    EXPECT_EQ(Read(file, "s", "quoted"), longValue.substr(0, 255));
    EXPECT_EQ(Read(file, "s", "missing", longValue), longValue.substr(0, 255));

    std::array<char, 4> small{};
    EXPECT_EQ(GetPrivateProfileString("s", "long", "", small, file), 3u);
    EXPECT_STREQ(small.data(), "vvv");
}

TEST(PrivateProfile, ReadsDefaultsWhenTheFileCannotBeRead) {
    CTempDir dir;
    fs::create_directory(dir / "folder.ini");
    EXPECT_EQ(Read(dir / "missing.ini", "s", "k", "d"), "d");
    EXPECT_EQ(Read(dir / "folder.ini", "s", "k", "d"), "d");
    EXPECT_EQ(Read(dir / "missing.ini", "s", "k", ""), "");
}

TEST(PrivateProfile, AReadScopeReadsTheFileOnceButSeesItsOwnWrites) {
    CTempDir dir;
    const std::string file = dir / "t.ini";
    WriteFileBytes(file, "[s]\r\nk=one\r\n");
    {
        const CProfileReadScope outer(file);
        EXPECT_EQ(Read(file, "s", "k"), "one");
        WriteFileBytes(file, "[s]\r\nk=two\r\n");
        EXPECT_EQ(Read(file, "s", "k"), "one");
        // Written under another name: the scope reads the file again.
        fs::create_symlink("t.ini", dir / "link.ini");
        EXPECT_TRUE(WritePrivateProfileString("s", "added", "yes", dir / "link.ini"));
        EXPECT_EQ(Read(file, "s", "k"), "two");
        EXPECT_EQ(Read(file, "s", "added"), "yes");
    }
    WriteFileBytes(file, "[s]\r\nk=three\r\n");
    EXPECT_EQ(Read(file, "s", "k"), "three");
}

struct WriteCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(PrivateProfile, WritesChangeOnlyTheOneLine) {
    const WriteCase cases[] = {
        // Replaced in place: comments, other sections, odd spacing and line ends all stay.
        {"; my folders\r\n[Other]\r\nDestDir=elsewhere\r\n\r\n  [ global ]  \r\n  destdir =  old  \r\n"
         "nTransforms = 3\r\n[s0]\r\nmatch=*\r\n",
         "Global", "DestDir", "/new/out",
         "; my folders\r\n[Other]\r\nDestDir=elsewhere\r\n\r\n  [ global ]  \r\nDestDir=/new/out\r\n"
         "nTransforms = 3\r\n[s0]\r\nmatch=*\r\n"},
        {"[Global]\nDestDir=old\nSourceDir=x", "Global", "SourceDir", "",
         "[Global]\nDestDir=old\nSourceDir="},
        {"[Global]\rDestDir=old\r", "Global", "SourceDir", "y", "[Global]\rDestDir=old\r\r\nSourceDir=y\r\n"},
        // Added after the section's last key line, before what follows it.
        {"[Global]\r\nSourceDir=a\r\n\r\n; next\r\n[s0]\r\n", "Global", "DestDir", "b",
         "[Global]\r\nSourceDir=a\r\nDestDir=b\r\n\r\n; next\r\n[s0]\r\n"},
        {"[Global]\n\n[s0]\n", "Global", "DestDir", "b", "[Global]\nDestDir=b\r\n\n[s0]\n"},
        {"[Global]\nSourceDir=a", "Global", "DestDir", "b", "[Global]\nSourceDir=a\r\nDestDir=b\r\n"},
        // Only the first matching section counts.
        {"[Global]\r\n[Global]\r\nDestDir=second\r\n", "Global", "DestDir", "b",
         "[Global]\r\nDestDir=b\r\n[Global]\r\nDestDir=second\r\n"},
        // Appended as a new section at the end.
        {"[Other]\r\nk=v\r\n", "Global", "DestDir", "", "[Other]\r\nk=v\r\n[Global]\r\nDestDir=\r\n"},
        {"[Other]\nk=v", "Global", "DestDir", "b", "[Other]\nk=v\r\n[Global]\r\nDestDir=b\r\n"},
        {"", "Global", "DestDir", "b", "[Global]\r\nDestDir=b\r\n"},
    };
    CTempDir dir;
    const std::string file = dir / "t.ini";
    for (const auto& c : cases) {
        WriteFileBytes(file, c.before);
        EXPECT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, file)) << c.before;
        EXPECT_EQ(ReadFileBytes(file), c.after) << c.before;
    }
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"t.ini"});
}

TEST(PrivateProfile, CreatesAMissingFileAndReadsBackWhatItWrote) {
    CTempDir dir;
    const std::string file = dir / "new.ini";
    EXPECT_TRUE(WritePrivateProfileString("Global", "SourceDir", "/in", file));
    EXPECT_TRUE(WritePrivateProfileString("Global", "DestDir", "/out", file));
    EXPECT_TRUE(WritePrivateProfileString("Settings", "X", "10", file));
    EXPECT_EQ(ReadFileBytes(file), "[Global]\r\nSourceDir=/in\r\nDestDir=/out\r\n[Settings]\r\nX=10\r\n");
    EXPECT_EQ(Read(file, "global", "destdir"), "/out");
    EXPECT_FALSE(WritePrivateProfileString("Global", "DestDir", "/out", dir / "no-such-folder/new.ini"));
}

class PrivateProfileFailure : public ::testing::Test {
protected:
    void TearDown() override { ResetFileSystemSeam(); }
};

TEST_F(PrivateProfileFailure, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    CTempDir dir;
    const std::string file = dir / "Tarvolin.ini";
    const std::string old =
        "[Global]\r\nSourceDir=/keep/me\r\nDestDir=/old\r\n" + std::string(5000, ';') + "\r\n";
    WriteFileBytes(file, old);
    // The disk fills after part of the new file has gone out.
    int calls = 0;
    GetFileSystemSeam().write = [&calls](int fd, const void* data, std::size_t size) -> ssize_t {
        if (calls++ == 0) {
            return ::write(fd, data, size / 2);
        }
        errno = ENOSPC;
        return -1;
    };
    EXPECT_FALSE(WritePrivateProfileString("Global", "DestDir", "/new", file));
    EXPECT_GE(calls, 2);
    EXPECT_EQ(ReadFileBytes(file), old);
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"Tarvolin.ini"});
}

TEST_F(PrivateProfileFailure, AFileThatIsNoRegularFileIsNeverReplaced) {
    CTempDir dir;
    fs::create_directory(dir / "folder.ini");
    EXPECT_FALSE(WritePrivateProfileString("Global", "DestDir", "/new", dir / "folder.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));
    EXPECT_TRUE(fs::is_empty(dir / "folder.ini"));
}

TEST(PrivateProfile, WritesThroughASymbolicLinkAndKeepsThePermissionBits) {
    CTempDir dir;
    fs::create_directory(dir / "real");
    const std::string target = dir / "real/t.ini";
    WriteFileBytes(target, "[Global]\r\nDestDir=old\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/t.ini", dir / "link.ini");

    EXPECT_TRUE(WritePrivateProfileString("Global", "DestDir", "new", dir / "link.ini"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini"));
    EXPECT_EQ(fs::read_symlink(dir / "link.ini"), "real/t.ini");
    EXPECT_EQ(ReadFileBytes(target), "[Global]\r\nDestDir=new\r\n");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FileNamesIn(dir / "real"), std::vector<std::string>{"t.ini"});
}

} // namespace
