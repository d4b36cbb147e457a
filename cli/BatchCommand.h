// CBatchCommand: tarvolin-batch's whole invocation over the same batch run as the window's "&Go!".
// Order: check that the transformation file can be read, load it, then --list, or the destination
// check and the run (or the --dry-run plan), then the failed files and the summary.
#pragma once

#include "app/TarvolinCore.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ExitStatus.h"
#include "platform/MessageBox.h"

class CBatchCommand : public CTarvolinCore {
public:
    explicit CBatchCommand(const CCommandLine& commandLine);
    ~CBatchCommand() override;

    ExitStatus Run();

protected:
    bool UpdateData(bool) override { return true; }
    void OnSelectionCleared() override {}
    std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) override;
    void ReportFinished() override { m_bFinished = true; }

private:
    ExitStatus ListTransforms();
    ExitStatus PrintPlan();
    ExitStatus RunBatch();

    const CCommandLine& m_commandLine;
    CConsole m_console;
    MessageBoxHandler m_previousHandler;
    int m_nRejectedGroups = 0;
    bool m_bFinished = false;
};
