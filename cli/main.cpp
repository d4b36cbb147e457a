// tarvolin-batch: the batch run of the window program's "&Go!", for scripts and builds.
#include "cli/BatchCommand.h"
#include "cli/CommandLine.h"
#include "cli/Interrupt.h"
#include "transformfile/Profile.h"

#include <cstdio>

int main(int argc, char** argv) {
    InstallInterruptHandler();
    // The window program's name, so both programs share the default Tarvolin.ini beside them.
    CProfile::SetAppName("Tarvolin");
    CCommandLine commandLine;
    try {
        commandLine = ParseCommandLine(argc, argv);
    } catch (const CUsageError& error) {
        std::fprintf(stderr, "tarvolin-batch: %s\n", error.what());
        return static_cast<int>(ExitStatus::Usage);
    }
    if (commandLine.m_bHelp) {
        std::fputs(UsageText().c_str(), stdout);
        return static_cast<int>(ExitStatus::Success);
    }
    if (commandLine.m_bVersion) {
        std::printf("tarvolin-batch %s\n", TARVOLIN_VERSION);
        return static_cast<int>(ExitStatus::Success);
    }
    CBatchCommand command(commandLine);
    return static_cast<int>(command.Run());
}
