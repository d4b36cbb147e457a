#include "cli/CommandLine.h"

#include <getopt.h>

namespace {

enum LongOnly { kList = 1000, kHelp, kVersion };

const option kOptions[] = {
    {"transforms", required_argument, nullptr, 't'}, {"dest", required_argument, nullptr, 'd'},
    {"dry-run", no_argument, nullptr, 'n'},          {"quiet", no_argument, nullptr, 'q'},
    {"list", no_argument, nullptr, kList},           {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},     {nullptr, 0, nullptr, 0},
};

std::string OptionName(int code, char** argv) {
    if (code != '?' && code != ':') {
        return std::string("-") + static_cast<char>(code);
    }
    // getopt_long leaves the offending word just before optind.
    return optopt != 0 ? std::string("-") + static_cast<char>(optopt) : std::string(argv[optind - 1]);
}

} // namespace

CCommandLine ParseCommandLine(int argc, char** argv) {
    CCommandLine commandLine;
    opterr = 0;
    optind = 1;
    for (;;) {
        const int code = getopt_long(argc, argv, ":t:d:nq", kOptions, nullptr);
        if (code == -1) {
            break;
        }
        switch (code) {
        case 't':
            commandLine.m_strTransformFile = optarg;
            break;
        case 'd':
            commandLine.m_bHasDestDir = true;
            commandLine.m_strDestDir = optarg;
            break;
        case 'n':
            commandLine.m_bDryRun = true;
            break;
        case 'q':
            commandLine.m_bQuiet = true;
            break;
        case kList:
            commandLine.m_bList = true;
            break;
        case kHelp:
            commandLine.m_bHelp = true;
            break;
        case kVersion:
            commandLine.m_bVersion = true;
            break;
        case ':':
            throw CUsageError("option " + OptionName(code, argv) + " needs an argument (see --help)");
        default:
            throw CUsageError("unknown option " + OptionName(code, argv) + " (see --help)");
        }
    }
    for (int i = optind; i < argc; ++i) {
        commandLine.m_arrSources.emplace_back(argv[i]);
    }
    if (commandLine.m_bHelp || commandLine.m_bVersion || commandLine.m_bList) {
        return commandLine;
    }
    if (commandLine.m_arrSources.empty()) {
        throw CUsageError("no SOURCE given (see --help)");
    }
    return commandLine;
}

std::string UsageText() {
    return "Usage: tarvolin-batch [-t FILE] [-d DIR] [-n] [-q] [--list] [--] SOURCE...\n"
           "Rewrites model files as the transform groups of a transformation file direct.\n"
           "\n"
           "  -t, --transforms FILE  the transformation file (default: Tarvolin.ini beside this program)\n"
           "  -d, --dest DIR         the destination folder (default: DestDir of the transformation file)\n"
           "  -n, --dry-run          print SOURCE -> OUTPUT per source file and matching group; write "
           "nothing\n"
           "  -q, --quiet            no progress bar\n"
           "      --list             print the transform listing and exit\n"
           "      --help             print this help and exit\n"
           "      --version          print the version and exit\n"
           "\n"
           "A SOURCE that is a folder stands for its *.mdl files, sorted by name.\n"
           "Exit status: 0 all done, 1 a source file failed or a group was rejected,\n"
           "2 nothing done (usage, transformation file, sources or destination), 130 cancelled.\n";
}
