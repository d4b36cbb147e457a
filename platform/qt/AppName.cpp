#include "platform/qt/AppName.h"

#include "platform/ModulePath.h"
#include "platform/SplitPath.h"

std::string AfxGetAppName() {
    return SplitPath(GetModuleFileName()).fname;
}
