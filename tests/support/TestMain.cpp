// Every test runs under a decimal-comma locale, so any locale-dependent number text shows as a failure.
#include "support/TestFiles.h"

#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, kHostileLocale);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
