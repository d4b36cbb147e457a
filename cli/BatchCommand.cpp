#include "cli/BatchCommand.h"

#include "cli/Interrupt.h"
#include "cli/SourceList.h"
#include "cli/TerminalProgress.h"
#include "geometry/TransformListing.h"
#include "model/ModelRewriter.h"
#include "platform/MessageBox.h"
#include "platform/StdioFile.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "transformfile/Profile.h"
#include "transformfile/TransformTable.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

std::string TransformFilePath(const std::string& given) {
    if (given.empty()) {
        return GetDefaultProfilePath();
    }
    // Relative to the current folder, not to the executable as a path inside the file would be.
    std::error_code error;
    const auto absolute = std::filesystem::absolute(given, error);
    return error ? given : absolute.string();
}

bool CanRead(const std::string& path) {
    CStdioFile file;
    return file.Open(path, CFile::modeRead | CFile::typeText) != 0;
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

CBatchCommand::CBatchCommand(const CCommandLine& commandLine)
    : m_commandLine(commandLine), m_console(!commandLine.m_bQuiet && ::isatty(STDERR_FILENO) != 0) {
    m_previousHandler = SetMessageBoxHandler([this](const std::string& text, UINT type) {
        m_console.Message(text);
        return (type & 0x0F) == MB_YESNO ? IDNO : IDOK;
    });
}

CBatchCommand::~CBatchCommand() {
    SetMessageBoxHandler(std::move(m_previousHandler));
}

std::unique_ptr<IBatchProgress> CBatchCommand::CreateProgressWindow(const std::string&) {
    return std::make_unique<CTerminalProgress>(m_console);
}

ExitStatus CBatchCommand::Run() {
    const std::string transformFile = TransformFilePath(m_commandLine.m_strTransformFile);
    if (!CanRead(transformFile)) {
        m_console.Message("cannot read the transformation file " + transformFile);
        return ExitStatus::Usage;
    }
    m_strTransformFile = transformFile;
    m_nRejectedGroups = ::LoadTransformationFile(
        *this, transformFile, m_commandLine.m_bDryRun ? LogOpening::Leave : LogOpening::Open);
    if (m_commandLine.m_bList) {
        return ListTransforms();
    }
    if (m_commandLine.m_bHasDestDir) {
        m_strDestDir = m_commandLine.m_strDestDir;
    }
    if (m_strDestDir.empty()) {
        m_console.Message("No destination directory selected.");
        if (!m_commandLine.m_bDryRun) {
            CloseDown(FolderMemory::Skip);
        }
        return ExitStatus::Usage;
    }
    m_arrSourceFiles = ExpandSources(m_commandLine.m_arrSources);
    m_nSourceFiles = static_cast<int>(m_arrSourceFiles.size());
    return m_commandLine.m_bDryRun ? PrintPlan() : RunBatch();
}

ExitStatus CBatchCommand::ListTransforms() {
    for (const std::string& line : FormatTransformListing()) {
        PrintLine(line);
    }
    std::fflush(stdout);
    CloseDown(FolderMemory::Skip);
    return m_nRejectedGroups > 0 ? ExitStatus::Failure : ExitStatus::Success;
}

ExitStatus CBatchCommand::PrintPlan() {
    if (m_nSourceFiles == 0) {
        AfxMessageBox(IDS_NO_FILES_SELECTED);
        return ExitStatus::Usage;
    }
    bool failed = false;
    for (const std::string& source : m_arrSourceFiles) {
        try {
            CModelRewriter rewriter(source, m_strDestDir);
            for (int k = 0; k < g_nTransforms; ++k) {
                if (rewriter.PlanOutput(g_pTransforms[static_cast<std::size_t>(k)])) {
                    PrintLine(source + " -> " + rewriter.GetOutputPath());
                }
            }
        } catch (...) {
            failed = true;
            AfxMessageBox("Error processing files.");
        }
    }
    std::fflush(stdout);
    return failed || m_nRejectedGroups > 0 ? ExitStatus::Failure : ExitStatus::Success;
}

ExitStatus CBatchCommand::RunBatch() {
    SetRunActive();
    OnGo();
    if (m_lastRun.m_bRefused) {
        CloseDown(FolderMemory::Skip);
        return ExitStatus::Usage;
    }
    for (const std::string& path : m_lastRun.m_arrFailedFiles) {
        m_console.Message("failed: " + path);
    }
    m_console.Message("summary: " + std::to_string(m_lastRun.m_nSourcesStarted) + " source files, " +
                      std::to_string(m_lastRun.m_nOutputsWritten) + " outputs written, " +
                      std::to_string(m_lastRun.m_arrFailedFiles.size()) + " failed");
    if (m_bFinished) {
        m_console.Message(LoadResourceString(IDS_FINISHED));
    }
    CloseDown(FolderMemory::Skip);
    if (m_lastRun.m_bCancelled) {
        return ExitStatus::Cancelled;
    }
    return !m_lastRun.m_arrFailedFiles.empty() || m_nRejectedGroups > 0 ? ExitStatus::Failure
                                                                        : ExitStatus::Success;
}
