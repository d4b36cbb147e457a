// tarvolin-batch as a process under conditions a unit test cannot make: killed in the middle of a large
// output, ten thousand sources, a 100 MB line, and operands that are no model file (a FIFO, a folder,
// the same file twice, leftover temporary files). Peak memory is the child's getrusage figure.
#include "ChildProcess.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Memory figures mean something only without the sanitizers' shadow memory and quarantine.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasuresMemory = false;
#else
constexpr bool kMeasuresMemory = true;
#endif

// Peak resident memory of the largest child waited for so far, in MiB; 0 before the first. A spawned
// child's figure starts at the test's own resident memory (exec keeps the high-water mark of the memory
// it replaces), so the tests that measure hold little themselves, and measure only as a process's first
// child (as ctest runs them).
long PeakChildMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024;
}

class BatchProcess : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_dir.Path() / "in");
        fs::create_directories(m_dir.Path() / "out");
        // One group over every file: scale by 2, output NAME_b.
        WriteFileBytes(m_dir / "t.ini", Crlf("[Global]\nnTransforms=1\nLogFileName=" + m_dir / "run.log" +
                                             "\n[s0]\nmatch=*\nsubstitute=*_b\nscale=( 2 , 2 , 2 )\n"));
    }

    CChildResult Run(std::vector<std::string> args, const std::function<void(int)>& onTick = {}) {
        args.insert(args.begin(), {TARVOLIN_BATCH_PATH, "-q", "-t", "t.ini", "-d", "out"});
        return RunChild(args, m_dir.Path().string(), onTick);
    }

    CTempDir m_dir;
};

TEST_F(BatchProcess, AKillDuringALargeOutputLeavesTheOlderOutputAndNoTemporaryFile) {
    constexpr int kVertices = 2'000'000;
    std::string model = "node big\r\n  verts " + std::to_string(kVertices) + "\r\n";
    model.reserve(model.size() + kVertices * 17);
    for (int i = 0; i < kVertices; ++i) {
        model += "    1.5 2.5 3.5\r\n";
    }
    WriteFileBytes(m_dir / "in/big.mdl", model);
    WriteFileBytes(m_dir / "out/big_b.mdl", "older output\r\n");

    bool killed = false;
    const CChildResult killedRun = Run({"in/big.mdl"}, [&](int pid) {
        const fs::path log = m_dir.Path() / "run.log";
        if (!killed && fs::exists(log) &&
            ReadFileBytes(log).find("Processing big_b.mdl") != std::string::npos) {
            ::kill(pid, SIGKILL);
            killed = true;
        }
    });
    ASSERT_EQ(killedRun.m_nExitStatus, 128 + SIGKILL) << "the run ended before it could be killed";
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"), std::vector<std::string>{"big_b.mdl"});
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/big_b.mdl"), "older output\r\n");
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "in"), std::vector<std::string>{"big.mdl"});
    EXPECT_TRUE(ReadFileBytes(m_dir.Path() / "in/big.mdl") == model);

    // The next run starts from a clean folder and completes.
    const CChildResult rerun = Run({"in/big.mdl"});
    EXPECT_EQ(rerun.m_nExitStatus, 0) << rerun.m_strStderr;
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"), std::vector<std::string>{"big_b.mdl"});
    const std::string vertex = "    3.0000000 5.0000000 7.0000000\r\n";
    EXPECT_EQ(fs::file_size(m_dir.Path() / "out/big_b.mdl"),
              std::string("node big_b\r\n  verts 2000000\r\n").size() + kVertices * vertex.size());
}

TEST_F(BatchProcess, TenThousandSourcesRunInBoundedMemory) {
    constexpr int kFiles = 10'000;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = "f" + std::to_string(100000 + i);
        WriteFileBytes(m_dir / ("in/" + name + ".mdl"), "node " + name + "\r\n  verts 1\r\n    1 2 3\r\n");
    }
    const bool firstChild = PeakChildMiB() == 0;
    const CChildResult result = Run({"in"});
    EXPECT_EQ(result.m_nExitStatus, 0);
    EXPECT_EQ(result.m_strStderr,
              "tarvolin-batch: summary: 10000 source files, 10000 outputs written, 0 failed\n"
              "tarvolin-batch: Finished Processing!\n");
    EXPECT_EQ(static_cast<int>(FileNamesIn(m_dir.Path() / "out").size()), kFiles);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/f109999_b.mdl"),
              "node f109999_b\r\n  verts 1\r\n    2.0000000 4.0000000 6.0000000\r\n");
    if (kMeasuresMemory && firstChild) {
        EXPECT_LT(PeakChildMiB(), 64);
    }
}

TEST_F(BatchProcess, AHundredMegabyteLineIsCopiedWholeWithMemoryBoundedByTheLine) {
    constexpr std::size_t kLine = 100u << 20;
    {
        std::ofstream source(m_dir / "in/long.mdl", std::ios::binary);
        source << "node long\r\n";
        const std::string chunk(1 << 20, '7');
        for (std::size_t done = 0; done < kLine; done += chunk.size()) {
            source << chunk;
        }
        source << "\r\nendnode\r\n";
    }
    const bool firstChild = PeakChildMiB() == 0;
    const CChildResult result = Run({"in/long.mdl"});
    EXPECT_EQ(result.m_nExitStatus, 0) << result.m_strStderr;
    const std::string output = ReadFileBytes(m_dir.Path() / "out/long_b.mdl");
    ASSERT_EQ(output.size(), std::string("node long_b\r\n\r\nendnode\r\n").size() + kLine);
    EXPECT_TRUE(output.starts_with("node long_b\r\n7777"));
    EXPECT_EQ(output.find_first_not_of('7', 13), 13 + kLine);
    EXPECT_TRUE(output.ends_with("7\r\nendnode\r\n"));
    if (kMeasuresMemory && firstChild) {
        // The line, the string it grows in and the file buffers; never the whole file or a copy per line.
        EXPECT_LT(PeakChildMiB(), 4 * 100);
    }
}

TEST_F(BatchProcess, OperandsThatAreNoModelFileHaveDefinedOutcomes) {
    const std::string hat = "node hat\r\n  verts 1\r\n    1 2 3\r\n";
    WriteFileBytes(m_dir / "in/hat.mdl", hat);
    ASSERT_EQ(::mkfifo((m_dir / "pipe.mdl").c_str(), 0666), 0);
    fs::create_directories(m_dir.Path() / "set/folder.mdl");
    WriteFileBytes(m_dir / "set/a.mdl", "node a\r\n");
    ASSERT_EQ(::mkfifo((m_dir / "set/b.mdl").c_str(), 0666), 0);
    // What a run killed on a file system without unnamed files, or a failed save, would leave.
    WriteFileBytes(m_dir / "set/.tarvolin-4711-0.tmp", "node partial\r\n");
    WriteFileBytes(m_dir / "set/.t.ini.4711-0.tmp", "[Global]\r\n");

    const CChildResult result = Run({"in/hat.mdl", "in/hat.mdl", "pipe.mdl", "in", "set"});
    EXPECT_EQ(result.m_nExitStatus, 1);
    EXPECT_EQ(result.m_strStderr, "tarvolin-batch: Error processing files.\n"
                                  "tarvolin-batch: failed: pipe.mdl\n"
                                  "tarvolin-batch: summary: 5 source files, 4 outputs written, 1 failed\n"
                                  "tarvolin-batch: Finished Processing!\n");
    EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"), (std::vector<std::string>{"a_b.mdl", "hat_b.mdl"}));
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/hat_b.mdl"),
              "node hat_b\r\n  verts 1\r\n    2.0000000 4.0000000 6.0000000\r\n");
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "in/hat.mdl"), hat);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "set/.tarvolin-4711-0.tmp"), "node partial\r\n");
}

TEST_F(BatchProcess, ATransformationFileThatIsNoRegularFileStopsBeforeAnything) {
    ASSERT_EQ(::mkfifo((m_dir / "pipe.ini").c_str(), 0666), 0);
    fs::create_directory(m_dir.Path() / "folder.ini");
    WriteFileBytes(m_dir / "in/hat.mdl", "node hat\r\n");
    for (const std::string& transforms :
         {m_dir / "pipe.ini", m_dir / "folder.ini", std::string("/dev/zero"), m_dir / "missing.ini"}) {
        SCOPED_TRACE(transforms);
        const CChildResult result =
            RunChild({TARVOLIN_BATCH_PATH, "-q", "-t", transforms, "-d", "out", "in"}, m_dir.Path().string());
        EXPECT_EQ(result.m_nExitStatus, 2);
        EXPECT_EQ(result.m_strStderr,
                  "tarvolin-batch: cannot read the transformation file " + transforms + "\n");
        EXPECT_EQ(FileNamesIn(m_dir.Path() / "out"), std::vector<std::string>{});
    }
}

TEST_F(BatchProcess, ARunLogNamedAfterAFifoIsLeftClosedInsteadOfWaitingForAReader) {
    ASSERT_EQ(::mkfifo((m_dir / "log.fifo").c_str(), 0666), 0);
    WriteFileBytes(m_dir / "t.ini", Crlf("[Global]\nnTransforms=1\nLogFileName=" + m_dir / "log.fifo" +
                                         "\n[s0]\nmatch=*\nsubstitute=*_b\n"));
    WriteFileBytes(m_dir / "in/hat.mdl", "node hat\r\n");
    const auto started = std::chrono::steady_clock::now();
    // A run that waits for a reader would wait for ever; after 20 s it counts as hung.
    const CChildResult result = Run({"in"}, [started](int pid) {
        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(20)) {
            ::kill(pid, SIGKILL);
        }
    });
    EXPECT_EQ(result.m_nExitStatus, 0);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/hat_b.mdl"), "node hat_b\r\n");
}

} // namespace
