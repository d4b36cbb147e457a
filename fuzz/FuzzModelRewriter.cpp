// CModelRewriter on arbitrary model bytes with a fixed table of groups that move vertices, texture
// vertices under one bitmap and node positions. Whatever the bytes: the source is never changed, a pass
// that completes leaves one CR LF ended line per source line, a pass that fails leaves no output, no
// temporary file is ever left behind, and an output over the source itself is refused.
#include "FuzzEnvironment.h"
#include "model/ModelRewriter.h"
#include "platform/Exceptions.h"
#include "support/ModelTestSupport.h"
#include "support/RunLog.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<CTransformGroup> MakeGroups() {
    std::vector<CTransformGroup> groups(5, MakeDefaultGroup("", ""));
    groups[0].SetMatch("*");
    groups[0].SetSubstitute("*_b");
    groups[0].SetScale(2.0, -1.5, 0.5);
    groups[0].SetRotate(30.0, 45.0, 60.0);
    groups[0].SetTranslate(1.0, 2.0, 3.0);
    groups[0].SetMinimum(-100.0, -100.0, -100.0);
    groups[0].SetMaximum(100.0, 100.0, 100.0);
    groups[1].SetMatch("small_*");
    groups[1].SetSubstitute("large*");
    groups[1].SetTScale(2.0, 0.5);
    groups[1].SetTRotate(0.0, 0.0, 90.0);
    groups[1].SetTTranslate(0.25, 0.5);
    groups[1].SetTBitmap("Helm_Gold");
    groups[2].SetMatch("*hat*");
    groups[2].SetSubstitute("?x*");
    groups[2].SetPosition(1.0, 2.0, 3.0);
    groups[3].SetMatch("*");
    groups[3].SetSubstitute("big");
    groups[4].SetMatch("*");
    groups[4].SetSubstitute("*");
    return groups;
}

std::size_t LineCount(std::string_view bytes) {
    const auto newlines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return newlines + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

bool EveryNewlineEndsACrLf(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            return false;
        }
    }
    return true;
}

std::size_t EntriesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzEnvironment& environment = CFuzzEnvironment::Get();
    static const std::vector<CTransformGroup> groups = [] {
        // The level-2 records of the pass are written too, into a sink that never fills.
        theLog.m_nLogLevel = 2;
        theLog.OpenLog("/dev/null");
        return MakeGroups();
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string in = environment.EmptyFolder("in");
    const std::string out = environment.EmptyFolder("out");
    const std::string source = in + "/small_hat01.mdl";
    WriteWholeFile(source, bytes);

    std::size_t outputs = 0;
    try {
        CModelRewriter rewriter(source, out);
        for (const CTransformGroup& group : std::span(groups).first(4)) {
            if (!rewriter.OpenOutput(group)) {
                continue;
            }
            const std::string output = rewriter.GetOutputPath();
            try {
                rewriter.ProcessFile(group);
            } catch (const CException&) {
                FuzzCheck(!fs::exists(output), "a failed pass left an output");
                throw;
            }
            ++outputs;
            const std::string written = ReadWholeFile(output);
            FuzzCheck(LineCount(written) == LineCount(bytes), "an output must have one line per source line");
            FuzzCheck(EveryNewlineEndsACrLf(written), "every output line ends in CR LF");
        }
    } catch (const CException&) {
        // What a batch run reports as "Error processing files." and goes on from.
    }
    FuzzCheck(EntriesIn(out) == outputs, "the destination holds exactly the completed outputs");

    try {
        // Destination = the source's folder and substitute "*": the output path is the source itself.
        CModelRewriter rewriter(source, in);
        rewriter.OpenOutput(groups[4]);
        FuzzFailure("an output over its own source must be refused");
    } catch (const CException&) {
    }
    FuzzCheck(ReadWholeFile(source) == bytes, "the source changed");
    FuzzCheck(EntriesIn(in) == 1, "a refused output left a file beside the source");
    environment.TakeMessageCount();
    return 0;
}
