// Whole runs over the cases in tests/cases/NAME: Tarvolin.ini is loaded, the batch run of "&Go!" takes
// every source of in/ in name order into a scratch folder, and that folder must then hold exactly the
// files of expected/ (outputs and the run log), byte for byte. messages.txt lists the message boxes shown.
#include "support/RecordingBatch.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"
#include "transformfile/TransformTable.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kCasesDir = fs::path(__FILE__).parent_path().parent_path() / "cases";

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCasesDir)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every regular file of folder with its bytes, by name.
std::map<std::string, std::string> FilesIn(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = ReadFileBytes(entry.path());
    }
    return files;
}

std::vector<std::string> ExpectedMessages(const fs::path& caseDir) {
    std::vector<std::string> messages;
    if (fs::exists(caseDir / "messages.txt")) {
        std::istringstream lines(ReadFileBytes(caseDir / "messages.txt"));
        for (std::string line; std::getline(lines, line);) {
            messages.push_back(line);
        }
    }
    return messages;
}

// The current folder for as long as it lives: the cases' logs are named relative to it.
class CCurrentFolder {
public:
    explicit CCurrentFolder(const fs::path& folder) : m_previous(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CCurrentFolder() { fs::current_path(m_previous); }
    CCurrentFolder(const CCurrentFolder&) = delete;
    CCurrentFolder& operator=(const CCurrentFolder&) = delete;

private:
    fs::path m_previous;
};

// The case's transformation file loaded and its sources run as "&Go!" runs them; the messages shown.
std::vector<std::string> RunCase(const fs::path& caseDir, const std::string& destDir) {
    CRecordingBatch batch;
    batch.LoadTransformationFile((caseDir / "Tarvolin.ini").string());
    std::vector<std::string> sources;
    for (const auto& entry : fs::directory_iterator(caseDir / "in")) {
        sources.push_back(entry.path().string());
    }
    std::sort(sources.begin(), sources.end());
    batch.Run(sources, destDir);
    std::vector<std::string> messages;
    for (const auto& event : batch.m_arrEvents) {
        if (event.starts_with("message ")) {
            messages.push_back(event.substr(8));
        }
    }
    return messages;
}

class GoldenCase : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { theLog.ResetForTesting(); }
    void TearDown() override {
        theLog.Close();
        theLog.ResetForTesting();
        FreeTransformTable();
        g_strLoadedTransformFile.clear();
    }
};

TEST_P(GoldenCase, WritesExactlyTheExpectedFiles) {
    const fs::path caseDir = kCasesDir / GetParam();
    const CTempDir scratch;
    const fs::path dest = scratch.Path() / "out";
    fs::create_directory(dest);
    std::vector<std::string> messages;
    {
        const CCurrentFolder inDest(dest);
        messages = RunCase(caseDir, dest.string());
        theLog.Close();
    }
    EXPECT_EQ(messages, ExpectedMessages(caseDir));
    const auto written = FilesIn(dest);
    const auto expected = FilesIn(caseDir / "expected");
    for (const auto& [name, bytes] : expected) {
        const auto found = written.find(name);
        if (found == written.end()) {
            ADD_FAILURE() << name << " was not written";
        } else {
            EXPECT_EQ(found->second, bytes) << name;
        }
    }
    for (const auto& [name, bytes] : written) {
        EXPECT_TRUE(expected.contains(name)) << name << " should not have been written";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) { return param.param; });

} // namespace
