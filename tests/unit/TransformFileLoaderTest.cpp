#include "transformfile/TransformFileLoader.h"

#include "platform/ModulePath.h"
#include "support/MessageRecorder.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"
#include "transformfile/TransformTable.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

class CRecordingTarget : public ITransformFileTarget {
public:
    void SetSourceDir(const std::string& dir) override { m_strSourceDir = dir; }
    void SetDestDir(const std::string& dir) override { m_strDestDir = dir; }
    void ResetSelection() override { ++m_nResets; }

    std::string m_strSourceDir = "<unset>";
    std::string m_strDestDir = "<unset>";
    int m_nResets = 0;
};

std::string Rejection(const std::string& section, const std::string& value) {
    return "Invalid parameter in section " + section + " = " + value + ". Ignoring this transform group.";
}

class TransformFileLoaderTest : public ::testing::Test {
protected:
    // The run log's default name is relative to the current folder, so that is the scratch folder too.
    void SetUp() override {
        m_previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(m_dir.Path());
        SetModuleFileNameForTesting(m_dir / "Tarvolin");
        theLog.ResetForTesting();
        FreeTransformTable();
    }
    void TearDown() override {
        theLog.ResetForTesting();
        FreeTransformTable();
        SetModuleFileNameForTesting("");
        std::filesystem::current_path(m_previousFolder);
    }

    // Writes the file (as LF text, stored with CR LF) and loads it by its full path.
    int Load(const std::string& name, std::string_view text) {
        WriteFileBytes(m_dir / name, Crlf(text));
        return LoadTransformationFile(m_target, m_dir / name);
    }

    const CTransformGroup& Group(int i) const { return g_pTransforms[static_cast<std::size_t>(i)]; }

    CTempDir m_dir;
    std::filesystem::path m_previousFolder;
    CRecordingTarget m_target;
    CMessageRecorder m_messages;
};

TEST_F(TransformFileLoaderTest, LoadsTheExampleFile) {
    WriteFileBytes(m_dir / "Tarvolin.ini", Crlf("[Global]\n"
                                                "SourceDir=C:\\Models\\In\n"
                                                "DestDir=C:\\Models\\Out\n"
                                                "nTransforms=3\n"
                                                "LogFileName=" +
                                                (m_dir / "run.log") +
                                                "\n"
                                                "LogLevel=2\n"
                                                "\n"
                                                "[s0]\n"
                                                "match=small_*\n"
                                                "substitute=large*\n"
                                                "scale=(1.0, 1.0, 1.25)\n"
                                                "minimum=( -999.0 , -999.0 , 0.5 )\n"
                                                "\n"
                                                "[s1]\n"
                                                "match=*helm*\n"
                                                "trotate=( 90 )\n"
                                                "tbitmap=Helm_Gold\n"
                                                "\n"
                                                "[s2]\n"
                                                "match=*\n"
                                                "scale=( 2 , 2 , 2 )\n"
                                                "rotate=( 0 , 90 )\n"));
    EXPECT_EQ(LoadTransformationFile(m_target, ""), 1);

    EXPECT_EQ(m_target.m_strSourceDir, "C:\\Models\\In");
    EXPECT_EQ(m_target.m_strDestDir, "C:\\Models\\Out");
    EXPECT_EQ(m_target.m_nResets, 1);
    EXPECT_EQ(g_strLoadedTransformFile, m_dir / "Tarvolin.ini");
    EXPECT_TRUE(theLog.m_bOpen);
    EXPECT_EQ(theLog.m_nLogLevel, 2);
    theLog.Close();
    const std::string log = ReadFileBytes(m_dir / "run.log");
    EXPECT_TRUE(log.starts_with(Crlf("\nStarting...\nSetting scale matrix small_*\n"
                                     "( 1.0000000 , 0.0000000 , 0.0000000 , 0.0000000 )\n")))
        << log;

    ASSERT_EQ(g_nTransforms, 3);
    const CTransformGroup& s0 = Group(0);
    EXPECT_EQ(s0.m_strMatch, "small_*");
    EXPECT_EQ(s0.m_strSubstitute, "large*");
    EXPECT_EQ(s0.GetScale(2), 1.25);
    EXPECT_TRUE(s0.IsInRange(999.0, 999.0, 0.5));
    EXPECT_FALSE(s0.IsInRange(0.0, 0.0, 0.49));
    EXPECT_FALSE(s0.m_bHasTBitmap);
    EXPECT_TRUE(s0.m_bPositionUnset);

    const CTransformGroup& s1 = Group(1);
    EXPECT_EQ(s1.m_strMatch, "*helm*");
    EXPECT_EQ(s1.m_strSubstitute, "*");
    EXPECT_EQ(s1.GetTRotate(0), 0.0);
    EXPECT_EQ(s1.GetTRotate(2), 90.0);
    EXPECT_TRUE(s1.m_bHasTBitmap);
    EXPECT_EQ(s1.m_strTBitmap, "helm_gold");

    const CTransformGroup& s2 = Group(2);
    EXPECT_EQ(s2.m_strMatch, "");
    EXPECT_EQ(s2.m_strSubstitute, "*");
    EXPECT_EQ(s2.GetScale(0), 2.0);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{Rejection("s2", "( 0 , 90 )")});
    EXPECT_EQ(m_messages.Messages()[0].type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(TransformFileLoaderTest, ParsesNumberValuesWithTheirPatterns) {
    using Getter = std::function<double(const CTransformGroup&, int)>;
    const Getter scale = [](const CTransformGroup& g, int i) { return g.GetScale(i); };
    const Getter tscale = [](const CTransformGroup& g, int i) { return g.GetTScale(i); };
    const Getter trotate = [](const CTransformGroup& g, int i) { return g.GetTRotate(i); };
    const Getter position = [](const CTransformGroup& g, int i) { return g.GetPosition(i); };
    // A rejected value is shown as read: unquoted, blanks around it gone.
    struct Case {
        const char* key;
        const char* value;
        bool accepted;
        Getter get;
        std::vector<double> expected;
        const char* shown = nullptr;
    };
    const Case cases[] = {
        {"scale", "(1,1,1.5)", true, scale, {1, 1, 1.5}},
        {"scale", "( 1.5 , 2 , 3 )", true, scale, {1.5, 2, 3}},
        {"scale", "(\t2,  -3 ,+4 ) trailing text", true, scale, {2, -3, 4}},
        {"scale", "( 1 , 2 , 3 , 4 )", true, scale, {1, 2, 3}},
        {"scale", "(1e2,-2.5E-1,.5", true, scale, {100, -0.25, 0.5}},
        {"scale", "'(2,3,4)'", true, scale, {2, 3, 4}},
        {"scale", "( 1 1 1.5 )", false, scale, {}},
        {"scale", "1 , 1 , 1.5", false, scale, {}},
        {"scale", "( 1 , 1 )", false, scale, {}},
        {"scale", "", false, scale, {}},
        {"scale", "\" (1,1,1)\"", false, scale, {}, " (1,1,1)"},
        {"scale", "( 1 , 1 , 1e999 )", false, scale, {}},
        {"tscale", "( 2 , 3 )", true, tscale, {2, 3}},
        {"tscale", "( 2 )", false, tscale, {}},
        {"trotate", "( 30 , 5 )", true, trotate, {0, 0, 30}},
        {"trotate", "()", false, trotate, {}},
        {"position", "( 1 , 2 , 3 )", true, position, {1, 2, 3}},
        {"position", "( 1 , 2 )", false, position, {}},
    };
    for (const auto& c : cases) {
        CMessageRecorder messages;
        const std::string text =
            "[Global]\nnTransforms=1\n[s0]\nmatch=*\n" + std::string(c.key) + "=" + c.value + "\n";
        EXPECT_EQ(Load("t.ini", text), c.accepted ? 0 : 1) << c.key << "=" << c.value;
        ASSERT_EQ(g_nTransforms, 1);
        if (c.accepted) {
            EXPECT_TRUE(messages.Texts().empty()) << c.value;
            EXPECT_EQ(Group(0).m_strMatch, "*");
            for (std::size_t i = 0; i < c.expected.size(); ++i) {
                EXPECT_EQ(c.get(Group(0), static_cast<int>(i)), c.expected[i])
                    << c.key << "=" << c.value << " [" << i << "]";
            }
        } else {
            EXPECT_EQ(messages.Texts(),
                      std::vector<std::string>{Rejection("s0", c.shown ? c.shown : c.value)});
            EXPECT_EQ(Group(0).m_strMatch, "");
        }
    }
}

TEST_F(TransformFileLoaderTest, PassesTwoNumberBoxCornersWithAZeroThirdComponent) {
    EXPECT_EQ(
        Load("t.ini", "[Global]\nnTransforms=1\n[s0]\ntminimum=( 0.1 , 0.2 , 0.3 )\ntmaximum=(0.5,0.5)\n"),
        0);
    EXPECT_TRUE(Group(0).IsInTRange(0.1, 0.2, 0.0));
    EXPECT_FALSE(Group(0).IsInTRange(0.1, 0.2, 0.3));
    EXPECT_FALSE(Group(0).IsInTRange(0.09, 0.2, 0.0));
}

TEST_F(TransformFileLoaderTest, ARejectedGroupShowsOneMessageAndTheNextGroupLoads) {
    EXPECT_EQ(Load("t.ini", "[Global]\n"
                            "nTransforms=3\n"
                            "[s0]\n"
                            "match=small_*\n"
                            "substitute=Big*\n"
                            "scale=( 2 2 2 )\n"
                            "[s1]\n"
                            "match=SMALL_*\n"
                            "tbitmap=\n"
                            "[s2]\n"
                            "match=x\n"
                            "translate=(1,2,3)\n"
                            "rotate=( 1 )\n"
                            "position=bad\n"),
              2);
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{Rejection("s0", "( 2 2 2 )"), Rejection("s2", "( 1 )")}));
    EXPECT_EQ(Group(0).m_strMatch, "");
    EXPECT_EQ(Group(0).m_strSubstitute, "big*");
    EXPECT_EQ(Group(1).m_strMatch, "small_*");
    EXPECT_FALSE(Group(1).m_bHasTBitmap);
    // Keys after the bad one are never read: translate comes after rotate.
    EXPECT_EQ(Group(2).GetTranslate(0), 0.0);
    EXPECT_TRUE(Group(2).m_bPositionUnset);
}

TEST_F(TransformFileLoaderTest, LimitsTheNumberOfGroups) {
    struct Case {
        const char* count;
        int groups;
    };
    const Case cases[] = {{"2", 2}, {"0", 0}, {"-5", 0}, {"abc", 0}, {"", 0}, {"1024", 1024}};
    for (const auto& c : cases) {
        Load("t.ini", "[Global]\nnTransforms=" + std::string(c.count) + "\n[s0]\nmatch=only*\n");
        EXPECT_EQ(g_nTransforms, c.groups) << c.count;
        EXPECT_EQ(g_pTransforms != nullptr, c.groups > 0) << c.count;
        if (c.groups > 1) {
            // Sections that are missing read all defaults: they apply to no model file.
            EXPECT_EQ(Group(0).m_strMatch, "only*");
            EXPECT_EQ(Group(1).m_strMatch, "");
            EXPECT_EQ(Group(1).m_strSubstitute, "*");
        }
    }
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(TransformFileLoaderTest, ClampsTooManyGroupsWithALogRecord) {
    Load("t.ini", "[Global]\nnTransforms=1500\nLogFileName=" + (m_dir / "run.log") +
                      "\n[s1023]\nmatch=last\n[s1024]\nmatch=never read\n");
    ASSERT_EQ(g_nTransforms, 1024);
    EXPECT_EQ(Group(1023).m_strMatch, "last");
    theLog.Close();
    EXPECT_EQ(ReadFileBytes(m_dir / "run.log"),
              Crlf("\nStarting...\n\nSetting max transforms at MAXTEMPLATES...\n"));
}

TEST_F(TransformFileLoaderTest, ALaterLoadReplacesTheTableAndFoldersButKeepsTheLog) {
    Load("first.ini", "[Global]\nSourceDir=/in\nDestDir=/out\nnTransforms=5\nLogFileName=" +
                          (m_dir / "first.log") + "\nLogLevel=0\n");
    EXPECT_EQ(g_nTransforms, 5);
    EXPECT_EQ(theLog.m_nLogLevel, 0);

    theLog.m_nLogLevel = 1;
    Load("second.ini", "[Global]\nnTransforms=2\nLogFileName=" + (m_dir / "second.log") + "\nLogLevel=2\n");
    EXPECT_EQ(g_nTransforms, 2);
    EXPECT_EQ(m_target.m_strSourceDir, "");
    EXPECT_EQ(m_target.m_strDestDir, "");
    EXPECT_EQ(m_target.m_nResets, 2);
    EXPECT_EQ(g_strLoadedTransformFile, m_dir / "second.ini");
    EXPECT_EQ(theLog.m_nLogLevel, 1);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "second.log"));
    theLog.WriteLine(1, "after");
    theLog.Close();
    EXPECT_EQ(ReadFileBytes(m_dir / "first.log"), "after\r\n");
}

TEST_F(TransformFileLoaderTest, ALogThatFailsToOpenIsTriedAgainByTheNextLoad) {
    Load("first.ini", "[Global]\nLogFileName=" + (m_dir / "no-such-folder/run.log") + "\nLogLevel=2\n");
    EXPECT_FALSE(theLog.m_bOpen);
    EXPECT_EQ(theLog.m_nLogLevel, 2);
    Load("second.ini", "[Global]\nLogFileName=" + (m_dir / "run.log") + "\n");
    EXPECT_TRUE(theLog.m_bOpen);
    EXPECT_EQ(theLog.m_nLogLevel, 1);
    theLog.Close();
    EXPECT_EQ(ReadFileBytes(m_dir / "run.log"), "\r\nStarting...\r\n");
}

TEST_F(TransformFileLoaderTest, AMissingFileReadsAsDefaults) {
    m_target.m_strSourceDir = m_target.m_strDestDir = "old";
    EXPECT_EQ(LoadTransformationFile(m_target, ""), 0);

    EXPECT_EQ(m_target.m_strSourceDir, "");
    EXPECT_EQ(m_target.m_strDestDir, "");
    EXPECT_EQ(m_target.m_nResets, 1);
    EXPECT_EQ(g_nTransforms, 0);
    EXPECT_EQ(theLog.m_nLogLevel, 1);
    theLog.Close();
    EXPECT_EQ(ReadFileBytes(m_dir / "Tarvolin.Log"), "\r\nStarting...\r\n");
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(TransformFileLoaderTest, ARelativePathIsTakenBesideTheExecutable) {
    std::filesystem::create_directory(m_dir / "sub");
    WriteFileBytes(m_dir / "sub/t.ini", "[Global]\r\nDestDir=/from/sub\r\n");
    LoadTransformationFile(m_target, "sub/t.ini");
    EXPECT_EQ(m_target.m_strDestDir, "/from/sub");
    EXPECT_EQ(g_strLoadedTransformFile, m_dir / "sub/t.ini");
}

TEST_F(TransformFileLoaderTest, WritesTheRememberedFoldersIntoTheDefaultFile) {
    const std::string defaultFile = m_dir / "Tarvolin.ini";
    WriteFileBytes(defaultFile, "[Global]\r\nSourceDir=/old/in\r\nDestDir=/old/out\r\nnTransforms=1\r\n");
    Load("other.ini", "[Global]\nDestDir=/other\n");

    WriteRememberedFolders("", "");
    EXPECT_EQ(ReadFileBytes(defaultFile), "[Global]\r\nSourceDir=/old/in\r\nDestDir=\r\nnTransforms=1\r\n");
    WriteRememberedFolders("/new/in", "/new/out");
    EXPECT_EQ(ReadFileBytes(defaultFile),
              "[Global]\r\nSourceDir=/new/in\r\nDestDir=/new/out\r\nnTransforms=1\r\n");
    EXPECT_EQ(ReadFileBytes(m_dir / "other.ini"), "[Global]\r\nDestDir=/other\r\n");
}

} // namespace
