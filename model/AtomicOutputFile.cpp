#include "model/AtomicOutputFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bytes go out as given: the rewriter ends its lines with CR LF itself, which spares the search for
// newlines in every line a text-mode write would make.
constexpr UINT kOutputFlags = CFile::modeWrite | CFile::modeCreate | CFile::typeBinary;
constexpr int kHiddenNameAttempts = 100;

bool IsProtected(const struct stat& st, std::span<const FileIdentity> protectedFiles) {
    const FileIdentity identity{st.st_dev, st.st_ino};
    return std::find(protectedFiles.begin(), protectedFiles.end(), identity) != protectedFiles.end();
}

// The folder part of path, for the temporary file: it must live on the same file system as the output.
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Gives the unnamed file behind fd the name linkPath. Without the capability that linking by descriptor
// needs, the same link is made through /proc.
bool LinkDescriptor(int fd, const std::string& linkPath) {
    if (::linkat(fd, "", AT_FDCWD, linkPath.c_str(), AT_EMPTY_PATH) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, linkPath.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

[[noreturn]] void ThrowFileError(int error, const std::string& path) {
    throw CFileException(CFileException::CauseFromErrno(error), error, path);
}

} // namespace

CAtomicOutputFile::~CAtomicOutputFile() {
    Abandon();
}

bool CAtomicOutputFile::Create(const std::string& path, std::span<const FileIdentity> protectedFiles) {
    Abandon();
    m_strTargetPath = path;
    m_bReplacing = false;
    std::optional<mode_t> keptMode;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        m_bReplacing = true;
        if (S_ISDIR(st.st_mode)) {
            return false;
        }
        // A link is replaced itself, so only a file in place must be writable, as opening it would need.
        if (!S_ISLNK(st.st_mode)) {
            if (::access(path.c_str(), W_OK) != 0) {
                return false;
            }
            keptMode = st.st_mode & 0777;
        }
        struct stat target {};
        if (::stat(path.c_str(), &target) == 0 && IsProtected(target, protectedFiles)) {
            return false;
        }
    } else if (errno != ENOENT) {
        return false;
    }
    if (!CreateTemporary(FolderOf(path), 0666)) {
        return false;
    }
    if (keptMode && ::fchmod(GetHandle(), *keptMode) != 0) {
        Abandon();
        return false;
    }
    return true;
}

bool CAtomicOutputFile::CreateTemporary(const std::string& folder, mode_t mode) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0) {
        m_bUnnamed = true;
        Attach(fd, m_strTargetPath, kOutputFlags);
        return true;
    }
    // File systems without unnamed files get a hidden one that never carries the output's name.
    for (int attempt = 0; attempt < kHiddenNameAttempts; ++attempt) {
        std::string hidden = UniqueHiddenPath(folder);
        fd = ::open(hidden.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) {
            m_strHiddenPath = std::move(hidden);
            Attach(fd, m_strTargetPath, kOutputFlags);
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

std::string CAtomicOutputFile::UniqueHiddenPath(const std::string& folder) const {
    static unsigned counter = 0;
    return folder + "/.tarvolin-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

void CAtomicOutputFile::LinkUnderHiddenName() {
    const std::string folder = FolderOf(m_strTargetPath);
    for (int attempt = 0; attempt < kHiddenNameAttempts; ++attempt) {
        std::string hidden = UniqueHiddenPath(folder);
        if (LinkDescriptor(GetHandle(), hidden)) {
            m_strHiddenPath = std::move(hidden);
            return;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    ThrowFileError(errno, m_strTargetPath);
}

void CAtomicOutputFile::Close() {
    if (!IsOpen()) {
        return;
    }
    bool linkedInPlace = false;
    try {
        Flush();
        if (m_bUnnamed) {
            // A new output is linked straight into place: there is never a moment with a stray name.
            linkedInPlace = !m_bReplacing && LinkDescriptor(GetHandle(), m_strTargetPath);
            if (!linkedInPlace) {
                LinkUnderHiddenName();
            }
            m_bUnnamed = false;
        }
        CStdioFile::Close();
        if (!linkedInPlace) {
            if (::rename(m_strHiddenPath.c_str(), m_strTargetPath.c_str()) != 0) {
                ThrowFileError(errno, m_strTargetPath);
            }
            m_strHiddenPath.clear();
        }
    } catch (...) {
        if (linkedInPlace) {
            // Nothing was at the path before, so taking the incomplete output away restores it.
            ::unlink(m_strTargetPath.c_str());
        }
        Abandon();
        throw;
    }
}

void CAtomicOutputFile::Abandon() {
    Abort();
    if (!m_strHiddenPath.empty()) {
        ::unlink(m_strHiddenPath.c_str());
        m_strHiddenPath.clear();
    }
    m_bUnnamed = false;
}
