// The rewriter tests' fixture: a scratch folder with an empty out/ and a run log at level 2 in it, so a
// test sees every record the rewriter writes.
#pragma once

#include "support/RunLog.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

class CRewriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        theLog.ResetForTesting();
        theLog.m_nLogLevel = 2;
        ASSERT_TRUE(theLog.OpenLog(m_dir / "run.log"));
        std::filesystem::create_directory(m_dir / "out");
    }
    void TearDown() override { theLog.Close(); }

    CTempDir m_dir;
};
