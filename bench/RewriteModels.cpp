// Drives the rewriter over a folder of models as a batch run does, for the end-to-end benchmark.
// Usage: tarvolin_rewrite_models SOURCE_FOLDER DEST_FOLDER GROUPS [textured]
// GROUPS groups all select every model, each writing its own output (NAME_a.mdl, NAME_b.mdl, ...).
#include "BenchGroups.h"
#include "model/ModelRewriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SOURCE_FOLDER DEST_FOLDER GROUPS [textured]\n", argv[0]);
        return 2;
    }
    const bool textured = argc > 4 && std::string(argv[4]) == "textured";
    std::vector<CTransformGroup> groups;
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        groups.push_back(MakeBenchGroup(std::string("*_") + static_cast<char>('a' + i), textured));
    }
    std::vector<std::string> sources;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        sources.push_back(entry.path().string());
    }
    std::sort(sources.begin(), sources.end());
    int failed = 0;
    for (const auto& source : sources) {
        try {
            CModelRewriter rewriter(source, argv[2]);
            for (const auto& group : groups) {
                if (rewriter.OpenOutput(group)) {
                    rewriter.ProcessFile(group);
                }
            }
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", source.c_str(), e.what());
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
