// CFuzzEnvironment: what the file-writing fuzz targets share: a scratch folder on a memory file system
// (an INI save is synced to disk, which there would cost more than the input itself) and a message-box
// handler that counts the boxes instead of printing one line per input.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CFuzzEnvironment {
public:
    // Creates the scratch folder and installs the handler; one per process, made on first use.
    static CFuzzEnvironment& Get();

    std::string operator/(std::string_view name) const { return (m_scratch / name).string(); }

    // A folder of the scratch folder, emptied (created when missing).
    std::string EmptyFolder(std::string_view name) const;

    // Boxes shown since the last call.
    int TakeMessageCount();

    CFuzzEnvironment(const CFuzzEnvironment&) = delete;
    CFuzzEnvironment& operator=(const CFuzzEnvironment&) = delete;

private:
    CFuzzEnvironment();
    ~CFuzzEnvironment();

    std::filesystem::path m_scratch;
    int m_nMessages = 0;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Stops the fuzzer with what went wrong: the input that got here is a finding.
[[noreturn]] void FuzzFailure(std::string_view what);
inline void FuzzCheck(bool condition, std::string_view what) {
    if (!condition) {
        FuzzFailure(what);
    }
}
