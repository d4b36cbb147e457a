// ITransformFileTarget: the main window's fields that loading a transformation file replaces, so the
// loader runs without a window. The window program and the command line each implement it.
#pragma once

#include <string>

class ITransformFileTarget {
public:
    virtual ~ITransformFileTarget() = default;

    // The source folder (m_strSourceDir), where choosing model files starts.
    virtual void SetSourceDir(const std::string& dir) = 0;
    // The destination folder (m_strDestDir).
    virtual void SetDestDir(const std::string& dir) = 0;
    // Ends every load: the selection of source files emptied, "&Go!" disabled, status string 112.
    virtual void ResetSelection() = 0;
};
