#include "platform/PrivateProfile.h"

#include "platform/IniText.h"
#include "platform/StdioFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class ReadResult { read, missing, failed };

// The file's bytes exactly as they are on disk (a folder, FIFO or device is refused without blocking).
ReadResult ReadWholeFile(const std::string& path, std::string& bytes, struct stat& info) {
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary, &error)) {
        return error.m_lOsError == ENOENT ? ReadResult::missing : ReadResult::failed;
    }
    try {
        if (::fstat(file.GetHandle(), &info) != 0) {
            return ReadResult::failed;
        }
        char chunk[64 * 1024];
        for (;;) {
            const UINT got = file.Read(chunk, sizeof chunk);
            bytes.append(chunk, got);
            if (got < sizeof chunk) {
                return ReadResult::read;
            }
        }
    } catch (const CFileException&) {
        return ReadResult::failed;
    }
}

// The file a chain of symbolic links ends at, so that the rename replaces the target, not the link.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)) || error) {
            return path;
        }
        const fs::path link = fs::read_symlink(path, error);
        if (error) {
            return path;
        }
        path = (link.is_absolute() ? link : fs::path(path).parent_path() / link).string();
    }
    return path;
}

// A new hidden file beside target, opened for writing; -1 when none can be made.
int CreateTempBeside(const fs::path& target, std::string& tempPath) {
    static unsigned counter = 0;
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // Room for the suffix within the longest file name.
    const std::string stem =
        "." + target.filename().string().substr(0, 200) + "." + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = (dir / (stem + "-" + std::to_string(counter++) + ".tmp")).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool ReplaceFile(const std::string& target, std::string_view content, const struct stat* old) {
    std::string tempPath;
    const int fd = CreateTempBeside(target, tempPath);
    if (fd < 0) {
        return false;
    }
    CStdioFile file;
    file.Attach(fd, tempPath, CFile::modeWrite | CFile::typeBinary);
    bool written = true;
    if (old != nullptr) {
        // Owner first, as changing it may clear set-id bits that the mode then restores. Only root may
        // give a file away; anyone else keeps the new file as their own, which is all a refusal means.
        [[maybe_unused]] const bool owned = ::fchown(fd, old->st_uid, old->st_gid) == 0;
        written = ::fchmod(fd, old->st_mode & 07777) == 0;
    }
    try {
        if (written) {
            file.WriteString(content);
            file.Flush();
            // On disk before the rename, so a crash leaves the old file or the new one, never a torn one.
            written = ::fsync(fd) == 0;
        }
        file.Close();
    } catch (const CFileException&) {
        written = false;
    }
    if (!written || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

// What a scope holds of its file; text is empty when the file could not be read.
struct Snapshot {
    std::string fileName;
    bool read = false;
    std::optional<CIniText> text;
};

// Innermost scope last.
std::vector<Snapshot>& Snapshots() {
    static std::vector<Snapshot> snapshots;
    return snapshots;
}

std::optional<CIniText> ReadIniText(const std::string& fileName) {
    std::string bytes;
    struct stat info {};
    if (ReadWholeFile(fileName, bytes, info) != ReadResult::read) {
        return std::nullopt;
    }
    return CIniText(std::move(bytes));
}

std::optional<std::string> FindIn(const std::optional<CIniText>& text, std::string_view section,
                                  std::string_view key) {
    if (!text) {
        return std::nullopt;
    }
    const std::optional<std::string_view> value = text->Find(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::optional<std::string> FindValue(const std::string& fileName, std::string_view section,
                                     std::string_view key) {
    auto& snapshots = Snapshots();
    const auto scope = std::find_if(snapshots.rbegin(), snapshots.rend(),
                                    [&fileName](const Snapshot& s) { return s.fileName == fileName; });
    if (scope == snapshots.rend()) {
        return FindIn(ReadIniText(fileName), section, key);
    }
    if (!scope->read) {
        scope->text = ReadIniText(fileName);
        scope->read = true;
    }
    return FindIn(scope->text, section, key);
}

} // namespace

CProfileReadScope::CProfileReadScope(const std::string& fileName) {
    Snapshots().push_back(Snapshot{fileName, false, std::nullopt});
}

CProfileReadScope::~CProfileReadScope() {
    Snapshots().pop_back();
}

UINT GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                             std::span<char> buffer, const std::string& fileName) {
    if (buffer.empty()) {
        return 0;
    }
    const std::optional<std::string> found = FindValue(fileName, section, key);
    const std::string_view value = found ? std::string_view(*found) : defaultValue;
    const std::size_t count = std::min(value.size(), buffer.size() - 1);
    std::copy_n(value.data(), count, buffer.data());
    buffer[count] = '\0';
    return static_cast<UINT>(count);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& fileName) {
    const std::string target = FollowLinks(fileName);
    std::string bytes;
    struct stat info {};
    const ReadResult result = ReadWholeFile(target, bytes, info);
    if (result == ReadResult::failed) {
        // Nothing may be written over a file whose content cannot be kept.
        return false;
    }
    const bool exists = result == ReadResult::read;
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return false;
    }
    const CIniText text(std::move(bytes));
    const std::string updated = text.WithValue(section, key, value);
    if (exists && updated == text.GetBytes()) {
        return true;
    }
    if (!ReplaceFile(target, updated, exists ? &info : nullptr)) {
        return false;
    }
    // A scope may name the file by another path, so every scope reads again.
    for (Snapshot& snapshot : Snapshots()) {
        snapshot.read = false;
        snapshot.text.reset();
    }
    return true;
}
