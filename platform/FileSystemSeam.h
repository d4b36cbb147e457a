// The system calls through which the file layer writes, so tests can make a write fail part-way
// (a full disk) where the machine cannot. Production code never changes them.
#pragma once

#include <cstddef>
#include <functional>
#include <sys/types.h>

struct FileSystemSeam {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
};

// The seam in force; its members default to the POSIX calls.
FileSystemSeam& GetFileSystemSeam();

// Puts the POSIX calls back.
void ResetFileSystemSeam();
