// tarvolin-batch run as a process on scratch fixture folders: outputs, log bytes, standard output and
// error lines and the exit status of each kind of invocation.
#include "ChildProcess.h"
#include "support/TestFiles.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const std::string kHat = "node small_hat01\r\n  position 0.1 0.0 1.2\r\n  verts 2\r\n    0.0 0.0 0.0\r\n"
                         "    1.0 2.0 3.0\r\nendnode\r\n";

class BatchCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_dir.Path() / "in");
        fs::create_directories(m_dir.Path() / "out");
    }

    // A transformation file in the scratch folder; groups is the text of the group sections.
    std::string WriteTransforms(int groups, const std::string& sections, const std::string& destDir = "out") {
        const std::string path = m_dir / "t.ini";
        WriteFileBytes(path, Crlf("[Global]\nDestDir=" + (destDir.empty() ? "" : m_dir / destDir) +
                                  "\nnTransforms=" + std::to_string(groups) +
                                  "\nLogFileName=" + m_dir / "run.log" + "\nLogLevel=1\n" + sections));
        return path;
    }
    std::string WriteScaleGroup() {
        return WriteTransforms(1, "[s0]\nmatch=small_*\nsubstitute=large*\nscale=(2,2,2)\n");
    }

    std::string Source(const std::string& name, const std::string& bytes = kHat) {
        const std::string path = m_dir / ("in/" + name);
        WriteFileBytes(path, bytes);
        return path;
    }

    CChildResult Run(std::vector<std::string> args, const std::function<void(int)>& onTick = {}) {
        args.insert(args.begin(), TARVOLIN_BATCH_PATH);
        return RunChild(args, m_dir.Path().string(), onTick);
    }

    std::string Log() const { return ReadFileBytes(m_dir.Path() / "run.log"); }
    bool Exists(const std::string& name) const { return fs::exists(m_dir.Path() / name); }

    CTempDir m_dir;
};

TEST_F(BatchCliTest, ANormalRunWritesOutputsLogAndSummary) {
    const std::string transforms = WriteScaleGroup();
    const std::string hat = Source("small_hat01.mdl");
    const std::string other = Source("other.mdl", "node other\r\n");
    const CChildResult result = Run({"-t", transforms, hat, other});
    EXPECT_EQ(result.m_nExitStatus, 0);
    EXPECT_EQ(result.m_strStdout, "");
    EXPECT_EQ(result.m_strStderr, "tarvolin-batch: summary: 2 source files, 1 outputs written, 0 failed\n"
                                  "tarvolin-batch: Finished Processing!\n");
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/large_hat01.mdl"),
              Crlf("node large_hat01\n  position 0.2000000 0.0000000 2.4000000\n  verts 2\n"
                   "    0.0000000 0.0000000 0.0000000\n    2.0000000 4.0000000 6.0000000\nendnode\n"));
    EXPECT_EQ(Log(),
              Crlf("\nStarting...\nProcessing...\nOpening new input file for small_hat01\n"
                   "Processing large_hat01.mdl\nOpening new input file for other\nFinished Processing!\n"
                   "Closing... \n"));
}

TEST_F(BatchCliTest, ARejectedGroupIsReportedAndTheRunGoesOn) {
    const std::string transforms =
        WriteTransforms(2, "[s0]\nmatch=*\nscale=( 2 2 2 )\n[s1]\nmatch=small_*\nsubstitute=*_b\n");
    const CChildResult result = Run({"-t", transforms, "-d", m_dir / "out", Source("small_hat01.mdl")});
    EXPECT_EQ(result.m_nExitStatus, 1);
    EXPECT_EQ(result.m_strStderr,
              "tarvolin-batch: Invalid parameter in section s0 = ( 2 2 2 ). Ignoring this transform group.\n"
              "tarvolin-batch: summary: 1 source files, 1 outputs written, 0 failed\n"
              "tarvolin-batch: Finished Processing!\n");
    EXPECT_TRUE(Exists("out/small_hat01_b.mdl"));
}

TEST_F(BatchCliTest, AFailedSourceIsListedAfterTheRun) {
    const std::string transforms = WriteScaleGroup();
    const std::string missing = m_dir / "in/small_missing.mdl";
    const std::string fifo = m_dir / "in/small_pipe.mdl";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const CChildResult result = Run({"-q", "-t", transforms, missing, fifo, Source("small_hat01.mdl")});
    EXPECT_EQ(result.m_nExitStatus, 1);
    EXPECT_EQ(result.m_strStderr,
              "tarvolin-batch: Error processing files.\n"
              "tarvolin-batch: Error processing files.\n"
              "tarvolin-batch: failed: " +
                  missing + "\ntarvolin-batch: failed: " + fifo +
                  "\ntarvolin-batch: summary: 3 source files, 1 outputs written, 2 failed\n"
                  "tarvolin-batch: Finished Processing!\n");
}

TEST_F(BatchCliTest, AFolderStandsForItsModelFilesSortedByName) {
    const std::string transforms = WriteTransforms(1, "[s0]\nmatch=*\nsubstitute=*_x\n");
    Source("b.MDL", "b\r\n");
    Source("a.mdl", "a\r\n");
    Source(".hidden.mdl", "h\r\n");
    Source("notes.txt", "n\r\n");
    fs::create_directory(m_dir.Path() / "in/sub.mdl");
    const CChildResult result = Run({"-n", "-t", transforms, m_dir / "in/"});
    EXPECT_EQ(result.m_nExitStatus, 0);
    const std::string in = m_dir / "in/";
    const std::string out = m_dir / "out/";
    EXPECT_EQ(result.m_strStdout, in + ".hidden.mdl -> " + out + ".hidden_x.mdl\n" + in + "a.mdl -> " + out +
                                      "a_x.mdl\n" + in + "b.MDL -> " + out + "b_x.MDL\n");
    EXPECT_EQ(result.m_strStderr, "");
    EXPECT_FALSE(Exists("run.log"));
    EXPECT_TRUE(fs::is_empty(m_dir.Path() / "out"));
}

TEST_F(BatchCliTest, ListPrintsTheSortedListingAndNeedsNoSources) {
    const std::string transforms =
        WriteTransforms(11, "[s0]\nmatch=small_*\nsubstitute=large*\n[s10]\nmatch=x\nposition=(1,2,3)\n");
    const CChildResult result = Run({"--list", "-t", transforms});
    EXPECT_EQ(result.m_nExitStatus, 0);
    const std::string lines = result.m_strStdout;
    EXPECT_TRUE(lines.starts_with("   0a small_*\tlarge*\tscale(1.0000, 1.0000, 1.0000)\trotate(0, 0, 0)\t"
                                  "translate(0.0000, 0.0000, 0.0000)\n   1a \t*\t"))
        << lines;
    EXPECT_TRUE(lines.ends_with("  10c\t\tposition(1.0000, 2.0000, 3.0000)\n")) << lines;
    EXPECT_EQ(Log(), Crlf("\nStarting...\nClosing... \n"));
}

TEST_F(BatchCliTest, RunsThatCannotStartExitWithTwo) {
    const std::string transforms = WriteTransforms(1, "[s0]\nmatch=*\n", "");
    struct Case {
        std::vector<std::string> args;
        std::string stderrText;
        bool logged;
    };
    const Case cases[] = {
        {{"-t", m_dir / "absent.ini", "x.mdl"},
         "tarvolin-batch: cannot read the transformation file " + m_dir / "absent.ini" + "\n",
         false},
        {{"-t", transforms}, "tarvolin-batch: no SOURCE given (see --help)\n", false},
        {{"--bogus", "x.mdl"}, "tarvolin-batch: unknown option --bogus (see --help)\n", false},
        {{"-t"}, "tarvolin-batch: option -t needs an argument (see --help)\n", false},
        {{"-t", transforms, "x.mdl"}, "tarvolin-batch: No destination directory selected.\n", true},
        {{"-t", transforms, "-d", m_dir / "out", m_dir / "out"},
         "tarvolin-batch: No files selected to process.\n",
         true},
    };
    for (const auto& c : cases) {
        fs::remove(m_dir.Path() / "run.log");
        const CChildResult result = Run(c.args);
        EXPECT_EQ(result.m_nExitStatus, 2) << c.stderrText;
        EXPECT_EQ(result.m_strStderr, c.stderrText);
        EXPECT_EQ(result.m_strStdout, "");
        EXPECT_EQ(Exists("run.log"), c.logged) << c.stderrText;
        if (c.logged) {
            EXPECT_TRUE(Log().ends_with(Crlf("Closing... \n")));
        }
    }
}

TEST_F(BatchCliTest, HelpAndVersionNeedNothingElse) {
    const CChildResult help = Run({"--help"});
    EXPECT_EQ(help.m_nExitStatus, 0);
    EXPECT_TRUE(help.m_strStdout.starts_with(
        "Usage: tarvolin-batch [-t FILE] [-d DIR] [-n] [-q] [--list] [--] SOURCE...\n"));
    const CChildResult version = Run({"--version"});
    EXPECT_EQ(version.m_nExitStatus, 0);
    EXPECT_EQ(version.m_strStdout, std::string("tarvolin-batch ") + TARVOLIN_VERSION + "\n");
}

// Ctrl-C during the run is Cancel: the file in progress is finished, later ones are not touched.
TEST_F(BatchCliTest, AnInterruptDuringAFileCancelsTheRest) {
    const std::string transforms = WriteTransforms(1, "[s0]\nmatch=*\nsubstitute=*_x\nscale=(2,2,2)\n");
    std::string big = "node big\r\n  verts 400000\r\n";
    std::string bigOutput = "node big\r\n  verts 400000\r\n";
    for (int i = 0; i < 400000; ++i) {
        big += "    1.25 2.5 3.75\r\n";
        bigOutput += "    2.5000000 5.0000000 7.5000000\r\n";
    }
    std::vector<std::string> args = {"-t",
                                     transforms,
                                     "-d",
                                     m_dir / "out",
                                     Source("big1.mdl", big),
                                     Source("big2.mdl", big),
                                     Source("big3.mdl", big),
                                     Source("last.mdl")};
    bool signalled = false;
    // The log names each output before its pass, so the signal lands while big1 is being rewritten
    // (or, on a slow machine, a little later; either way between the first file's start and the last).
    const CChildResult result = Run(args, [&](int pid) {
        if (!signalled && Exists("run.log") && Log().find("Processing big1_x.mdl") != std::string::npos) {
            signalled = true;
            ::kill(pid, SIGINT);
        }
    });
    ASSERT_TRUE(signalled);
    EXPECT_EQ(result.m_nExitStatus, 130);
    EXPECT_NE(result.m_strStderr.find("tarvolin-batch: Processing cancelled.\n"), std::string::npos);
    EXPECT_EQ(result.m_strStderr.find("Finished Processing!"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/big1_x.mdl"), bigOutput);
    for (const char* later : {"out/big2_x.mdl", "out/big3_x.mdl"}) {
        if (Exists(later)) {
            EXPECT_EQ(ReadFileBytes(m_dir.Path() / later).size(), bigOutput.size()) << later;
        }
    }
    EXPECT_FALSE(Exists("out/last_x.mdl"));
    EXPECT_EQ(Log().find("input file for last"), std::string::npos);
    EXPECT_TRUE(Log().ends_with(Crlf("Finished Processing!\nClosing... \n")));
}

} // namespace
