#include "platform/StdioFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    CStdioFile file(path, CFile::modeRead | CFile::typeText);
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line)) {
        lines.push_back(line);
    }
    return lines;
}

TEST(StdioFile, ReadsLinesWithoutTheirTerminators) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\n\nb\n", {"a", "", "", "b"}},
        {"a\rb\r\n", {"a\rb"}},
        {"cr only\r", {"cr only\r"}},
        {"", {}},
        {"\n", {""}},
        {std::string("nul\0byte\n", 9), {std::string("nul\0byte", 8)}},
    };
    CTempDir dir;
    for (const auto& [bytes, lines] : cases) {
        WriteFileBytes(dir / "f", bytes);
        EXPECT_EQ(ReadLines(dir / "f"), lines);
    }
}

TEST(StdioFile, ReadsLinesLongerThanItsBuffer) {
    CTempDir dir;
    const std::string longLine(700 * 1024, 'x');
    WriteFileBytes(dir / "f", longLine + "\r\nshort\r\n" + longLine);
    const auto lines = ReadLines(dir / "f");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], "short");
    EXPECT_EQ(lines[2], longLine);
}

TEST(StdioFile, WritesEveryNewlineAsCrLfAndRewinds) {
    CTempDir dir;
    const std::string path = dir / "out";
    {
        CStdioFile file(path, CFile::modeWrite | CFile::modeCreate | CFile::typeText);
        file.WriteString("one\ntwo\n\nlone\rcr");
        file.WriteString(std::string(300 * 1024, 'y') + "\n");
        file.Close();
    }
    EXPECT_EQ(ReadFileBytes(path), "one\r\ntwo\r\n\r\nlone\rcr" + std::string(300 * 1024, 'y') + "\r\n");

    CStdioFile file(path, CFile::modeRead | CFile::typeText);
    std::string line;
    ASSERT_TRUE(file.ReadString(line));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "two");
    file.SeekToBegin();
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "one");
    EXPECT_EQ(file.GetFileName(), "out");
}

TEST(StdioFile, BinaryFilesKeepTheirBytes) {
    CTempDir dir;
    const std::string path = dir / "raw";
    {
        CStdioFile file(path, CFile::modeWrite | CFile::modeCreate | CFile::typeBinary);
        file.WriteString("lf\ncrlf\r\ncr\r");
        file.Close();
    }
    EXPECT_EQ(ReadFileBytes(path), "lf\ncrlf\r\ncr\r");

    // Read continues where ReadString stopped, with the bytes it had buffered.
    CStdioFile file(path, CFile::modeRead | CFile::typeBinary);
    std::string line;
    ASSERT_TRUE(file.ReadString(line));
    char rest[32] = {};
    EXPECT_EQ(file.Read(rest, sizeof rest), 9u);
    EXPECT_EQ(std::string(rest, 9), "crlf\r\ncr\r");
    EXPECT_EQ(file.Read(rest, sizeof rest), 0u);
}

TEST(StdioFile, RefusesWhatIsNotARegularFileWithoutBlocking) {
    CTempDir dir;
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, dir.Path().string(), dir / "missing"}) {
        CStdioFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path, CFile::modeRead | CFile::typeText, &error)) << path;
        EXPECT_NE(error.m_cause, CFileException::none) << path;
        EXPECT_EQ(error.m_strFileName, path);
        EXPECT_THROW(CStdioFile(path, CFile::modeRead), CFileException) << path;
    }
}

TEST(StdioFile, AFailedWriteRaisesAFileException) {
    CStdioFile file("/dev/full", CFile::modeWrite | CFile::typeText);
    file.WriteString("x\n");
    try {
        file.Flush();
        FAIL() << "no error";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
    }
}

} // namespace
