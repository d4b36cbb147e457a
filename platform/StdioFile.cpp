#include "platform/StdioFile.h"

#include "platform/FileSystemSeam.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CStdioFile::CStdioFile(const std::string& path, UINT flags) {
    CFileException error;
    if (!Open(path, flags, &error)) {
        throw error;
    }
}

CStdioFile::~CStdioFile() {
    if (m_fd >= 0) {
        try {
            Flush();
        } catch (const CFileException&) {
            // A destructor cannot report; callers that care call Close themselves.
        }
        Abort();
    }
}

BOOL CStdioFile::Open(const std::string& path, UINT flags, CFileException* pError) {
    if (m_fd >= 0) {
        Abort();
    }
    const UINT access = flags & 0x3;
    int openFlags = O_CLOEXEC;
    if (access == modeRead) {
        // Non-blocking, so a FIFO without a writer is refused instead of hanging the run.
        openFlags |= O_RDONLY | O_NONBLOCK;
    } else {
        // Non-blocking too: a FIFO without a reader (a log named after one) fails instead of hanging.
        openFlags |= (access == modeWrite ? O_WRONLY : O_RDWR) | O_NONBLOCK;
        if (flags & modeCreate) {
            openFlags |= O_CREAT;
            if (!(flags & modeNoTruncate)) {
                openFlags |= O_TRUNC;
            }
        }
        if (flags & osAppend) {
            openFlags |= O_APPEND;
        }
    }
    const int fd = ::open(path.c_str(), openFlags, 0666);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0 && access == modeRead) {
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            error = errno;
        } else if (!S_ISREG(st.st_mode)) {
            error = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
        }
        if (error != 0) {
            ::close(fd);
        }
    }
    if (error != 0) {
        if (pError != nullptr) {
            *pError = CFileException(CFileException::CauseFromErrno(error), error, path);
        }
        return 0;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    Attach(fd, path, flags);
    return 1;
}

void CStdioFile::Attach(int fd, const std::string& path, UINT flags) {
    m_fd = fd;
    m_nFlags = flags;
    m_strPath = path;
    m_readPos = m_readEnd = 0;
    m_writeUsed = 0;
}

bool CStdioFile::FillBuffer() {
    if (!m_readBuffer) {
        m_readBuffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    }
    for (;;) {
        const ssize_t got = ::read(m_fd, m_readBuffer.get(), kBufferSize);
        if (got >= 0) {
            m_readPos = 0;
            m_readEnd = static_cast<std::size_t>(got);
            return got > 0;
        }
        if (errno != EINTR) {
            ThrowError(errno);
        }
    }
}

bool CStdioFile::ReadString(std::string& line) {
    line.clear();
    if (m_fd < 0) {
        ThrowError(EBADF);
    }
    bool readAny = false;
    for (;;) {
        if (m_readPos == m_readEnd && !FillBuffer()) {
            return readAny;
        }
        const char* start = m_readBuffer.get() + m_readPos;
        const std::size_t available = m_readEnd - m_readPos;
        const void* newline = std::memchr(start, '\n', available);
        if (newline != nullptr) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(newline) - start);
            line.append(start, length);
            m_readPos += length + 1;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return true;
        }
        line.append(start, available);
        m_readPos = m_readEnd;
        readAny = true;
    }
}

UINT CStdioFile::Read(void* buffer, UINT count) {
    if (m_fd < 0) {
        ThrowError(EBADF);
    }
    auto* out = static_cast<char*>(buffer);
    // Bytes a ReadString has already buffered come first.
    std::size_t done = std::min<std::size_t>(count, m_readEnd - m_readPos);
    if (done > 0) {
        std::memcpy(out, m_readBuffer.get() + m_readPos, done);
        m_readPos += done;
    }
    while (done < count) {
        const ssize_t got = ::read(m_fd, out + done, count - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowError(errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<UINT>(done);
}

void CStdioFile::WriteString(std::string_view text) {
    if (m_fd < 0) {
        ThrowError(EBADF);
    }
    if (!m_writeBuffer) {
        m_writeBuffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    }
    const bool translate = (m_nFlags & typeBinary) == 0;
    while (!text.empty()) {
        const auto newline = translate ? text.find('\n') : std::string_view::npos;
        const std::size_t chunk = newline == std::string_view::npos ? text.size() : newline;
        // Copy the run before the newline, spilling the buffer as it fills.
        std::size_t done = 0;
        while (done < chunk) {
            if (m_writeUsed == kBufferSize) {
                Flush();
            }
            const std::size_t n = std::min(chunk - done, kBufferSize - m_writeUsed);
            std::memcpy(m_writeBuffer.get() + m_writeUsed, text.data() + done, n);
            m_writeUsed += n;
            done += n;
        }
        if (newline == std::string_view::npos) {
            break;
        }
        if (kBufferSize - m_writeUsed < 2) {
            Flush();
        }
        m_writeBuffer[m_writeUsed++] = '\r';
        m_writeBuffer[m_writeUsed++] = '\n';
        text.remove_prefix(chunk + 1);
    }
}

void CStdioFile::WriteAll(const char* data, std::size_t size) {
    auto& write = GetFileSystemSeam().write;
    while (size > 0) {
        const ssize_t put = write(m_fd, data, size);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowError(errno);
        }
        if (put == 0) {
            ThrowError(ENOSPC);
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
}

void CStdioFile::Flush() {
    if (m_fd < 0 || m_writeUsed == 0) {
        return;
    }
    const std::size_t used = m_writeUsed;
    // Drop the bytes even when the write fails, so a later close does not try them again.
    m_writeUsed = 0;
    WriteAll(m_writeBuffer.get(), used);
}

void CStdioFile::SeekToBegin() {
    Flush();
    if (::lseek(m_fd, 0, SEEK_SET) < 0) {
        ThrowError(errno);
    }
    m_readPos = m_readEnd = 0;
}

void CStdioFile::SeekToEnd() {
    Flush();
    if (::lseek(m_fd, 0, SEEK_END) < 0) {
        ThrowError(errno);
    }
    m_readPos = m_readEnd = 0;
}

void CStdioFile::Close() {
    if (m_fd < 0) {
        return;
    }
    int error = 0;
    try {
        Flush();
    } catch (const CFileException& e) {
        error = e.m_lOsError;
    }
    if (::close(m_fd) != 0 && error == 0) {
        error = errno;
    }
    m_fd = -1;
    if (error != 0 && error != EINTR) {
        ThrowError(error);
    }
}

void CStdioFile::Abort() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_writeUsed = 0;
    m_readPos = m_readEnd = 0;
}

std::string CStdioFile::GetFileName() const {
    const auto slash = m_strPath.find_last_of('/');
    return slash == std::string::npos ? m_strPath : m_strPath.substr(slash + 1);
}

void CStdioFile::ThrowError(int error) const {
    throw CFileException(CFileException::CauseFromErrno(error), error, m_strPath);
}
