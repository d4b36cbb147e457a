// CFile's open flags and CStdioFile, the framework's text-mode file, on POSIX descriptors.
// Reading: a line ends at LF, a CR right before the LF is dropped, a last line without LF is a line.
// Writing: every '\n' becomes CR LF (typeBinary writes bytes untranslated). Reads and writes go through
// large buffers, so a line costs no system call and no allocation once the line string has grown to
// the longest line.
// Every failure raises CFileException. A file opened for reading must be a regular file: a folder,
// FIFO or device fails to open (without blocking), as a locked file would on the original platform.
// No open waits: a FIFO opened for writing without a reader fails too.
#pragma once

#include "platform/Exceptions.h"
#include "platform/WinTypes.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        // Not the framework's: every write goes to the end of the file (O_APPEND), so processes that
        // share a log never overwrite each other's records.
        osAppend = 0x10000,
    };
};

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    // Opens or throws CFileException.
    CStdioFile(const std::string& path, UINT flags);
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;
    // Closes the file; a failure to write the last buffered bytes is ignored here.
    virtual ~CStdioFile();

    // False (and *pError filled when given) when the file cannot be opened; a file already open is
    // closed first.
    virtual BOOL Open(const std::string& path, UINT flags, CFileException* pError = nullptr);
    // Takes ownership of an open descriptor; path is what GetFilePath reports.
    void Attach(int fd, const std::string& path, UINT flags);

    // Next line without its terminator; false at the end of the file.
    bool ReadString(std::string& line);
    // Up to count bytes as they are on disk; fewer only at the end of the file.
    UINT Read(void* buffer, UINT count);
    // Writes text, each '\n' as CR LF; with typeBinary the bytes go out untranslated.
    void WriteString(std::string_view text);

    void SeekToBegin();
    void SeekToEnd();
    void Flush();
    // Writes what is buffered and closes; throws when that fails (the file is closed all the same).
    virtual void Close();
    // Closes without writing what is buffered and without throwing.
    void Abort();

    bool IsOpen() const { return m_fd >= 0; }
    int GetHandle() const { return m_fd; }
    const std::string& GetFilePath() const { return m_strPath; }
    // The name after the last '/' of the path.
    std::string GetFileName() const;

private:
    bool FillBuffer();
    void WriteAll(const char* data, std::size_t size);
    void ThrowError(int error) const;

    static constexpr std::size_t kBufferSize = 256 * 1024;

    int m_fd = -1;
    UINT m_nFlags = 0;
    std::string m_strPath;
    std::unique_ptr<char[]> m_readBuffer;
    std::size_t m_readPos = 0;
    std::size_t m_readEnd = 0;
    std::unique_ptr<char[]> m_writeBuffer;
    std::size_t m_writeUsed = 0;
};
