// CRecordingBatch: the batch run of "&Go!" with a window that records what the user would see (message
// boxes and progress texts, in order) and lets a test act at the moment a group's output is announced,
// the one point between two groups of a file where something outside could change the source.
#pragma once

#include "app/TarvolinCore.h"
#include "platform/MessageBox.h"

#include <functional>
#include <string>
#include <vector>

class CRecordingBatch : public CTarvolinCore {
public:
    // Installs a message-box handler that records; the previous one comes back on destruction.
    CRecordingBatch();
    ~CRecordingBatch() override;

    // Selects these source paths, in this order, and runs "&Go!" into destDir.
    void Run(const std::vector<std::string>& sources, const std::string& destDir);

    // Every message box of the run and every "Processing NAME" text, in order.
    std::vector<std::string> m_arrEvents;
    // Called with the text "Processing NAME" before that output's pass.
    std::function<void(const std::string& text)> m_onProcessing;

protected:
    bool UpdateData(bool) override { return true; }
    void OnSelectionCleared() override {}
    std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) override;

private:
    MessageBoxHandler m_previousHandler;
};
