// CFailingWrites: a full disk, through the file layer's write seam. While one lives, writes that its
// filter selects succeed until allowedBytes have gone out and then fail with ENOSPC (the write that
// crosses the limit puts out what still fits first, as a real full disk does). The POSIX call comes
// back on destruction.
#pragma once

#include "platform/FileSystemSeam.h"

#include <cerrno>
#include <cstddef>
#include <functional>
#include <unistd.h>

class CFailingWrites {
public:
    using Filter = std::function<bool(int fd)>;

    explicit CFailingWrites(std::size_t allowedBytes, Filter filter = {})
        : m_nAllowed(allowedBytes), m_filter(std::move(filter)) {
        GetFileSystemSeam().write = [this](int fd, const void* data, std::size_t size) -> ssize_t {
            if (m_filter && !m_filter(fd)) {
                return ::write(fd, data, size);
            }
            if (m_nAllowed == 0) {
                ++m_nFailures;
                errno = ENOSPC;
                return -1;
            }
            const std::size_t part = size < m_nAllowed ? size : m_nAllowed;
            const ssize_t put = ::write(fd, data, part);
            if (put > 0) {
                m_nAllowed -= static_cast<std::size_t>(put);
            }
            return put;
        };
    }
    ~CFailingWrites() { ResetFileSystemSeam(); }
    CFailingWrites(const CFailingWrites&) = delete;
    CFailingWrites& operator=(const CFailingWrites&) = delete;

    // Writes refused so far.
    int Failures() const { return m_nFailures; }

private:
    std::size_t m_nAllowed;
    Filter m_filter;
    int m_nFailures = 0;
};
