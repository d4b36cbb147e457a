// Helpers for the rewriter's tests: transform groups as the loader builds them, and one run of the
// rewriter over a source the way a batch run drives it.
#pragma once

#include "geometry/TransformGroup.h"
#include "model/ModelRewriter.h"
#include "support/RunLog.h"

#include <string>
#include <utility>

// A group as a section with only match and substitute loads: every value at its default, so every
// transform is flagged identity, the boxes reach from -999 to 999 and no position is given. Built with
// the run log silenced, so that a test's log holds only what the rewriter writes; change its values
// through CQuietLog too.
class CQuietLog {
public:
    CQuietLog() : m_nLevel(std::exchange(theLog.m_nLogLevel, 0)) {}
    ~CQuietLog() { theLog.m_nLogLevel = m_nLevel; }
    CQuietLog(const CQuietLog&) = delete;
    CQuietLog& operator=(const CQuietLog&) = delete;

private:
    int m_nLevel;
};

inline CTransformGroup MakeDefaultGroup(const std::string& match, const std::string& substitute = "*") {
    const CQuietLog quiet;
    CTransformGroup group;
    group.Reset();
    group.SetMatch(match);
    group.SetSubstitute(substitute);
    group.SetScale(1.0, 1.0, 1.0);
    group.SetRotate(0.0, 0.0, 0.0);
    group.SetTranslate(0.0, 0.0, 0.0);
    group.SetMinimum(-999.0, -999.0, -999.0);
    group.SetMaximum(999.0, 999.0, 999.0);
    group.SetTScale(1.0, 1.0, 0.0);
    group.SetTRotate(0.0, 0.0, 0.0);
    group.SetTTranslate(0.0, 0.0, 0.0);
    group.SetTMinimum(-999.0, -999.0, 0.0);
    group.SetTMaximum(999.0, 999.0, 0.0);
    group.SetPosition(-999.0, -999.0, -999.0);
    return group;
}

// OpenOutput and, when the group applies, ProcessFile; true when an output was written.
inline bool RewriteWith(CModelRewriter& rewriter, const CTransformGroup& group) {
    if (!rewriter.OpenOutput(group)) {
        return false;
    }
    rewriter.ProcessFile(group);
    return true;
}
