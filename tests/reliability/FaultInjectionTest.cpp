// The batch run under failing conditions: a destination that takes no file, a disk that fills up while
// an output, the run log or the transformation file is written, a source that vanishes or shrinks
// between two groups. In every case no source changes, no partial output appears under an output's
// name, an older output stays whole, the user is told, and the run goes on with the next file.
#include "FailingWrites.h"
#include "platform/ModulePath.h"
#include "support/ModelTestSupport.h"
#include "support/RecordingBatch.h"
#include "support/TestFiles.h"
#include "transformfile/TransformTable.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string Model(const std::string& name) {
    return "node " + name + "\r\n  verts 2\r\n    1 2 3\r\n    4 5 6\r\nendnode\r\n";
}

std::string Rewritten(const std::string& name) {
    return "node " + name +
           "\r\n  verts 2\r\n    2.0000000 4.0000000 6.0000000\r\n"
           "    8.0000000 10.0000000 12.0000000\r\nendnode\r\n";
}

class FaultInjection : public ::testing::Test {
protected:
    void SetUp() override {
        theLog.ResetForTesting();
        fs::create_directory(m_dir.Path() / "in");
        fs::create_directory(m_dir.Path() / "out");
        // Two groups that scale by 2 and name their outputs NAME_a and NAME_b.
        g_nTransforms = 2;
        g_pTransforms = std::make_unique<CTransformGroup[]>(2);
        const CQuietLog quiet;
        for (int i = 0; i < 2; ++i) {
            g_pTransforms[static_cast<std::size_t>(i)] = MakeDefaultGroup("*", i == 0 ? "*_a" : "*_b");
            g_pTransforms[static_cast<std::size_t>(i)].SetScale(2, 2, 2);
        }
    }
    void TearDown() override {
        theLog.ResetForTesting();
        FreeTransformTable();
        SetModuleFileNameForTesting("");
    }

    // Source files in in/, named NAME.mdl, in this order.
    std::vector<std::string> Sources(const std::vector<std::string>& names) {
        std::vector<std::string> paths;
        for (const auto& name : names) {
            paths.push_back(m_dir / ("in/" + name + ".mdl"));
            WriteFileBytes(paths.back(), Model(name));
        }
        return paths;
    }
    void ExpectSourcesUnchanged(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            EXPECT_EQ(ReadFileBytes(m_dir.Path() / "in" / (name + ".mdl")), Model(name)) << name;
        }
    }
    std::string Out(const std::string& name) const { return ReadFileBytes(m_dir.Path() / "out" / name); }

    CTempDir m_dir;
    CRecordingBatch m_batch;
};

TEST_F(FaultInjection, ADestinationThatTakesNoFileFailsEachSourceAndTheRunGoesOn) {
    WriteFileBytes(m_dir / "plain", "a file, not a folder");
    const struct {
        const char* what;
        std::string dest;
    } cases[] = {
        {"missing", m_dir / "out/missing"},
        {"a regular file", m_dir / "plain"},
        {"a path through a regular file", m_dir / "plain/sub"},
        // A folder that refuses new files even to root.
        {"not writable", "/proc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CRecordingBatch batch;
        batch.Run(Sources({"hat", "helm"}), c.dest);
        EXPECT_EQ(batch.m_arrEvents, (std::vector<std::string>{"message Error processing files.",
                                                               "message Error processing files.",
                                                               "message Finished Processing!"}));
        EXPECT_EQ(batch.m_lastRun.m_arrFailedFiles.size(), 2U);
        ExpectSourcesUnchanged({"hat", "helm"});
        EXPECT_EQ(FileNamesIn(m_dir.Path()), (std::vector<std::string>{"in", "out", "plain"}));
        EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"), std::vector<std::string>{});
        EXPECT_EQ(ReadFileBytes(m_dir.Path() / "plain"), "a file, not a folder");
    }
}

TEST_F(FaultInjection, ASourceThatIsNoRegularFileFailsAloneWithoutWaiting) {
    fs::create_directory(m_dir.Path() / "in/folder.mdl");
    ASSERT_EQ(::mkfifo((m_dir / "in/pipe.mdl").c_str(), 0666), 0);
    const std::vector<std::string> odd = {m_dir / "in/folder.mdl", m_dir / "in/pipe.mdl", "/dev/zero",
                                          m_dir / "in/missing.mdl"};
    std::vector<std::string> sources = odd;
    sources.push_back(Sources({"hat"})[0]);
    m_batch.Run(sources, m_dir / "out");
    std::vector<std::string> expected(odd.size(), "message Error processing files.");
    expected.insert(expected.end(),
                    {"Processing hat_a.mdl", "Processing hat_b.mdl", "message Finished Processing!"});
    EXPECT_EQ(m_batch.m_arrEvents, expected);
    EXPECT_EQ(m_batch.m_lastRun.m_arrFailedFiles, odd);
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"), (std::vector<std::string>{"hat_a.mdl", "hat_b.mdl"}));
}

TEST_F(FaultInjection, AFullDiskDuringAnOutputKeepsTheOlderOutputAndTheRunGoesOn) {
    WriteFileBytes(m_dir / "out/hat_a.mdl", "older output\r\n");
    // The disk fills 10 bytes into the first output and has room again by the next source file.
    std::optional<CFailingWrites> fullDisk(std::in_place, 10);
    m_batch.m_onProcessing = [&fullDisk](const std::string& text) {
        if (text == "Processing helm_a.mdl") {
            fullDisk.reset();
        }
    };
    m_batch.Run(Sources({"hat", "helm"}), m_dir / "out");
    EXPECT_EQ(m_batch.m_arrEvents,
              (std::vector<std::string>{"Processing hat_a.mdl", "message Error processing files.",
                                        "Processing helm_a.mdl", "Processing helm_b.mdl",
                                        "message Finished Processing!"}));
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"),
              (std::vector<std::string>{"hat_a.mdl", "helm_a.mdl", "helm_b.mdl"}));
    EXPECT_EQ(Out("hat_a.mdl"), "older output\r\n");
    EXPECT_EQ(Out("helm_a.mdl"), Rewritten("helm_a"));
    EXPECT_EQ(Out("helm_b.mdl"), Rewritten("helm_b"));
    ExpectSourcesUnchanged({"hat", "helm"});
}

TEST_F(FaultInjection, AFullDiskUnderTheRunLogSilencesTheLogButNotTheRun) {
    theLog.m_nLogLevel = 2;
    ASSERT_TRUE(theLog.OpenLog(m_dir / "run.log"));
    const CFailingWrites fullDisk(30, [](int fd) { return fd == theLog.GetHandle(); });
    m_batch.Run(Sources({"hat", "helm"}), m_dir / "out");
    EXPECT_GT(fullDisk.Failures(), 0);
    EXPECT_EQ(m_batch.m_arrEvents, (std::vector<std::string>{"Processing hat_a.mdl", "Processing hat_b.mdl",
                                                             "Processing helm_a.mdl", "Processing helm_b.mdl",
                                                             "message Finished Processing!"}));
    for (const char* name : {"hat_a", "hat_b", "helm_a", "helm_b"}) {
        EXPECT_EQ(Out(std::string(name) + ".mdl"), Rewritten(name));
    }
    // What fitted stays; nothing is written after the first failure.
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "run.log"), Crlf("Processing...\n") + "Opening new inp");
    EXPECT_FALSE(theLog.m_bOpen);
}

TEST_F(FaultInjection, TheTransformationFileSurvivesAFailedSaveAtExit) {
    SetModuleFileNameForTesting(m_dir / "Tarvolin");
    const std::string original = Crlf("[Global]\nSourceDir=/models/in\nDestDir=/models/out\nnTransforms=0\n");
    WriteFileBytes(m_dir / "Tarvolin.ini", original);
    m_batch.m_strSourceDir = "/elsewhere/in";
    m_batch.m_strDestDir = "/elsewhere/out";
    {
        const CFailingWrites fullDisk(12);
        m_batch.CloseDown(CTarvolinCore::FolderMemory::Write);
        EXPECT_GT(fullDisk.Failures(), 0);
    }
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "Tarvolin.ini"), original);
    EXPECT_EQ(FileNamesIn(m_dir.Path()), (std::vector<std::string>{"Tarvolin.ini", "in", "out"}));

    m_batch.m_strSourceDir = "/elsewhere/in";
    m_batch.m_strDestDir = "/elsewhere/out";
    m_batch.CloseDown(CTarvolinCore::FolderMemory::Write);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "Tarvolin.ini"),
              Crlf("[Global]\nSourceDir=/elsewhere/in\nDestDir=/elsewhere/out\nnTransforms=0\n"));
}

TEST_F(FaultInjection, ASourceRemovedBetweenGroupsIsStillReadWholeAndALaterOneFailsAlone) {
    const std::vector<std::string> sources = Sources({"hat", "helm", "crate"});
    m_batch.m_onProcessing = [&sources](const std::string& text) {
        if (text == "Processing hat_a.mdl") {
            fs::remove(sources[1]);
        } else if (text == "Processing hat_b.mdl") {
            fs::remove(sources[0]);
        }
    };
    m_batch.Run(sources, m_dir / "out");
    EXPECT_EQ(m_batch.m_arrEvents,
              (std::vector<std::string>{"Processing hat_a.mdl", "Processing hat_b.mdl",
                                        "message Error processing files.", "Processing crate_a.mdl",
                                        "Processing crate_b.mdl", "message Finished Processing!"}));
    EXPECT_EQ(m_batch.m_lastRun.m_arrFailedFiles, std::vector<std::string>{sources[1]});
    for (const char* name : {"hat_a", "hat_b", "crate_a", "crate_b"}) {
        EXPECT_EQ(Out(std::string(name) + ".mdl"), Rewritten(name));
    }
    ExpectSourcesUnchanged({"crate"});
}

TEST_F(FaultInjection, ASourceCutShortBetweenGroupsLeavesNoPartialOutput) {
    WriteFileBytes(m_dir / "out/hat_b.mdl", "older output\r\n");
    const std::vector<std::string> sources = Sources({"hat", "helm"});
    m_batch.m_onProcessing = [&sources](const std::string& text) {
        if (text == "Processing hat_b.mdl") {
            // The same file, now ending inside its vertex block.
            fs::resize_file(sources[0], std::string("node hat\r\n  verts 2\r\n    1 2 3\r\n").size());
        }
    };
    m_batch.Run(sources, m_dir / "out");
    EXPECT_EQ(m_batch.m_arrEvents,
              (std::vector<std::string>{"Processing hat_a.mdl", "Processing hat_b.mdl",
                                        "message Invalid model file (hat) - unexpected end of file found!",
                                        "message Error processing files.", "Processing helm_a.mdl",
                                        "Processing helm_b.mdl", "message Finished Processing!"}));
    EXPECT_EQ(Out("hat_a.mdl"), Rewritten("hat_a"));
    EXPECT_EQ(Out("hat_b.mdl"), "older output\r\n");
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"),
              (std::vector<std::string>{"hat_a.mdl", "hat_b.mdl", "helm_a.mdl", "helm_b.mdl"}));
}

} // namespace
