// tarvolin-batch's command line: [-t FILE] [-d DIR] [-n] [-q] [--list] [--] SOURCE...
// Parsed with getopt_long; a usage error is a CUsageError carrying its one-line message.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct CCommandLine {
    std::string m_strTransformFile; // as given with -t; empty: Tarvolin.ini beside the executable
    bool m_bHasDestDir = false;
    std::string m_strDestDir;
    bool m_bDryRun = false;
    bool m_bQuiet = false;
    bool m_bList = false;
    bool m_bHelp = false;
    bool m_bVersion = false;
    std::vector<std::string> m_arrSources;
};

class CUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

CCommandLine ParseCommandLine(int argc, char** argv);

// The --help text, LF-ended lines.
std::string UsageText();
