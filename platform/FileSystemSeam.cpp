#include "platform/FileSystemSeam.h"

#include <unistd.h>

namespace {

FileSystemSeam PosixSeam() {
    return FileSystemSeam{[](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }};
}

} // namespace

FileSystemSeam& GetFileSystemSeam() {
    static FileSystemSeam seam = PosixSeam();
    return seam;
}

void ResetFileSystemSeam() {
    GetFileSystemSeam() = PosixSeam();
}
