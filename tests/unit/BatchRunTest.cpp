// The batch run driven through a recording window: every window-bound step, message box and progress
// call lands in one event list, so the order of what the user would see is checked as a whole.
#include "app/TarvolinCore.h"
#include "platform/MessageBox.h"
#include "support/ModelTestSupport.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"
#include "transformfile/TransformTable.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

class CRecordingProgress : public IBatchProgress {
public:
    CRecordingProgress(Events& events, int cancelAtPump) : m_events(events), m_nCancelAtPump(cancelAtPump) {}
    ~CRecordingProgress() override { m_events.push_back("progress deleted"); }

    bool BeginModal(const std::string& caption, bool) override {
        m_events.push_back("BeginModal " + caption);
        return true;
    }
    void SetRange(int lower, int upper, int step) override {
        m_events.push_back("SetRange " + std::to_string(lower) + " " + std::to_string(upper) + " " +
                           std::to_string(step));
    }
    void SetText(const std::string& text) override { m_events.push_back("SetText " + text); }
    int Step() override {
        m_events.push_back("Step " + std::to_string(++m_nPosition));
        return m_nPosition - 1;
    }
    bool PumpMessages(bool cancelOnEscape) override {
        m_events.push_back(cancelOnEscape ? "Pump escape" : "Pump");
        if (++m_nPumps == m_nCancelAtPump) {
            m_bCancelRequested = true;
        }
        return m_bCancelRequested;
    }
    bool IsCancelRequested() const override { return m_bCancelRequested; }

private:
    Events& m_events;
    int m_nCancelAtPump;
    int m_nPosition = 0;
    int m_nPumps = 0;
    bool m_bCancelRequested = false;
};

class CRecordingWindow : public CTarvolinCore {
public:
    Events m_events;
    // The n-th PumpMessages (from 1) finds the Cancel button pressed; 0 never.
    int m_nCancelAtPump = 0;

protected:
    bool UpdateData(bool bSaveAndValidate) override {
        m_events.push_back(bSaveAndValidate ? "UpdateData in" : "UpdateData out: " + m_strStatus);
        return true;
    }
    void OnSelectionCleared() override { m_events.push_back("selection cleared"); }
    std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) override {
        m_events.push_back("progress created " + caption);
        return std::make_unique<CRecordingProgress>(m_events, m_nCancelAtPump);
    }
};

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        theLog.ResetForTesting();
        std::filesystem::create_directory(m_dir.Path() / "in");
        std::filesystem::create_directory(m_dir.Path() / "out");
        m_previousHandler = SetMessageBoxHandler([this](const std::string& text, UINT) {
            m_window.m_events.push_back("message " + text);
            return IDOK;
        });
        m_window.m_strDestDir = m_dir / "out";
    }
    void TearDown() override {
        SetMessageBoxHandler(std::move(m_previousHandler));
        theLog.ResetForTesting();
        FreeTransformTable();
    }

    void OpenLog() {
        theLog.m_nLogLevel = 1;
        ASSERT_TRUE(theLog.OpenLog(m_dir / "run.log"));
    }
    std::string Log() const { return ReadFileBytes(m_dir.Path() / "run.log"); }

    // Groups that scale by 2, each with its match and substitute.
    static void SetGroups(const std::vector<std::pair<std::string, std::string>>& patterns) {
        g_nTransforms = static_cast<int>(patterns.size());
        g_pTransforms = std::make_unique<CTransformGroup[]>(patterns.size());
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            g_pTransforms[i] = MakeDefaultGroup(patterns[i].first, patterns[i].second);
            const CQuietLog quiet;
            g_pTransforms[i].SetScale(2, 2, 2);
        }
    }

    // Source files in in/, selected in this order.
    void Select(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            const std::string path = m_dir / ("in/" + name);
            if (!name.starts_with("missing")) {
                WriteFileBytes(path,
                               "node " + name.substr(0, name.find('.')) + "\r\n  verts 1\r\n    1 2 3\r\n");
            }
            m_window.m_arrSourceFiles.push_back(path);
        }
        m_window.m_nSourceFiles = static_cast<int>(names.size());
    }

    std::vector<std::string> Outputs() const { return FileNamesIn(m_dir.Path() / "out"); }

    CTempDir m_dir;
    CRecordingWindow m_window;
    MessageBoxHandler m_previousHandler;
};

TEST_F(BatchRunTest, NothingSelectedShowsOneMessageAndLogsNothing) {
    OpenLog();
    m_window.OnGo();
    EXPECT_EQ(m_window.m_events, (Events{"UpdateData in", "message No files selected to process."}));
    EXPECT_EQ(Log(), "");
}

TEST_F(BatchRunTest, AnEmptyDestinationIsRefusedBeforeAnythingHappens) {
    OpenLog();
    SetGroups({{"*", "*_x"}});
    Select({"a.mdl"});
    m_window.m_strDestDir.clear();
    m_window.OnGo();
    EXPECT_EQ(m_window.m_events, (Events{"UpdateData in", "message No destination directory selected."}));
    EXPECT_EQ(Log(), "");
    EXPECT_TRUE(Outputs().empty());
}

TEST_F(BatchRunTest, OneFileWithoutGroupsIsOpenedAndNothingWritten) {
    OpenLog();
    Select({"a.mdl"});
    m_window.OnGo();
    EXPECT_EQ(m_window.m_events,
              (Events{"UpdateData in", "progress created Tarvolin Progress", "BeginModal Progress",
                      "SetRange 0 1 1", "SetText Processing...", "Step 1", "Pump escape", "progress deleted",
                      "UpdateData out: Ready", "message Finished Processing!"}));
    EXPECT_EQ(Log(), Crlf("Processing...\nOpening new input file for a\nFinished Processing!\n"));
    EXPECT_TRUE(Outputs().empty());
}

TEST_F(BatchRunTest, GroupsRunInTableOrderAndOnlyWhereTheyMatch) {
    OpenLog();
    SetGroups({{"a*", "*_one"}, {"zzz", "*_never"}, {"*", "*_two"}});
    Select({"a.mdl"});
    m_window.OnGo();
    const Events expected{"UpdateData in",
                          "progress created Tarvolin Progress",
                          "BeginModal Progress",
                          "SetRange 0 1 1",
                          "SetText Processing...",
                          "Step 1",
                          "SetText Processing a_one.mdl",
                          "SetText Processing a_two.mdl",
                          "Pump escape",
                          "progress deleted",
                          "UpdateData out: Ready",
                          "message Finished Processing!"};
    EXPECT_EQ(m_window.m_events, expected);
    EXPECT_EQ(Log(), Crlf("Processing...\nOpening new input file for a\nProcessing a_one.mdl\n"
                          "Processing a_two.mdl\nFinished Processing!\n"));
    EXPECT_EQ(Outputs(), (std::vector<std::string>{"a_one.mdl", "a_two.mdl"}));
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/a_two.mdl"),
              Crlf("node a_two\n  verts 1\n    2.0000000 4.0000000 6.0000000\n"));
    EXPECT_EQ(m_window.m_lastRun.m_nOutputsWritten, 2);
}

TEST_F(BatchRunTest, CancelTakesEffectAfterTheFileInProgress) {
    for (const int cancelAt : {2, 3}) {
        theLog.ResetForTesting();
        std::filesystem::remove_all(m_dir.Path() / "out");
        std::filesystem::create_directory(m_dir.Path() / "out");
        std::filesystem::remove(m_dir.Path() / "run.log");
        m_window.m_events.clear();
        m_window.m_arrSourceFiles.clear();
        m_window.m_nCancelAtPump = cancelAt;
        OpenLog();
        SetGroups({{"*", "*_x"}});
        Select({"a.mdl", "b.mdl", "c.mdl"});
        m_window.OnGo();
        const std::vector<std::string> written =
            cancelAt == 2 ? std::vector<std::string>{"a_x.mdl", "b_x.mdl"}
                          : std::vector<std::string>{"a_x.mdl", "b_x.mdl", "c_x.mdl"};
        EXPECT_EQ(Outputs(), written);
        const Events& events = m_window.m_events;
        const Events tail{"message Processing cancelled.", "progress deleted", "UpdateData out: Ready"};
        ASSERT_GE(events.size(), tail.size());
        EXPECT_EQ(Events(events.end() - 3, events.end()), tail) << cancelAt;
        EXPECT_TRUE(Log().ends_with(Crlf("Processing " + written.back() + "\nFinished Processing!\n")))
            << Log();
        EXPECT_EQ(Log().find("input file for c") == std::string::npos, cancelAt == 2);
        EXPECT_TRUE(m_window.m_lastRun.m_bCancelled);
    }
}

TEST_F(BatchRunTest, AFailedFileIsReportedAndTheRunGoesOn) {
    OpenLog();
    SetGroups({{"*", "*_x"}});
    Select({"missing.mdl", "b.mdl", "c.mdl"});
    m_window.OnGo();
    const Events& events = m_window.m_events;
    const auto error = std::find(events.begin(), events.end(), "message Error processing files.");
    ASSERT_NE(error, events.end());
    EXPECT_EQ(*(error - 1), "Step 1");
    EXPECT_EQ(events.back(), "message Finished Processing!");
    EXPECT_EQ(Outputs(), (std::vector<std::string>{"b_x.mdl", "c_x.mdl"}));
    EXPECT_EQ(m_window.m_lastRun.m_arrFailedFiles, (std::vector<std::string>{m_dir / "in/missing.mdl"}));
    EXPECT_EQ(m_window.m_lastRun.m_nSourcesStarted, 3);
}

TEST_F(BatchRunTest, AnOutputThatCannotBeCreatedSkipsTheFilesRemainingGroups) {
    OpenLog();
    SetGroups({{"*", "*_1"}, {"*", "*_2"}, {"*", "*_3"}});
    Select({"a.mdl", "b.mdl"});
    // A folder where a_2.mdl should go makes that output fail to open.
    std::filesystem::create_directory(m_dir.Path() / "out/a_2.mdl");
    m_window.OnGo();
    EXPECT_EQ(Outputs(), (std::vector<std::string>{"a_1.mdl", "a_2.mdl", "b_1.mdl", "b_2.mdl", "b_3.mdl"}));
    EXPECT_TRUE(std::filesystem::is_directory(m_dir.Path() / "out/a_2.mdl"));
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/a_1.mdl"),
              Crlf("node a_1\n  verts 1\n    2.0000000 4.0000000 6.0000000\n"));
    const Events& events = m_window.m_events;
    const auto error = std::find(events.begin(), events.end(), "message Error processing files.");
    ASSERT_NE(error, events.end());
    EXPECT_EQ(*(error - 1), "SetText Processing a_1.mdl");
    EXPECT_EQ(m_window.m_lastRun.m_nOutputsWritten, 4);
}

TEST_F(BatchRunTest, ProgressStepsBeforeEachFile) {
    SetGroups({{"*", "*_x"}});
    Select({"a.mdl", "b.mdl", "c.mdl", "d.mdl"});
    m_window.OnGo();
    Events steps;
    for (const auto& event : m_window.m_events) {
        if (event.starts_with("Step") || event.starts_with("SetText Processing ") ||
            event.starts_with("SetRange")) {
            steps.push_back(event);
        }
    }
    EXPECT_EQ(steps, (Events{"SetRange 0 4 1", "Step 1", "SetText Processing a_x.mdl", "Step 2",
                             "SetText Processing b_x.mdl", "Step 3", "SetText Processing c_x.mdl", "Step 4",
                             "SetText Processing d_x.mdl"}));
}

TEST_F(BatchRunTest, ARepeatedRunReplacesItsOutputs) {
    SetGroups({{"*", "*_x"}});
    Select({"a.mdl"});
    m_window.OnGo();
    WriteFileBytes(m_dir.Path() / "in/a.mdl", "node a\r\n  verts 1\r\n    1 1 1\r\n");
    m_window.OnGo();
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out/a_x.mdl"),
              Crlf("node a_x\n  verts 1\n    2.0000000 2.0000000 2.0000000\n"));
    EXPECT_EQ(m_window.m_strStatus, "Ready");
}

TEST_F(BatchRunTest, TheSelectionResetEndsInAwaitingInput) {
    Select({"a.mdl"});
    m_window.ResetSelection();
    EXPECT_TRUE(m_window.m_arrSourceFiles.empty());
    EXPECT_EQ(m_window.m_nSourceFiles, 0);
    EXPECT_EQ(m_window.m_events, (Events{"selection cleared", "UpdateData out: Awaiting input files..."}));
}

} // namespace
