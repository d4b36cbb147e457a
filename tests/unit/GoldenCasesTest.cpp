// Whole runs over the cases in tests/cases/NAME: Tarvolin.ini is loaded, every source of in/ is rewritten
// group by group into a scratch folder, and that folder must then hold exactly the files of expected/
// (outputs and the run log), byte for byte. messages.txt, when present, lists the message boxes shown.
#include "model/ModelRewriter.h"
#include "platform/MessageBox.h"
#include "res/Resource.h"
#include "support/MessageRecorder.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"
#include "transformfile/TransformFileLoader.h"
#include "transformfile/TransformTable.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

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

class CNoWindow : public ITransformFileTarget {
public:
    void SetSourceDir(const std::string&) override {}
    void SetDestDir(const std::string&) override {}
    void ResetSelection() override {}
};

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

// A batch run reduced to what the rewriter needs: every source in name order, every group in table
// order, an error ending only the file it happened in.
void RunCase(const fs::path& caseDir, const std::string& destDir) {
    CNoWindow window;
    LoadTransformationFile(window, (caseDir / "Tarvolin.ini").string());
    theLog.WriteResourceLine(1, IDS_PROCESSING);
    std::vector<std::string> sources;
    for (const auto& entry : fs::directory_iterator(caseDir / "in")) {
        sources.push_back(entry.path().string());
    }
    std::sort(sources.begin(), sources.end());
    for (const auto& source : sources) {
        try {
            CModelRewriter rewriter(source, destDir);
            for (int k = 0; k < g_nTransforms; ++k) {
                const CTransformGroup& group = g_pTransforms[static_cast<std::size_t>(k)];
                if (!rewriter.OpenOutput(group)) {
                    continue;
                }
                theLog.WriteLine(1, "Processing " + rewriter.GetOutputFileName());
                rewriter.ProcessFile(group);
            }
        } catch (const std::exception&) {
            AfxMessageBox("Error processing files.", MB_OK);
        }
    }
    theLog.WriteResourceLine(1, IDS_FINISHED);
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
    const CMessageRecorder messages;
    {
        const CCurrentFolder inDest(dest);
        RunCase(caseDir, dest.string());
        theLog.Close();
    }
    EXPECT_EQ(messages.Texts(), ExpectedMessages(caseDir));
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
