// The pattern code on arbitrary patterns and names: WildcardMatch agrees with a plain dynamic-programming
// matcher (and so never takes exponential time), and an output named from any substitute pattern for any
// source name has no folder separator in its name and is never written outside the destination folder.
#include "FuzzEnvironment.h"
#include "model/ModelRewriter.h"
#include "platform/Exceptions.h"
#include "transformfile/WildcardMatch.h"

#include <filesystem>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool ReferenceMatch(std::string_view pattern, std::string_view text) {
    // matches[j]: pattern[0, i) matches text[0, j).
    std::vector<char> matches(text.size() + 1, 0);
    matches[0] = 1;
    for (const char p : pattern) {
        std::vector<char> next(text.size() + 1, 0);
        next[0] = p == '*' && matches[0];
        for (std::size_t j = 1; j <= text.size(); ++j) {
            if (p == '*') {
                next[j] = matches[j] || next[j - 1];
            } else {
                next[j] = matches[j - 1] && (p == '?' || p == text[j - 1]);
            }
        }
        matches.swap(next);
    }
    return matches[text.size()] != 0;
}

// A file name the file system takes, made from arbitrary bytes ('\' stays: it splits the model name).
std::string FileNameFrom(std::string name) {
    for (char& c : name) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    if (name.size() > 200) {
        name.resize(200);
    }
    return name.empty() || name == "." || name == ".." ? std::string("x") : name;
}

std::vector<std::string> EntriesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string pattern = provider.ConsumeRandomLengthString(96);
    const std::string text = provider.ConsumeRandomLengthString(96);
    const std::string substitute = provider.ConsumeRandomLengthString(64);
    const std::string name = FileNameFrom(provider.ConsumeRemainingBytesAsString());
    FuzzCheck(WildcardMatch(pattern, text) == ReferenceMatch(pattern, text),
              "WildcardMatch disagrees with the reference matcher");

    CFuzzEnvironment& environment = CFuzzEnvironment::Get();
    const std::string top = environment.EmptyFolder("top");
    const std::string in = top + "/in";
    const std::string out = top + "/out";
    fs::create_directory(in);
    fs::create_directory(out);
    const std::string source = in + "/" + name;
    WriteWholeFile(source, "node x\n");

    CTransformGroup group;
    group.Reset();
    group.SetMatch(pattern);
    group.SetSubstitute(substitute);
    try {
        CModelRewriter rewriter(source, out);
        if (rewriter.PlanOutput(group)) {
            const std::string outputName = rewriter.GetOutputFileName();
            FuzzCheck(outputName.find_first_of("/\\") == std::string::npos,
                      "an output name holds a folder separator");
            FuzzCheck(rewriter.GetOutputPath() == out + "/" + outputName,
                      "the output path is not the destination folder and the name");
            // Opened and then abandoned with the rewriter: only a refusal may come out of it.
            rewriter.OpenOutput(group);
        }
    } catch (const CTextException&) {
        // "Invalid file name." for a name without a base name, "Cannot open output file." for "." or "..".
    }
    environment.TakeMessageCount();
    FuzzCheck(EntriesIn(top) == std::vector<std::string>{"in", "out"} ||
                  EntriesIn(top) == std::vector<std::string>{"out", "in"},
              "something was written beside the destination folder");
    FuzzCheck(EntriesIn(in) == std::vector<std::string>{name}, "something was written beside the source");
    FuzzCheck(EntriesIn(out).empty(), "an abandoned output stayed in the destination");
    return 0;
}
