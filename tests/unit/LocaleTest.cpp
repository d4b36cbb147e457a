// The suite runs under a decimal-comma locale; this proves the locale is really in force and that the
// program's number text does not follow it.
#include "platform/NumberText.h"
#include "support/TestFiles.h"

#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>

TEST(HostileLocale, IsActiveAndChangesNothing) {
    const char* active = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_STREQ(active, kHostileLocale) << "the test set-up must install " << kHostileLocale;
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    ASSERT_STREQ(printed, "1,5");

    EXPECT_EQ(FormatFixedString(1.5, 7), "1.5000000");
    double values[3] = {};
    ASSERT_EQ(ScanDoubles("( 1.5 , 2 , 3 )", "( %lf , %lf , %lf )", values, 3), 3);
    EXPECT_EQ(values[0], 1.5);
    EXPECT_EQ(values[1], 2.0);
    EXPECT_EQ(values[2], 3.0);
    // A decimal comma is no decimal point here: it separates 1 from 5.
    ASSERT_EQ(ScanDoubles("( 1,5 , 2 )", "( %lf , %lf , %lf )", values, 3), 3);
    EXPECT_EQ(values[0], 1.0);
    EXPECT_EQ(values[1], 5.0);
}
