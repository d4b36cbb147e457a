#include "geometry/TransformGroup.h"

#include "support/RunLog.h"
#include "support/TestFiles.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using Row = CTransformGroup::Row;

struct RotationCase {
    double ax, ay, az;
    Row in;
    Row expected;
};

TEST(TransformGroup, RotationsTurnAsDescribed) {
    const RotationCase cases[] = {
        {0, 0, 90, {1, 0, 0, 1}, {0, 1, 0, 1}},
        {90, 0, 0, {0, 1, 0, 1}, {0, 0, -1, 1}},
        {0, 90, 0, {1, 0, 0, 1}, {0, 0, 1, 1}},
        // The x turn comes first: (0, 1, 0) -> (0, 0, -1) -> (1, 0, 0).
        {90, 90, 0, {0, 1, 0, 1}, {1, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        CTransformGroup group;
        group.SetRotate(c.ax, c.ay, c.az);
        EXPECT_FALSE(group.m_bRotateIdentity);
        Row p = {c.in[0], c.in[1], c.in[2], c.in[3]};
        CTransformGroup::MultiplyRow(p, group.m_mRotate, p);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(p[i], c.expected[i], 1e-15) << c.ax << " " << c.ay << " " << c.az << " axis " << i;
        }
        EXPECT_EQ(group.GetRotate(0), c.ax);
        EXPECT_EQ(group.GetRotate(2), c.az);
    }
}

TEST(TransformGroup, ZeroComponentsOfAQuarterTurnAreCosineOfNinety) {
    CTransformGroup group;
    group.SetRotate(0, 0, 90);
    Row p = {1, 0, 0, 1};
    CTransformGroup::MultiplyRow(p, group.m_mRotate, p);
    EXPECT_EQ(p[0], std::cos(90 * 0.017453292519943295));
    EXPECT_NEAR(p[0], 6.1e-17, 1e-18);
}

TEST(TransformGroup, IdentityFlagsExcludeTheirBounds) {
    struct Case {
        double x, y, z;
        bool scaleIdentity, offsetIdentity;
    };
    const Case cases[] = {
        {1, 1, 1, true, false},        {1.00005, 0.99995, 1, true, false}, {1.0001, 1, 1, false, false},
        {0.9999, 1, 1, false, false},  {0.00005, 0, 0, false, true},       {0.0001, 0, 0, false, false},
        {-0.0001, 0, 0, false, false}, {NAN, 1, 1, false, false},
    };
    for (const auto& c : cases) {
        CTransformGroup group;
        group.SetScale(c.x, c.y, c.z);
        group.SetTranslate(c.x, c.y, c.z);
        group.SetRotate(c.x, c.y, c.z);
        group.SetTScale(c.x, c.y);
        group.SetTTranslate(c.x, c.y);
        group.SetTRotate(0, 0, c.x);
        EXPECT_EQ(group.m_bScaleIdentity, c.scaleIdentity) << c.x;
        EXPECT_EQ(group.m_bTScaleIdentity, c.scaleIdentity) << c.x;
        EXPECT_EQ(group.m_bTranslateIdentity, c.offsetIdentity) << c.x;
        EXPECT_EQ(group.m_bRotateIdentity, c.offsetIdentity) << c.x;
        EXPECT_EQ(group.m_bTTranslateIdentity, c.offsetIdentity) << c.x;
        EXPECT_EQ(group.m_bTRotateIdentity, c.offsetIdentity) << c.x;
    }
}

TEST(TransformGroup, PositionIsGivenOnceAComponentIsAboveMinus998) {
    struct Case {
        double x, y, z;
        bool unset;
    };
    const Case cases[] = {
        {-999, -999, -999, true},
        {-998, -998, -998, true},
        {-997.9, -999, -999, false},
        {-999, 10, -999, false},
    };
    for (const auto& c : cases) {
        CTransformGroup group;
        group.SetPosition(c.x, c.y, c.z);
        EXPECT_EQ(group.m_bPositionUnset, c.unset) << c.x << " " << c.y;
    }
    CTransformGroup group;
    group.SetPosition(-999, 10, -999);
    Row p = {5, 6, 7, 1};
    group.TransformPosition(p);
    EXPECT_EQ(p[0], -999);
    EXPECT_EQ(p[1], 10);
    EXPECT_EQ(p[2], -999);
}

TEST(TransformGroup, BoxesIncludeBothBoundsAndRejectNaN) {
    CTransformGroup group;
    group.SetMinimum(-1, -2, -3);
    group.SetMaximum(1, 2, 3);
    EXPECT_TRUE(group.IsInRange(-1, -2, -3));
    EXPECT_TRUE(group.IsInRange(1, 2, 3));
    EXPECT_FALSE(group.IsInRange(1.0000001, 0, 0));
    EXPECT_FALSE(group.IsInRange(0, 0, NAN));
    group.SetTMinimum(-999, -999);
    group.SetTMaximum(999, 999);
    EXPECT_TRUE(group.IsInTRange(0.5, 0.5, 0));
    EXPECT_TRUE(group.IsInTRange(0.5, 0.5, -0.0));
    EXPECT_FALSE(group.IsInTRange(0.5, 0.5, 0.25));
}

TEST(TransformGroup, TextureRotationTurnsUTowardsV) {
    CTransformGroup group;
    group.SetTRotate(0, 0, 90);
    EXPECT_EQ(group.GetTRotate(2), 90);
    Row t = {1, 0, 0, 1};
    CTransformGroup::MultiplyRow(t, group.m_mTRotate, t);
    EXPECT_NEAR(t[0], 0, 1e-15);
    EXPECT_NEAR(t[1], 1, 1e-15);
}

TEST(TransformGroup, NamesAreStoredInLowerCase) {
    CTransformGroup group;
    group.SetMatch("Hat_*");
    group.SetSubstitute("Big*");
    EXPECT_EQ(group.m_strMatch, "hat_*");
    EXPECT_EQ(group.m_strSubstitute, "big*");
    group.SetTBitmap("");
    EXPECT_TRUE(group.m_bHasTBitmap);
    EXPECT_EQ(group.m_strTBitmap, "");
    group.SetTBitmap("Helm_Gold");
    EXPECT_EQ(group.m_strTBitmap, "helm_gold");
}

TEST(TransformGroup, ResetClearsNamesAndFlagsButKeepsMatrices) {
    CTransformGroup group;
    group.SetMatch("a");
    group.SetScale(2, 2, 2);
    group.SetTranslate(0, 0, 0);
    group.SetTBitmap("b");
    group.SetPosition(1, 1, 1);
    group.Reset();
    EXPECT_EQ(group.m_strMatch, "");
    EXPECT_FALSE(group.m_bTranslateIdentity);
    EXPECT_FALSE(group.m_bHasTBitmap);
    EXPECT_TRUE(group.m_bPositionUnset);
    EXPECT_EQ(group.GetScale(0), 2);
    EXPECT_EQ(group.GetPosition(0), 1);
}

// The fast row products must give the bits that the design's allocating CMatrix chain gives.
TEST(TransformGroup, FastPathsGiveTheBitsOfTheMatrixChain) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> value(-500, 500);
    for (int i = 0; i < 2000; ++i) {
        CTransformGroup group;
        group.SetScale(value(random) / 100, value(random) / 100, value(random) / 100);
        group.SetRotate(value(random), value(random), value(random));
        group.SetTranslate(value(random), value(random), value(random));
        group.SetMinimum(-999, -999, -999);
        group.SetMaximum(999, 999, 999);
        Row p = {value(random), value(random), value(random), 1.0};
        CMatrix chain(4, 1);
        for (int c = 0; c < 4; ++c) {
            chain.SetAt(c, 0, p[c]);
        }
        chain.MultiplyBy(group.m_mScale);
        chain.MultiplyBy(group.m_mRotate);
        chain.MultiplyBy(group.m_mTranslate);
        ASSERT_TRUE(group.TransformVertex(p));
        for (int c = 0; c < 4; ++c) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(p[c]), std::bit_cast<std::uint64_t>(chain.GetAt(c, 0)));
        }
    }
}

TEST(TransformGroup, ATransformedNegativeZeroLosesItsSign) {
    CTransformGroup group;
    group.SetScale(1, 1, 2);
    group.SetRotate(0, 0, 0);
    group.SetTranslate(0, 0, 0);
    group.SetMinimum(-999, -999, -999);
    group.SetMaximum(999, 999, 999);
    Row p = {-0.0, -0.0, -0.0, 1};
    ASSERT_TRUE(group.TransformVertex(p));
    EXPECT_FALSE(std::signbit(p[0]));
    EXPECT_FALSE(std::signbit(p[2]));
}

TEST(TransformGroup, SetTranslateLogsItsMatrixAtLevelTwo) {
    CTempDir dir;
    const std::string path = dir / "run.log";
    theLog.ResetForTesting();
    theLog.m_nLogLevel = 2;
    ASSERT_TRUE(theLog.OpenLog(path));
    CTransformGroup group;
    group.SetMatch("*");
    group.SetTranslate(1, 2, 3);
    theLog.m_nLogLevel = 1;
    group.SetScale(2, 2, 2); // level 2: dropped at threshold 1
    theLog.Close();
    EXPECT_EQ(ReadFileBytes(path), Crlf("Setting translate matrix *\n"
                                        "( 1.0000000 , 0.0000000 , 0.0000000 , 0.0000000 )\n"
                                        "( 0.0000000 , 1.0000000 , 0.0000000 , 0.0000000 )\n"
                                        "( 0.0000000 , 0.0000000 , 1.0000000 , 0.0000000 )\n"
                                        "( 1.0000000 , 2.0000000 , 3.0000000 , 1.0000000 )\n"));
    theLog.ResetForTesting();
}

} // namespace
