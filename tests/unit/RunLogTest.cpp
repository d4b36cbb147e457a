#include "support/RunLog.h"

#include "geometry/Matrix.h"
#include "res/Resource.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class RunLogTest : public ::testing::Test {
protected:
    void SetUp() override { theLog.ResetForTesting(); }
    void TearDown() override { theLog.ResetForTesting(); }

    std::string OpenAt(int level) {
        const std::string path = m_dir / "run.log";
        theLog.m_nLogLevel = level;
        EXPECT_TRUE(theLog.OpenLog(path));
        return path;
    }

    CTempDir m_dir;
};

TEST_F(RunLogTest, WritesOnlyRecordsUpToTheThreshold) {
    for (const int threshold : {0, 1, 2}) {
        theLog.ResetForTesting();
        const std::string path = OpenAt(threshold);
        std::filesystem::resize_file(path, 0);
        theLog.WriteLine(1, "main");
        theLog.WriteLine(2, "detail");
        theLog.WriteLine(-1, "always");
        theLog.Close();
        const char* expected[] = {"always\n", "main\nalways\n", "main\ndetail\nalways\n"};
        EXPECT_EQ(ReadFileBytes(path), Crlf(expected[threshold])) << threshold;
    }
}

TEST_F(RunLogTest, RecordsAreTextThenSuffixWithCrLf) {
    const std::string path = OpenAt(1);
    theLog.WriteLine(1, "", "");
    theLog.WriteLine(1, {}, "abc");
    theLog.WriteLine(1, "Opening new input file for ", "small_hat01");
    theLog.WriteLine(1, "\nStarting...");
    theLog.WriteLine(1, "two\nlines");
    theLog.WriteResourceLine(1, IDS_PROCESSING);
    theLog.WriteResourceLine(1, 9999);
    theLog.WriteResourceLine(1, 9999, "suffix only");
    EXPECT_EQ(ReadFileBytes(path), Crlf("abc\nOpening new input file for small_hat01\n\nStarting...\n"
                                        "two\nlines\nProcessing...\nsuffix only\n"));
}

TEST_F(RunLogTest, MatrixRecordsTakeFiveLines) {
    const std::string path = OpenAt(2);
    CMatrix scale(4, 4);
    for (int i = 0; i < 3; ++i) {
        scale.SetAt(i, i, 2.0);
    }
    scale.SetAt(3, 3, 1.0);
    scale.SetAt(1, 3, -0.0);
    theLog.WriteMatrix(2, "Setting scale matrix ", scale, "*");
    EXPECT_EQ(ReadFileBytes(path), Crlf("Setting scale matrix *\n"
                                        "( 2.0000000 , 0.0000000 , 0.0000000 , 0.0000000 )\n"
                                        "( 0.0000000 , 2.0000000 , 0.0000000 , 0.0000000 )\n"
                                        "( 0.0000000 , 0.0000000 , 2.0000000 , 0.0000000 )\n"
                                        "( 0.0000000 , -0.0000000 , 0.0000000 , 1.0000000 )\n"));
}

TEST_F(RunLogTest, AppendsToAnExistingLogAndUsesTheDefaultName) {
    const std::string path = m_dir / "Tarvolin.Log";
    WriteFileBytes(path, "old\r\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.Path());
    theLog.m_nLogLevel = 1;
    EXPECT_TRUE(theLog.OpenLog(""));
    theLog.WriteLine(1, "\nStarting...");
    theLog.Close();
    theLog.WriteLine(1, "after close");
    std::filesystem::current_path(previous);
    EXPECT_EQ(ReadFileBytes(path), Crlf("old\n\nStarting...\n"));
}

TEST_F(RunLogTest, OpeningInAnotherModeIsCorrectedAndReported) {
    const std::string path = OpenAt(1);
    theLog.WriteLine(1, "first");
    EXPECT_TRUE(theLog.Open(path, CFile::modeRead));
    theLog.WriteLine(1, "second");
    theLog.Close();
    EXPECT_EQ(ReadFileBytes(path), Crlf("first\nInternal Error 301: tried to open log in wrong mode. "
                                        "Overriding to correct mode.\nsecond\n"));
}

TEST_F(RunLogTest, AnUnopenableLogDropsRecordsSilently) {
    theLog.m_nLogLevel = 1;
    EXPECT_FALSE(theLog.OpenLog(m_dir / "missing/run.log"));
    EXPECT_FALSE(theLog.m_bOpen);
    theLog.WriteLine(1, "dropped");
}

// /dev/full accepts the open and fails every write with ENOSPC: a real failing disk.
TEST_F(RunLogTest, AFailedWriteSilencesTheLogForGood) {
    theLog.m_nLogLevel = 1;
    ASSERT_TRUE(theLog.OpenLog("/dev/full"));
    ASSERT_TRUE(theLog.m_bOpen);
    theLog.WriteLine(1, "lost");
    EXPECT_FALSE(theLog.m_bOpen);
    theLog.WriteLine(1, "also lost");
    const std::string path = m_dir / "later.log";
    EXPECT_FALSE(theLog.OpenLog(path));
    theLog.WriteLine(1, "still lost");
    theLog.Close();
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
