#include "geometry/TransformListing.h"

#include "support/ModelTestSupport.h"
#include "transformfile/TransformTable.h"

#include <gtest/gtest.h>

namespace {

TEST(TransformListing, LinesHaveTheirExactFormats) {
    CTransformGroup g = MakeDefaultGroup("*", "x");
    g.SetRotate(0, 0, 90);
    EXPECT_EQ(FormatTransformLines(0, g),
              (std::vector<std::string>{"   0a *\tx\tscale(1.0000, 1.0000, 1.0000)\trotate(0, 0, 90)\t"
                                        "translate(0.0000, 0.0000, 0.0000)"}));

    g.SetTRotate(0, 0, 45);
    g.SetTBitmap("Helm");
    g.SetPosition(-999, 10, -999);
    const auto lines = FormatTransformLines(12, g);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "  12b\thelm\ttscale(1.0000, 1.0000)\ttrotate(z=45)\tttranslate(0.0000, 0.0000)");
    EXPECT_EQ(lines[2], "  12c\t\tposition(-999.0000, 10.0000, -999.0000)");
}

TEST(TransformListing, ARejectedScaleShowsZerosAndATextureLine) {
    CTransformGroup g;
    g.Reset();
    g.SetSubstitute("*");
    EXPECT_EQ(FormatTransformLines(3, g),
              (std::vector<std::string>{
                  "   3a \t*\tscale(0.0000, 0.0000, 0.0000)\trotate(0, 0, 0)\t"
                  "translate(0.0000, 0.0000, 0.0000)",
                  "   3b\t\ttscale(0.0000, 0.0000)\ttrotate(z=0)\tttranslate(0.0000, 0.0000)"}));
}

TEST(TransformListing, TwelveGroupsAreListedInNumericOrder) {
    g_nTransforms = 12;
    g_pTransforms = std::make_unique<CTransformGroup[]>(12);
    for (int i = 0; i < 12; ++i) {
        g_pTransforms[i] = MakeDefaultGroup("g" + std::to_string(i));
    }
    const auto lines = FormatTransformListing();
    ASSERT_EQ(lines.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(lines[i].substr(0, 5), (i < 10 ? "   " : "  ") + std::to_string(i) + "a") << i;
    }
    FreeTransformTable();
    EXPECT_TRUE(FormatTransformListing().empty());
}

} // namespace
