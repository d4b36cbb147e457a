// CFuzzEnvironment: what every fuzz target shares: a scratch folder on a memory file system (outputs
// and INI saves are synced, which on a disk would cost more than the input itself) and a message-box
// handler that counts the boxes instead of printing one line per input.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CFuzzEnvironment {
public:
    // Creates the scratch folder and installs the handler; one per process, made on first use.
    static CFuzzEnvironment& Get();

    const std::filesystem::path& Scratch() const { return m_scratch; }
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
