#include "app/TarvolinCore.h"

#include "model/ModelRewriter.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "support/RunLog.h"
#include "transformfile/TransformTable.h"

CTarvolinCore::~CTarvolinCore() = default;

void CTarvolinCore::OnGo() {
    UpdateData(true);
    m_lastRun = CBatchSummary{};
    if (m_nSourceFiles == 0) {
        m_lastRun.m_bRefused = true;
        AfxMessageBox(IDS_NO_FILES_SELECTED);
        return;
    }
    // An empty folder text would put every output into the root of the file system.
    if (m_strDestDir.empty()) {
        m_lastRun.m_bRefused = true;
        AfxMessageBox("No destination directory selected.");
        return;
    }
    SetStatus(IDS_PROCESSING);
    theLog.WriteResourceLine(1, IDS_PROCESSING);
    int i = 0;
    for (; i < m_nSourceFiles; ++i) {
        if (m_pProgress) {
            m_pProgress->Step();
        }
        ++m_lastRun.m_nSourcesStarted;
        try {
            ProcessSourceFile(m_arrSourceFiles[static_cast<std::size_t>(i)]);
        } catch (...) {
            // Whatever one file did, the run goes on with the next; the error's own text is not shown.
            m_lastRun.m_arrFailedFiles.push_back(m_arrSourceFiles[static_cast<std::size_t>(i)]);
            AfxMessageBox("Error processing files.");
        }
        if (m_pProgress) {
            m_pProgress->PumpMessages(true);
        }
        if (m_pProgress && m_pProgress->IsCancelRequested()) {
            m_lastRun.m_bCancelled = true;
            ShowMessageBox("Processing cancelled.", MB_OK);
            break;
        }
    }
    SetStatus(IDS_READY);
    theLog.WriteResourceLine(1, IDS_FINISHED);
    if (i == m_nSourceFiles) {
        ReportFinished();
    }
}

void CTarvolinCore::ReportFinished() {
    AfxMessageBox(IDS_FINISHED);
}

void CTarvolinCore::ProcessSourceFile(const std::string& sourcePath) {
    CModelRewriter rewriter(sourcePath, m_strDestDir);
    for (int k = 0; k < g_nTransforms; ++k) {
        const CTransformGroup& group = g_pTransforms[static_cast<std::size_t>(k)];
        if (!rewriter.OpenOutput(group)) {
            continue;
        }
        const std::string text = "Processing " + rewriter.GetOutputFileName();
        if (m_pProgress) {
            m_pProgress->SetText(text);
        } else {
            m_strStatus = text;
            UpdateData(false);
        }
        theLog.WriteLine(1, text);
        rewriter.ProcessFile(group);
        ++m_lastRun.m_nOutputsWritten;
    }
}

void CTarvolinCore::SetStatus(UINT id) {
    const std::string text = LoadResourceString(id);
    if (id == IDS_PROCESSING) {
        ShowProgress(text);
        return;
    }
    if (id == IDS_READY && m_pProgress) {
        m_pProgress.reset();
    }
    if (m_pProgress) {
        m_pProgress->SetText(text);
    } else {
        m_strStatus = text;
        UpdateData(false);
    }
}

void CTarvolinCore::ShowProgress(const std::string& text) {
    if (!m_pProgress) {
        m_pProgress = CreateProgressWindow("Tarvolin Progress");
    }
    m_pProgress->BeginModal("Progress", false);
    m_pProgress->SetRange(0, m_nSourceFiles, 1);
    m_pProgress->SetText(text);
}

int CTarvolinCore::LoadTransformationFile(const std::string& path) {
    return ::LoadTransformationFile(*this, path);
}

void CTarvolinCore::ResetSelection() {
    m_arrSourceFiles.clear();
    OnSelectionCleared();
    m_nSourceFiles = 0;
    SetStatus(IDS_AWAITING_INPUT);
}

void CTarvolinCore::CloseDown(FolderMemory folders) {
    theLog.WriteLine(1, "Closing... ");
    if (folders == FolderMemory::Write) {
        WriteRememberedFolders(m_strSourceDir, m_strDestDir);
    }
    try {
        theLog.Flush();
        theLog.Close();
    } catch (...) {
        // Nothing is left to tell about a log that cannot be closed.
    }
    m_arrSourceFiles.clear();
    m_nSourceFiles = 0;
    m_pProgress.reset();
    FreeTransformTable();
}
