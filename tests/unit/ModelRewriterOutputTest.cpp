// Opening and completing outputs: what may never be overwritten, links, permissions, failed passes and
// sources that are not ASCII models.
#include "model/ModelRewriter.h"
#include "platform/FileSystemSeam.h"
#include "support/MessageRecorder.h"
#include "support/ModelTestSupport.h"
#include "support/RewriterTest.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"
#include "transformfile/TransformTable.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kSource = "node small_hat01\r\nverts 1\r\n1 2 3\r\nendnode\r\n";
const std::string kOutput = "node small_hat01\r\nverts 1\r\n1 2 3\r\nendnode\r\n";

class ModelRewriterOutput : public CRewriterTest {
protected:
    void SetUp() override {
        CRewriterTest::SetUp();
        WriteFileBytes(m_dir / "small_hat01.mdl", kSource);
    }
    void TearDown() override {
        CRewriterTest::TearDown();
        g_strLoadedTransformFile.clear();
        ResetFileSystemSeam();
    }

    // The names in folder, hidden ones included.
    static std::set<std::string> Names(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // Expects OpenOutput to refuse the output, with no message box and no output record.
    void ExpectRefused(const std::string& destDir, const CTransformGroup& group, const std::string& source) {
        const CMessageRecorder messages;
        CModelRewriter rewriter(source, destDir);
        try {
            rewriter.OpenOutput(group);
            ADD_FAILURE() << "opened " << rewriter.GetOutputPath();
        } catch (const CTextException& e) {
            EXPECT_EQ(e.GetText(), "Cannot open output file.");
        }
        EXPECT_TRUE(messages.Texts().empty());
        EXPECT_EQ(ReadFileBytes(theLog.GetFilePath()).find("Opening new output file"), std::string::npos);
    }

    std::string Source() const { return m_dir / "small_hat01.mdl"; }
};

TEST_F(ModelRewriterOutput, NeverWritesOverTheSourceTheLogOrTheTransformationFile) {
    WriteFileBytes(m_dir / "Tarvolin.ini", "[Global]\r\n");
    g_strLoadedTransformFile = m_dir / "Tarvolin.ini";
    ASSERT_EQ(::link(Source().c_str(), (m_dir / "out/hard.mdl").c_str()), 0);
    fs::create_symlink(Source(), m_dir / "out/soft.mdl");
    fs::create_symlink(m_dir / "run.log", m_dir / "out/log.mdl");
    fs::create_symlink(m_dir / "Tarvolin.ini", m_dir / "out/ini.mdl");
    fs::create_directory_symlink(m_dir.Path(), m_dir / "here");
    const std::pair<std::string, const char*> cases[] = {
        {m_dir.Path().string(), "*"}, // the source itself
        {m_dir / "here", "*"},        // the source through a linked folder
        {m_dir / "out", "hard"},      // a hard link to the source
        {m_dir / "out", "soft"},      // a symbolic link to the source
        {m_dir / "out", "log"},       // a link to the open run log
        {m_dir / "out", "ini"},       // a link to the loaded transformation file
    };
    for (const auto& [dest, substitute] : cases) {
        SCOPED_TRACE(dest + " " + substitute);
        ExpectRefused(dest, MakeDefaultGroup("*", substitute), Source());
    }
    // The log and the transformation file named directly, as a source next to them would.
    WriteFileBytes(m_dir / "run.mdl", kSource);
    theLog.Close();
    theLog.ResetForTesting();
    ASSERT_TRUE(theLog.OpenLog(m_dir / "run.log.mdl"));
    ExpectRefused(m_dir.Path().string(), MakeDefaultGroup("*", "*.log"), m_dir / "run.mdl");
    WriteFileBytes(m_dir / "tarvolin.mdl", kSource);
    g_strLoadedTransformFile = m_dir / "tarvolin.ini.mdl";
    WriteFileBytes(g_strLoadedTransformFile, "[Global]\r\n");
    ExpectRefused(m_dir.Path().string(), MakeDefaultGroup("*", "*.ini"), m_dir / "tarvolin.mdl");

    EXPECT_EQ(ReadFileBytes(Source()), kSource);
    EXPECT_EQ(ReadFileBytes(m_dir / "Tarvolin.ini"), "[Global]\r\n");
    EXPECT_EQ(Names(m_dir / "out"), (std::set<std::string>{"hard.mdl", "ini.mdl", "log.mdl", "soft.mdl"}));
}

TEST_F(ModelRewriterOutput, RefusesOutputsThatCannotBeWritten) {
    fs::create_directory(m_dir / "out/folder.mdl");
    WriteFileBytes(m_dir / "plain", "");
    const std::pair<std::string, std::string> cases[] = {
        {m_dir / "out", "folder"},              // an existing folder
        {m_dir / "missing", "*"},               // no such destination
        {m_dir / "plain", "*"},                 // a file used as a folder
        {m_dir / "out", std::string(300, 'n')}, // a name too long to examine
    };
    for (const auto& [dest, substitute] : cases) {
        SCOPED_TRACE(dest + " " + substitute);
        ExpectRefused(dest, MakeDefaultGroup("*", substitute), Source());
    }
    EXPECT_EQ(Names(m_dir / "out"), std::set<std::string>{"folder.mdl"});
}

TEST_F(ModelRewriterOutput, RefusesAFileTheUserMayNotWrite) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write any file";
    }
    WriteFileBytes(m_dir / "out/small_hat01.mdl", "read only\r\n");
    fs::permissions(m_dir / "out/small_hat01.mdl", fs::perms::owner_read);
    ExpectRefused(m_dir / "out", MakeDefaultGroup("*"), Source());
    fs::permissions(m_dir / "out", fs::perms::owner_read | fs::perms::owner_exec);
    ExpectRefused(m_dir / "out", MakeDefaultGroup("*", "new"), Source());
    EXPECT_EQ(ReadFileBytes(m_dir / "out/small_hat01.mdl"), "read only\r\n");
}

TEST_F(ModelRewriterOutput, ReplacesASymbolicLinkItselfAndKeepsPermissionBits) {
    WriteFileBytes(m_dir / "elsewhere.mdl", "target\r\n");
    fs::create_symlink(m_dir / "elsewhere.mdl", m_dir / "out/link.mdl");
    fs::create_symlink(m_dir / "nowhere.mdl", m_dir / "out/dangling.mdl");
    WriteFileBytes(m_dir / "out/kept.mdl", "older\r\n");
    ASSERT_EQ(::chmod((m_dir / "out/kept.mdl").c_str(), 0640), 0);
    const mode_t mask = ::umask(022);
    for (const char* substitute : {"link", "dangling", "kept", "new"}) {
        CModelRewriter rewriter(Source(), m_dir / "out");
        ASSERT_TRUE(RewriteWith(rewriter, MakeDefaultGroup("*", substitute))) << substitute;
    }
    ::umask(mask);
    for (const char* name : {"link.mdl", "dangling.mdl", "kept.mdl", "new.mdl"}) {
        SCOPED_TRACE(name);
        const fs::path path = m_dir.Path() / "out" / name;
        EXPECT_FALSE(fs::is_symlink(path));
        const std::string stem = fs::path(name).stem().string();
        EXPECT_EQ(ReadFileBytes(path), "node " + stem + "\r\nverts 1\r\n1 2 3\r\nendnode\r\n");
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, std::string_view(name) == "kept.mdl" ? 0640u : 0644u);
    }
    EXPECT_EQ(ReadFileBytes(m_dir / "elsewhere.mdl"), "target\r\n");
    EXPECT_FALSE(fs::exists(m_dir / "nowhere.mdl"));
    EXPECT_EQ(Names(m_dir / "out"),
              (std::set<std::string>{"dangling.mdl", "kept.mdl", "link.mdl", "new.mdl"}));
}

TEST_F(ModelRewriterOutput, ANameThatDiffersOnlyInCaseIsANewSibling) {
    fs::rename(Source(), m_dir / "Small_Hat01.mdl");
    CModelRewriter rewriter(m_dir / "Small_Hat01.mdl", m_dir.Path().string());
    ASSERT_TRUE(RewriteWith(rewriter, MakeDefaultGroup("*")));
    EXPECT_EQ(ReadFileBytes(m_dir / "Small_Hat01.mdl"), kSource);
    EXPECT_EQ(ReadFileBytes(m_dir / "small_hat01.mdl"), kOutput);
}

TEST_F(ModelRewriterOutput, AFailedWriteLeavesTheOlderOutputAndNoTemporaryFile) {
    WriteFileBytes(m_dir / "out/small_hat01.mdl", "older\r\n");
    for (const char* substitute : {"*", "fresh"}) {
        SCOPED_TRACE(substitute);
        CModelRewriter rewriter(Source(), m_dir / "out");
        ASSERT_TRUE(rewriter.OpenOutput(MakeDefaultGroup("*", substitute)));
        // Only the output's disk is full; the log goes on.
        GetFileSystemSeam().write = [logFd = theLog.GetHandle()](int fd, const void* data,
                                                                 std::size_t size) -> ssize_t {
            if (fd == logFd) {
                return ::write(fd, data, size);
            }
            errno = ENOSPC;
            return -1;
        };
        EXPECT_THROW(rewriter.ProcessFile(MakeDefaultGroup("*", substitute)), CFileException);
        ResetFileSystemSeam();
    }
    EXPECT_EQ(ReadFileBytes(m_dir / "out/small_hat01.mdl"), "older\r\n");
    EXPECT_EQ(Names(m_dir / "out"), std::set<std::string>{"small_hat01.mdl"});
}

TEST_F(ModelRewriterOutput, AFailedRenameIsAWriteError) {
    CModelRewriter rewriter(Source(), m_dir / "out");
    ASSERT_TRUE(rewriter.OpenOutput(MakeDefaultGroup("*")));
    // Something else takes the name while the pass runs.
    fs::create_directory(m_dir / "out/small_hat01.mdl");
    WriteFileBytes(m_dir / "out/small_hat01.mdl/inside", "");
    EXPECT_THROW(rewriter.ProcessFile(MakeDefaultGroup("*")), CFileException);
    EXPECT_TRUE(fs::is_directory(m_dir / "out/small_hat01.mdl"));
    EXPECT_EQ(Names(m_dir / "out"), std::set<std::string>{"small_hat01.mdl"});
}

TEST_F(ModelRewriterOutput, TheLastOfSeveralGroupsWithOneOutputPathRemains) {
    CTransformGroup scaled = MakeDefaultGroup("*");
    {
        const CQuietLog quiet;
        scaled.SetScale(2, 2, 2);
    }
    CModelRewriter rewriter(Source(), m_dir / "out");
    ASSERT_TRUE(RewriteWith(rewriter, scaled));
    ASSERT_TRUE(RewriteWith(rewriter, MakeDefaultGroup("*")));
    EXPECT_EQ(ReadFileBytes(m_dir / "out/small_hat01.mdl"), kOutput);
    EXPECT_EQ(Names(m_dir / "out"), std::set<std::string>{"small_hat01.mdl"});
}

TEST_F(ModelRewriterOutput, RefusesABinarySourceOnlyWhenAGroupSelectsIt) {
    std::string binary(5000, 'a');
    binary[4095] = '\0';
    WriteFileBytes(m_dir / "small_hat01.mdl", binary);
    const CMessageRecorder messages;
    CModelRewriter rewriter(Source(), m_dir / "out");
    EXPECT_FALSE(rewriter.OpenOutput(MakeDefaultGroup("big_*")));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_THROW(rewriter.OpenOutput(MakeDefaultGroup("*")), CTextException);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Invalid model file (small_hat01) - not an ASCII model file."});
    EXPECT_TRUE(fs::is_empty(m_dir / "out"));
    EXPECT_EQ(ReadFileBytes(m_dir / "run.log"), "Opening new input file for small_hat01\r\n");

    // A NUL after the first 4,096 bytes is just another byte of a line.
    binary[4095] = 'a';
    binary[4096] = '\0';
    WriteFileBytes(m_dir / "late.mdl", binary);
    CModelRewriter late(m_dir / "late.mdl", m_dir / "out");
    EXPECT_TRUE(RewriteWith(late, MakeDefaultGroup("*")));
    EXPECT_EQ(ReadFileBytes(m_dir / "out/late.mdl"), binary + "\r\n");
}

} // namespace
