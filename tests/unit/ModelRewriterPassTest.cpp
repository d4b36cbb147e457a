// The rewriter's line pass: which lines are copied, substituted or recomputed, and the records it logs.
#include "model/ModelRewriter.h"
#include "support/MessageRecorder.h"
#include "support/ModelTestSupport.h"
#include "support/RewriterTest.h"
#include "support/RunLog.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ModelRewriterPass : public CRewriterTest {
protected:
    // The output of one pass of group over source (LF line ends, as written out by the pass).
    std::string Rewrite(std::string_view source, const CTransformGroup& group) {
        WriteFileBytes(m_dir / "small_hat01.mdl", Crlf(source));
        CModelRewriter rewriter(m_dir / "small_hat01.mdl", m_dir / "out");
        EXPECT_TRUE(RewriteWith(rewriter, group));
        return ReadOutput(rewriter.GetOutputFileName());
    }
    // The output's text with its CR LF line ends as LF; every line on disk must end in CR LF.
    std::string ReadOutput(const std::string& name) const {
        const std::string bytes = ReadFileBytes(m_dir.Path() / "out" / name);
        std::string text;
        text.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
                ADD_FAILURE() << "bare LF at " << i;
            }
            if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') {
                text += bytes[i];
            }
        }
        return text;
    }
    // The records after "Opening new input file for ..." and "Opening new output file for ...".
    std::string PassRecords() const {
        std::string log = ReadFileBytes(m_dir / "run.log");
        for (int i = 0; i < 2; ++i) {
            log.erase(0, log.find('\n') + 1);
        }
        return log;
    }

    static CTransformGroup Scaled(double factor, const std::string& substitute = "large*") {
        CTransformGroup group = MakeDefaultGroup("small_*", substitute);
        const CQuietLog quiet;
        group.SetScale(factor, factor, factor);
        return group;
    }
    static CTransformGroup TextureScaled(double factor, const std::string& bitmap = "") {
        CTransformGroup group = MakeDefaultGroup("small_*", "large*");
        const CQuietLog quiet;
        group.SetTScale(factor, factor, 0.0);
        if (!bitmap.empty()) {
            group.SetTBitmap(bitmap);
        }
        return group;
    }
};

TEST_F(ModelRewriterPass, RewritesTheWorkedExample) {
    const std::string source = "node small_hat01\n"
                               "filedependancy small_hat01.max\n"
                               "  position 0.1 0.0 1.2\n"
                               "  bitmap Small_Hat01\n"
                               "  verts 2\n"
                               "    0.0 0.0 0.0\n"
                               "    1.0 2.0 3.0\n"
                               "  tverts 1\n"
                               "    0.5 0.5 0\n"
                               "endnode\n";
    EXPECT_EQ(Rewrite(source, Scaled(2.0)), "node large_hat01\n"
                                            "filedependancy small_hat01.max\n"
                                            "  position 0.2000000 0.0000000 2.4000000\n"
                                            "  bitmap large_hat01\n"
                                            "  verts 2\n"
                                            "    0.0000000 0.0000000 0.0000000\n"
                                            "    2.0000000 4.0000000 6.0000000\n"
                                            "  tverts 1\n"
                                            "    0.5 0.5 0\n"
                                            "endnode\n");
    EXPECT_EQ(PassRecords(), "Successfully processed verts 2\r\nSuccessfully processed texture tverts 1\r\n");
}

TEST_F(ModelRewriterPass, AnIdentityGroupCopiesVerticesButRewritesPositions) {
    const std::string source = "\tposition  1 2 3 trailing\n"
                               "position -0.0 1e-8 -1e-8\n"
                               "verts 1\n"
                               "  1.00 2 3 extra\n"
                               "tverts 1\n"
                               "  7 8 9\n";
    EXPECT_EQ(Rewrite(source, MakeDefaultGroup("*")), "  position 1.0000000 2.0000000 3.0000000\n"
                                                      "  position -0.0000000 0.0000000 -0.0000000\n"
                                                      "verts 1\n"
                                                      "  1.00 2 3 extra\n"
                                                      "tverts 1\n"
                                                      "  7 8 9\n");
}

TEST_F(ModelRewriterPass, TransformsOnlyVerticesInsideTheBoxBoundsIncluded) {
    CTransformGroup group = Scaled(2.0);
    {
        const CQuietLog quiet;
        group.SetMinimum(-1.0, -1.0, -1.0);
        group.SetMaximum(1.0, 1.0, 1.0);
    }
    const std::string source = "verts 4\n"
                               " 1 -1 1\n"
                               " 1.0000001 0 0\n"
                               " 0 -1.0000001 0\n"
                               " -0.0 0.5 -0.25\n";
    EXPECT_EQ(Rewrite(source, group), "verts 4\n"
                                      "    2.0000000 -2.0000000 2.0000000\n"
                                      " 1.0000001 0 0\n"
                                      " 0 -1.0000001 0\n"
                                      "    0.0000000 1.0000000 -0.5000000\n");
}

TEST_F(ModelRewriterPass, ReadsCountsAndNumbersAfterTheKeywordInAnyCase) {
    // A count without digits reads no line; a line without three numbers is copied and still counts.
    const std::string source = "VERTS 2\n"
                               "1 2 3\n"
                               "1-2-3\n"
                               "Verts none\n"
                               "1 2 3\n"
                               "verts 3\n"
                               "1 2\n"
                               "\n"
                               "1 2 1e999\n"
                               "POSITION 1 1 1\n"
                               "position 1 x 1\n"
                               "verts 0\n"
                               "verts -3\n"
                               "vertsx 1\n"
                               "1 1 1\n";
    EXPECT_EQ(Rewrite(source, Scaled(2.0, "*")), "VERTS 2\n"
                                                 "    2.0000000 4.0000000 6.0000000\n"
                                                 "    2.0000000 -4.0000000 -6.0000000\n"
                                                 "Verts none\n"
                                                 "1 2 3\n"
                                                 "verts 3\n"
                                                 "1 2\n"
                                                 "\n"
                                                 "1 2 1e999\n"
                                                 "  position 2.0000000 2.0000000 2.0000000\n"
                                                 "position 1 x 1\n"
                                                 "verts 0\n"
                                                 "verts -3\n"
                                                 "vertsx 1\n"
                                                 "1 1 1\n");
    EXPECT_EQ(PassRecords(), "Successfully processed VERTS 2\r\n"
                             "Successfully processed Verts none\r\n"
                             "Successfully processed verts 3\r\n"
                             "Successfully processed verts 0\r\n"
                             "Successfully processed verts -3\r\n");
}

TEST_F(ModelRewriterPass, TransformsTextureVerticesOnlyUnderTheGroupsBitmapAndInsideTheBox) {
    const std::string source = "bitmap Other\n"
                               "tverts 2\n"
                               "0.5 0.5 0\n"
                               "0.25 0.25 0\n"
                               "BITMAP Gold extra\n"
                               "tverts 3\n"
                               "0.5 0.25 0\n"
                               "0.5 0.5 1\n"
                               "0.5\n";
    EXPECT_EQ(Rewrite(source, TextureScaled(2.0, "GOLD")), "bitmap Other\n"
                                                           "tverts 2\n"
                                                           "0.5 0.5 0\n"
                                                           "0.25 0.25 0\n"
                                                           "BITMAP Gold extra\n"
                                                           "tverts 3\n"
                                                           "    1.0000000 0.5000000 0.0000000\n"
                                                           "0.5 0.5 1\n"
                                                           "0.5\n");
    EXPECT_EQ(PassRecords(), "Texture skipping bitmap other\r\n"
                             "Texture skipping bitmap other\r\n"
                             "Successfully processed texture tverts 2\r\n"
                             "Texture vertex out of range 0.5 0.5 1\r\n"
                             "Successfully processed texture tverts 3\r\n");
}

TEST_F(ModelRewriterPass, CarriesTheBitmapNameFromOnePassToTheNext) {
    WriteFileBytes(m_dir / "small_hat01.mdl", Crlf("tverts 1\n0.5 0.5 0\nbitmap gold\n"));
    CModelRewriter rewriter(m_dir / "small_hat01.mdl", m_dir / "out");
    const CTransformGroup group = TextureScaled(2.0, "gold");
    ASSERT_TRUE(RewriteWith(rewriter, group));
    EXPECT_EQ(ReadOutput("large_hat01.mdl"), "tverts 1\n0.5 0.5 0\nbitmap gold\n");
    ASSERT_TRUE(RewriteWith(rewriter, group));
    EXPECT_EQ(ReadOutput("large_hat01.mdl"), "tverts 1\n    1.0000000 1.0000000 0.0000000\nbitmap gold\n");
}

TEST_F(ModelRewriterPass, SubstitutesTheModelNameInOrdinaryAndBitmapLinesOnly) {
    const std::string source = "\n"
                               "node Small_Hat01 SMALL_HAT01small_hat01x\n"
                               "  filedependancy Small_Hat01.max\n"
                               "FileDependancy small_hat01\n"
                               "\n"
                               "\tbitmap small_hat01_tex\n"
                               "no name here\r\n";
    EXPECT_EQ(Rewrite(source, Scaled(1.0, "*_b")), "\n"
                                                   "node small_hat01_b small_hat01_bsmall_hat01_bx\n"
                                                   "  filedependancy Small_Hat01.max\n"
                                                   "FileDependancy small_hat01\n"
                                                   "\n"
                                                   "\tbitmap small_hat01_b_tex\n"
                                                   "no name here\r\n");
}

TEST_F(ModelRewriterPass, ReadsLfAndCrLfSourcesAlike) {
    const std::string lines = "node small_hat01\nverts 1\n1 2 3\nendnode";
    for (const std::string& bytes : {lines, lines + "\n", Crlf(lines + "\n")}) {
        WriteFileBytes(m_dir / "small_hat01.mdl", bytes);
        CModelRewriter rewriter(m_dir / "small_hat01.mdl", m_dir / "out");
        ASSERT_TRUE(RewriteWith(rewriter, Scaled(2.0)));
        EXPECT_EQ(ReadFileBytes(m_dir.Path() / "out" / "large_hat01.mdl"),
                  "node large_hat01\r\nverts 1\r\n    2.0000000 4.0000000 6.0000000\r\nendnode\r\n");
    }
}

TEST_F(ModelRewriterPass, HandlesLinesLongerThanTheReadBuffer) {
    const std::string filler(3 * 1024 * 1024, 'x');
    const std::string source = "small_hat01" + filler + "SMALL_HAT01\nverts 1\n 1 2 3" + filler + "\n";
    EXPECT_EQ(Rewrite(source, Scaled(2.0)),
              "large_hat01" + filler + "large_hat01\nverts 1\n    2.0000000 4.0000000 6.0000000\n");
}

struct TruncatedCase {
    const char* source;
    const char* error;
};

TEST_F(ModelRewriterPass, ATruncatedBlockStopsThePassAndKeepsAnOlderOutput) {
    const TruncatedCase cases[] = {
        {"node a\nverts 5\n1 2 3\n4 5 6\n", "Unexepected EOF processing verts"},
        {"tverts 2\n0 0 0", "Unexepected EOF processing tverts"},
    };
    const std::string older = "older output\r\n";
    for (const auto& c : cases) {
        WriteFileBytes(m_dir / "Small_Hat01.mdl", Crlf(c.source));
        WriteFileBytes(m_dir / "out/large_hat01.mdl", older);
        const CMessageRecorder messages;
        CModelRewriter rewriter(m_dir / "Small_Hat01.mdl", m_dir / "out");
        ASSERT_TRUE(rewriter.OpenOutput(Scaled(2.0)));
        try {
            rewriter.ProcessFile(Scaled(2.0));
            FAIL() << "no error";
        } catch (const CTextException& e) {
            EXPECT_EQ(e.GetText(), c.error);
        }
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{
                                        "Invalid model file (small_hat01) - unexpected end of file found!"});
        EXPECT_EQ(ReadFileBytes(m_dir / "out/large_hat01.mdl"), older);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir / "out"),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

TEST(SubstituteModelName, ReplacesEachOccurrenceOfTheLineAsRead) {
    struct Case {
        const char* line;
        const char* model;
        const char* output;
        const char* expected;
    };
    const Case cases[] = {
        {"Hat and HAT", "hat", "cap", "cap and cap"},
        {"Hat and HAT", "hat", "hat", "Hat and HAT"}, // same name: the case of the line survives
        {"hat", "hat", "hat_hat", "hat_hat"},         // inserted text is not searched again
        {"hathat", "hat", "xhat", "xhatxhat"},
        {"aaaa", "aa", "b", "bb"}, // occurrences do not overlap
        {"aaa", "aa", "b", "ba"},
        {"thatch", "hat", "", "tch"},
        {"mMmodelMODELm", "model", "x", "mMxxm"}, // candidates of either case that fail or match
        {"modmodel", "model", "x", "modx"},
        {"_a_A", "_a", "b", "bb"},
        {"no match", "hat", "cap", "no match"},
        {"", "hat", "cap", ""},
        {"any", "", "cap", "any"},
        {"\xC3\x84hat", "hat", "cap",
         "\xC3\x84"
         "cap"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SubstituteModelName(c.line, c.model, c.output), c.expected) << c.line;
    }
}

} // namespace
