// The progress window as the batch run drives it: the window program supplies a window, the command
// line a terminal bar, tests a recorder. The run steps it once per source file and takes a cancel only
// at PumpMessages, between files.
#pragma once

#include <string>

class IBatchProgress {
public:
    virtual ~IBatchProgress() = default;

    // Makes the progress modal over its owner (the main window is disabled until it is deleted).
    virtual bool BeginModal(const std::string& caption, bool smooth) = 0;
    virtual void SetRange(int lower, int upper, int step) = 0;
    // Shows text literally ('&' and '%' included).
    virtual void SetText(const std::string& text) = 0;
    // Advances by the step; returns the previous position.
    virtual int Step() = 0;
    // Lets pending input through; true once a cancel has been requested.
    virtual bool PumpMessages(bool cancelOnEscape) = 0;
    // m_bCancelRequested: set by Cancel (or Escape when allowed), never cleared.
    virtual bool IsCancelRequested() const = 0;
};
