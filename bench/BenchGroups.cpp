#include "BenchGroups.h"

CTransformGroup MakeBenchGroup(const std::string& substitute, bool textured) {
    CTransformGroup group;
    group.Reset();
    group.SetMatch("*");
    group.SetSubstitute(substitute);
    group.SetScale(1.25, 0.8, 1.5);
    group.SetRotate(10.0, 20.0, 30.0);
    group.SetTranslate(0.5, -1.0, 2.0);
    group.SetMinimum(-999.0, -999.0, -999.0);
    group.SetMaximum(999.0, 999.0, 999.0);
    group.SetTScale(textured ? 0.5 : 1.0, textured ? 2.0 : 1.0, 0.0);
    group.SetTRotate(0.0, 0.0, 0.0);
    group.SetTTranslate(0.0, 0.0, 0.0);
    group.SetTMinimum(-999.0, -999.0, 0.0);
    group.SetTMaximum(999.0, 999.0, 0.0);
    group.SetPosition(-999.0, -999.0, -999.0);
    return group;
}
