// Odd and hostile transformation files and names whose outcome is a message or a value: numbers at the
// edge of the syntax in group values, the largest table with every group selecting the file, patterns
// made of stars, and source names that are no UTF-8.
#include "support/RecordingBatch.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"
#include "transformfile/TransformTable.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override {
        theLog.ResetForTesting();
        fs::create_directory(m_dir.Path() / "in");
        fs::create_directory(m_dir.Path() / "out");
    }
    void TearDown() override {
        theLog.ResetForTesting();
        FreeTransformTable();
    }

    // Loads a transformation file of these group sections; returns the rejected count.
    int Load(int groups, const std::string& sections) {
        WriteFileBytes(m_dir / "t.ini",
                       "[Global]\r\nnTransforms=" + std::to_string(groups) + "\r\n" + sections);
        return LoadTransformationFile(m_batch, m_dir / "t.ini", LogOpening::Leave);
    }
    std::string Source(const std::string& name, const std::string& bytes) {
        WriteFileBytes(m_dir / ("in/" + name), bytes);
        return m_dir / ("in/" + name);
    }

    CTempDir m_dir;
    CRecordingBatch m_batch;
};

TEST_F(HostileInput, NumbersAtTheEdgeOfTheSyntaxInGroupValues) {
    const struct {
        const char* value;
        bool accepted;
        double x, y, z;
    } cases[] = {
        {"( 1e400 , 1 , 1 )", false, 0, 0, 0}, // rounds to infinity: no number
        {"( -1e400 , 1 , 1 )", false, 0, 0, 0},
        {"( -0 , .5 , 5. )", true, -0.0, 0.5, 5.0},
        {"( 1e , 1 , 1 )", false, 0, 0, 0}, // "e" without digits ends the number before the ","
        {"( 1e+ , 1 , 1 )", false, 0, 0, 0},
        {"( +3 , 1E1 , 2.5e-1 )", true, 3.0, 10.0, 0.25},
        {"( 1e-400 , 1 , 1 )", true, 0.0, 1.0, 1.0}, // underflow: the nearest double
        {"( 0x10 , 1 , 1 )", false, 0, 0, 0},        // no hexadecimal: 0, then "x" is no ","
        {"( inf , nan , 1 )", false, 0, 0, 0},
        {"(1,2,3", true, 1.0, 2.0, 3.0}, // nothing after the last number matters
        {"( 1 , 2 )", false, 0, 0, 0},
        {"( . , 1 , 1 )", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        m_batch.m_arrEvents.clear();
        const int rejected = Load(1, std::string("[s0]\r\nmatch=*\r\nscale=") + c.value + "\r\n");
        const CTransformGroup& group = g_pTransforms[0];
        if (c.accepted) {
            EXPECT_EQ(rejected, 0);
            EXPECT_EQ(m_batch.m_arrEvents, std::vector<std::string>{});
            EXPECT_EQ(group.GetScale(0), c.x);
            EXPECT_EQ(std::signbit(group.GetScale(0)), std::signbit(c.x));
            EXPECT_EQ(group.GetScale(1), c.y);
            EXPECT_EQ(group.GetScale(2), c.z);
            EXPECT_EQ(group.m_strMatch, "*");
        } else {
            EXPECT_EQ(rejected, 1);
            EXPECT_EQ(m_batch.m_arrEvents,
                      std::vector<std::string>{std::string("message Invalid parameter in section s0 = ") +
                                               c.value + ". Ignoring this transform group."});
            EXPECT_EQ(group.m_strMatch, "");
        }
    }
}

TEST_F(HostileInput, TheLargestTableWithEveryGroupSelectingTheFile) {
    std::string sections;
    for (int i = 0; i <= 1024; ++i) {
        sections += "[s" + std::to_string(i) + "]\r\nmatch=*\r\nsubstitute=*_" + std::to_string(i) + "\r\n";
    }
    ASSERT_EQ(Load(1500, sections), 0);
    ASSERT_EQ(g_nTransforms, 1024);
    m_batch.Run({Source("hat.mdl", "node hat\r\n")}, m_dir / "out");
    const std::vector<std::string> outputs = FileNamesIn(m_dir.Path() / "out");
    EXPECT_EQ(outputs.size(), 1024U);
    EXPECT_EQ(m_batch.m_lastRun.m_nOutputsWritten, 1024);
    EXPECT_EQ(m_batch.m_arrEvents.back(), "message Finished Processing!");
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/hat_1023.mdl"), "node hat_1023\r\n");
    // Section s1024 lies beyond the table and is never read.
    EXPECT_FALSE(fs::exists(m_dir.Path() / "out/hat_1024.mdl"));
}

TEST_F(HostileInput, PatternsMadeOfStarsMatchInPolynomialTime) {
    // A backtracking matcher that tried every way to split the name among the stars would not finish.
    std::string manyStarsNoMatch;
    for (int i = 0; i < 120; ++i) {
        manyStarsNoMatch += "*a";
    }
    manyStarsNoMatch += "*b";
    const std::string onlyStars(250, '*');
    ASSERT_EQ(Load(3, "[s0]\r\nmatch=" + manyStarsNoMatch + "\r\nsubstitute=*_x\r\n[s1]\r\nmatch=" +
                          onlyStars + "\r\nsubstitute=*_y\r\n[s2]\r\nmatch=" + std::string(120, '?') +
                          "*a\r\nsubstitute=" + onlyStars + "_z\r\n"),
              0);
    const std::string name(200, 'a');
    m_batch.Run({Source(name + ".mdl", "node " + name + "\r\n")}, m_dir / "out");
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"),
              (std::vector<std::string>{name + "_y.mdl", name + "_z.mdl"}));
}

TEST_F(HostileInput, SubstitutesThatNameFoldersNeverWriteOutsideTheDestination) {
    // '/' and '\\' are dropped from a substitute; "." and ".." remain, so an output named ".." with no
    // extension would be the destination's parent folder, and is refused like any folder.
    ASSERT_EQ(Load(4, "[s0]\r\nmatch=*\r\nsubstitute=../*\r\n[s1]\r\nmatch=*\r\nsubstitute=..\\..\\/x\r\n"
                      "[s2]\r\nmatch=*\r\nsubstitute=/../.\r\n[s3]\r\nmatch=*\r\nsubstitute=..\r\n"),
              0);
    m_batch.Run({Source("hat.mdl", "node hat\r\n"), Source("noext", "node noext\r\n")}, m_dir / "out");
    EXPECT_EQ(m_batch.m_arrEvents,
              (std::vector<std::string>{"Processing ..t.mdl", "Processing ....x.mdl", "Processing ....mdl",
                                        "Processing ...mdl", "Processing ..ext", "Processing ....x",
                                        "Processing ...", "message Error processing files.",
                                        "message Finished Processing!"}));
    EXPECT_EQ(
        FileNamesIn(m_dir.Path() / "out"),
        (std::vector<std::string>{"...", "....mdl", "....x", "....x.mdl", "...mdl", "..ext", "..t.mdl"}));
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/..t.mdl"), "node ..t\r\n");
    EXPECT_EQ(FileNamesIn(m_dir.Path()), (std::vector<std::string>{"in", "out", "t.ini"}));
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "in"), (std::vector<std::string>{"hat.mdl", "noext"}));
}

TEST_F(HostileInput, NamesThatAreNoUtf8KeepTheirBytes) {
    // Latin-1 "HÉLM" (É is 0xC9) and bytes that no UTF-8 text holds; only ASCII letters are lowercased.
    const std::string latin1 = "H\xc9LM";
    const std::string invalid = "\xff\xfe-X\x80";
    WriteFileBytes(m_dir / "t.ini", "[Global]\r\nnTransforms=1\r\n[s0]\r\nmatch=*\r\nsubstitute=*_b\r\n");
    ASSERT_EQ(LoadTransformationFile(m_batch, m_dir / "t.ini", LogOpening::Leave), 0);
    m_batch.Run({Source(latin1 + ".mdl", "node " + latin1 + "\r\nbitmap h\xc9lm\r\n"),
                 Source(invalid + ".MDL", "node " + invalid + "\r\n")},
                m_dir / "out");
    EXPECT_EQ(m_batch.m_arrEvents,
              (std::vector<std::string>{"Processing h\xc9lm_b.mdl", "Processing \xff\xfe-x\x80_b.MDL",
                                        "message Finished Processing!"}));
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/h\xc9lm_b.mdl"), "node h\xc9lm_b\r\nbitmap h\xc9lm_b\r\n");
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/\xff\xfe-x\x80_b.MDL"), "node \xff\xfe-x\x80_b\r\n");
}

} // namespace
