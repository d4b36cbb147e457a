// Runs a program as a child process with its standard output and error captured, for end-to-end
// tests of tarvolin-batch.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct CChildResult {
    int m_nExitStatus = -1; // the exit code, or 128 + the signal that ended it
    std::string m_strStdout;
    std::string m_strStderr;
};

// args[0] is the program's path. onTick, when given, is called every few milliseconds while the child
// runs, with its pid, so a test can signal the child at a moment it chooses.
CChildResult RunChild(const std::vector<std::string>& args, const std::string& workingDir,
                      const std::function<void(int pid)>& onTick = {});
