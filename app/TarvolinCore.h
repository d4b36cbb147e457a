// CTarvolinCore: the main window's fields and the batch run behind "&Go!", without a window.
// The window program and tarvolin-batch derive from it and supply the few window-bound steps (field
// transfer, the selection's view, the progress display); everything else, from the order of the log
// records to the containment of a failed file, is written once here.
#pragma once

#include "app/BatchProgress.h"
#include "platform/WinTypes.h"
#include "transformfile/TransformFileLoader.h"

#include <memory>
#include <string>
#include <vector>

// What the last batch run did, for the command line's closing lines.
struct CBatchSummary {
    int m_nSourcesStarted = 0;
    int m_nOutputsWritten = 0;
    std::vector<std::string> m_arrFailedFiles;
    bool m_bCancelled = false;
    // The run stopped before it started (nothing selected, no destination).
    bool m_bRefused = false;
};

class CTarvolinCore : public ITransformFileTarget {
public:
    CTarvolinCore() = default;
    CTarvolinCore(const CTarvolinCore&) = delete;
    CTarvolinCore& operator=(const CTarvolinCore&) = delete;
    ~CTarvolinCore() override;

    // The whole batch run of "&Go!".
    void OnGo();
    // Every transform group over one source file; errors propagate to OnGo.
    void ProcessSourceFile(const std::string& sourcePath);
    // Shows string id as the status; 104 opens the progress display, 105 closes it.
    void SetStatus(UINT id);
    void ShowProgress(const std::string& text);

    // Loads a transformation file ("" = the default one) into the table and the folders; returns how
    // many groups were rejected.
    int LoadTransformationFile(const std::string& path);

    // The end of the main window: "Closing... ", the remembered folders (window program only), the log
    // flushed and closed, the progress display and the transform table freed.
    enum class FolderMemory { Write, Skip };
    void CloseDown(FolderMemory folders);

    // Selection reset, at the end of every load.
    void ResetSelection() override;
    void SetSourceDir(const std::string& dir) override { m_strSourceDir = dir; }
    void SetDestDir(const std::string& dir) override { m_strDestDir = dir; }

    std::vector<std::string> m_arrSourceFiles;
    std::string m_strSourceDir;
    int m_nSourceFiles = 0;
    std::unique_ptr<IBatchProgress> m_pProgress;
    std::string m_strStatus;
    std::string m_strDestDir;
    std::string m_strTransformFile;

    CBatchSummary m_lastRun;

protected:
    // CWnd::UpdateData: true copies the controls into the fields, false the fields into the controls.
    virtual bool UpdateData(bool bSaveAndValidate) = 0;
    // The selection's view after a reset: the list emptied, "&Go!" disabled.
    virtual void OnSelectionCleared() = 0;
    // A new progress display owned by the main window, showing caption.
    virtual std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) = 0;
    // The message that ends a run that was not cancelled; the command line shows it after its summary.
    virtual void ReportFinished();
};
