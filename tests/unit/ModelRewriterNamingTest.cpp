// The rewriter's file side: model names, which groups apply, output names and paths.
#include "model/ModelRewriter.h"
#include "support/MessageRecorder.h"
#include "support/ModelTestSupport.h"
#include "support/RewriterTest.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ModelRewriterNaming : public CRewriterTest {
protected:
    std::string Source(const std::string& name, const std::string& bytes = "node x\r\n") {
        WriteFileBytes(m_dir / name, bytes);
        return m_dir / name;
    }
    std::string Log() const { return ReadFileBytes(m_dir / "run.log"); }
    std::string OutDir() const { return m_dir / "out"; }
};

TEST_F(ModelRewriterNaming, BuildsOutputNamesFromTheSubstitutePattern) {
    const std::pair<const char*, const char*> cases[] = {
        {"*", "small_hat01"},
        {"large*", "large_hat01"},
        {"x?y*", "xmyll_hat01"},
        {"*_b", "small_hat01_b"},
        {"big", "big"},
        {"???", "sma"},
        {"a:b", "ab"},
        {"", ""},
        {"\"/<>\\|*", "small_hat01"},
        {"?????????????z", "small_hat01z"},
    };
    CModelRewriter rewriter(Source("small_hat01.mdl"), OutDir());
    for (const auto& [substitute, name] : cases) {
        ASSERT_TRUE(rewriter.PlanOutput(MakeDefaultGroup("*", substitute))) << substitute;
        EXPECT_EQ(rewriter.GetOutputPath(), OutDir() + "/" + name + ".mdl") << substitute;
        EXPECT_EQ(rewriter.GetOutputFileName(), std::string(name) + ".mdl") << substitute;
    }
    // Planning writes nothing and logs nothing beyond the opening of the source.
    EXPECT_TRUE(std::filesystem::is_empty(OutDir()));
    EXPECT_EQ(Log(), "Opening new input file for small_hat01\r\n");
}

TEST_F(ModelRewriterNaming, AppliesAGroupOnlyWhenItsPatternMatchesTheWholeName) {
    struct Case {
        const char* file;
        const char* match;
        bool applies;
    };
    const Case cases[] = {
        {"small_hat01.mdl", "small_*", true},     {"smallhat01.mdl", "small_*", false},
        {"small_hat01.mdl", "small?hat01", true}, {"small_hat01.mdl", "small_hat01", true},
        {"small_hat01.mdl", "small_hat0", false}, {"Small_HAT01.mdl", "small_hat01", true},
        {"small_hat01.mdl", "", false},           {"small_hat01.mdl", "*", true},
    };
    for (const auto& c : cases) {
        CModelRewriter rewriter(Source(c.file), OutDir());
        EXPECT_EQ(rewriter.PlanOutput(MakeDefaultGroup(c.match)), c.applies) << c.file << " " << c.match;
    }
}

TEST_F(ModelRewriterNaming, AGroupThatDoesNotApplyWritesAndLogsNothing) {
    CModelRewriter rewriter(Source("small_hat01.mdl"), OutDir());
    EXPECT_FALSE(rewriter.OpenOutput(MakeDefaultGroup("big_*")));
    EXPECT_TRUE(std::filesystem::is_empty(OutDir()));
    EXPECT_EQ(Log(), "Opening new input file for small_hat01\r\n");
}

TEST_F(ModelRewriterNaming, KeepsTheExtensionInItsCaseAndLowercasesOnlyAscii) {
    struct Case {
        const char* file;
        const char* substitute;
        const char* output;
    };
    const Case cases[] = {
        {"Small_Hat01.MDL", "large*", "large_hat01.MDL"},
        {"\xC3\x84RGER_Hat.mdl", "*_b", "\xC3\x84rger_hat_b.mdl"}, // UTF-8 bytes stay as they are
        {"noext", "*_b", "noext_b"},
        {"two.dots.Mdl", "*_b", "two.dots_b.Mdl"},
    };
    for (const auto& c : cases) {
        CModelRewriter rewriter(Source(c.file), OutDir());
        ASSERT_TRUE(RewriteWith(rewriter, MakeDefaultGroup("*", c.substitute))) << c.file;
        EXPECT_EQ(rewriter.GetOutputFileName(), c.output);
        EXPECT_TRUE(std::filesystem::exists(OutDir() + "/" + c.output)) << c.output;
    }
    EXPECT_EQ(Log(), "Opening new input file for small_hat01\r\n"
                     "Opening new output file for large_hat01\r\n"
                     "Opening new input file for \xC3\x84rger_hat\r\n"
                     "Opening new output file for \xC3\x84rger_hat_b\r\n"
                     "Opening new input file for noext\r\n"
                     "Opening new output file for noext_b\r\n"
                     "Opening new input file for two.dots\r\n"
                     "Opening new output file for two.dots_b\r\n");
}

TEST_F(ModelRewriterNaming, RefusesASourceWithoutABaseName) {
    const CMessageRecorder messages;
    try {
        CModelRewriter rewriter(Source(".mdl"), OutDir());
        FAIL() << "accepted";
    } catch (const CTextException& e) {
        EXPECT_EQ(e.GetText(), "Invalid file name.");
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid file name selected."});
    EXPECT_EQ(Log(), "");
}

TEST_F(ModelRewriterNaming, ASourceThatCannotBeOpenedLeavesAsAFileException) {
    const CMessageRecorder messages;
    EXPECT_THROW(CModelRewriter(m_dir / "missing.mdl", OutDir()), CFileException);
    EXPECT_THROW(CModelRewriter(OutDir(), OutDir()), CFileException);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(Log(), "");
}

} // namespace
