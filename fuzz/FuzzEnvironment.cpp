#include "FuzzEnvironment.h"

#include "platform/MessageBox.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderPrefix = "tarvolin-fuzz-";

} // namespace

CFuzzEnvironment& CFuzzEnvironment::Get() {
    static CFuzzEnvironment environment;
    return environment;
}

CFuzzEnvironment::CFuzzEnvironment() {
    std::error_code error;
    const fs::path base =
        fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    // A fuzzer that stopped on a finding left its folder; the process that owned it is gone.
    for (const auto& entry : fs::directory_iterator(base, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(kFolderPrefix) &&
            ::kill(std::atoi(name.c_str() + kFolderPrefix.size()), 0) != 0 && errno == ESRCH) {
            fs::remove_all(entry.path(), error);
        }
    }
    m_scratch = base / (std::string(kFolderPrefix) + std::to_string(::getpid()));
    fs::remove_all(m_scratch, error);
    fs::create_directories(m_scratch);
    SetMessageBoxHandler([this](const std::string&, UINT) {
        ++m_nMessages;
        return IDOK;
    });
}

CFuzzEnvironment::~CFuzzEnvironment() {
    std::error_code error;
    fs::remove_all(m_scratch, error);
}

std::string CFuzzEnvironment::EmptyFolder(std::string_view name) const {
    const fs::path folder = m_scratch / name;
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder);
    return folder.string();
}

int CFuzzEnvironment::TakeMessageCount() {
    const int count = m_nMessages;
    m_nMessages = 0;
    return count;
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FuzzFailure(std::string_view what) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}
