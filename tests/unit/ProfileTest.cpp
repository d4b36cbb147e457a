#include "transformfile/Profile.h"

#include "platform/ModulePath.h"
#include "support/TestFiles.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { SetModuleFileNameForTesting(m_dir / "Tarvolin"); }
    void TearDown() override {
        SetModuleFileNameForTesting("");
        CProfile::SetAppName("");
    }

    CTempDir m_dir;
};

TEST_F(ProfileTest, ResolvesPathsBesideTheExecutable) {
    EXPECT_EQ(GetDefaultProfilePath(), m_dir / "Tarvolin.ini");
    EXPECT_EQ(CProfile().GetFileName(), m_dir / "Tarvolin.ini");
    EXPECT_EQ(CProfile("").GetFileName(), m_dir / "Tarvolin.ini");
    EXPECT_EQ(CProfile("/models/t.ini").GetFileName(), "/models/t.ini");
    EXPECT_EQ(CProfile("t.ini").GetFileName(), m_dir / "t.ini");
    EXPECT_EQ(CProfile("sub/t.ini").GetFileName(), m_dir / "sub/t.ini");
    EXPECT_EQ(CProfile().GetSection(), "Tarvolin");
}

TEST_F(ProfileTest, TheCommandLineSharesTheWindowProgramsFile) {
    SetModuleFileNameForTesting(m_dir / "tarvolin-batch");
    EXPECT_EQ(CProfile().GetFileName(), m_dir / "tarvolin-batch.ini");
    CProfile::SetAppName("Tarvolin");
    EXPECT_EQ(CProfile().GetFileName(), m_dir / "Tarvolin.ini");
    EXPECT_EQ(CProfile("").GetSection(), "Tarvolin");
}

TEST_F(ProfileTest, ReadsStringsAndIntegers) {
    WriteFileBytes(m_dir / "Tarvolin.ini", Crlf("[s]\n"
                                                "empty=\n"
                                                "text=hello\n"
                                                "trailing=12abc\n"
                                                "negative=-3\n"
                                                "word=abc\n"
                                                "huge=99999999999\n"
                                                "long=" +
                                                std::string(300, 'x') + "\n"));
    CProfile profile;
    profile.SetSection("s");
    EXPECT_EQ(profile.GetString("missing"), "");
    EXPECT_EQ(profile.GetString("missing", "dflt"), "dflt");
    EXPECT_EQ(profile.GetString("empty", "dflt"), "");
    EXPECT_EQ(profile.GetString("text", "dflt"), "hello");
    EXPECT_EQ(profile.GetString("long"), std::string(255, 'x'));

    struct IntCase {
        const char* key;
        int expected;
    };
    const IntCase ints[] = {{"missing", 1},   {"empty", 0}, {"trailing", 12},
                            {"negative", -3}, {"word", 0},  {"huge", INT_MAX}};
    for (const auto& c : ints) {
        EXPECT_EQ(profile.GetInt(c.key, 1), c.expected) << c.key;
        int value = 77;
        profile.ExchangeInt(true, value, c.key, std::nullopt, 1);
        EXPECT_EQ(value, c.expected) << c.key;
    }
}

TEST_F(ProfileTest, AGivenSectionStaysCurrent) {
    WriteFileBytes(m_dir / "Tarvolin.ini", "[a]\r\nk=in a\r\n[b]\r\nk=in b\r\nn=5\r\n");
    CProfile profile;
    profile.SetSection("a");
    EXPECT_EQ(profile.GetString("k"), "in a");
    EXPECT_EQ(profile.GetString("k", "", "b"), "in b");
    EXPECT_EQ(profile.GetString("k"), "in b");
    EXPECT_EQ(profile.GetInt("n", 0, "a"), 0);
    EXPECT_EQ(profile.GetSection(), "a");
}

TEST_F(ProfileTest, WritesStringsAndIntegers) {
    CProfile profile("sub.ini");
    profile.WriteString("DestDir", "/out", "Global");
    profile.WriteInt("X", -12, "Settings");
    int y = 40;
    profile.ExchangeInt(false, y, "Y");
    EXPECT_EQ(ReadFileBytes(m_dir / "sub.ini"),
              "[Global]\r\nDestDir=/out\r\n[Settings]\r\nX=-12\r\nY=40\r\n");
}

} // namespace
