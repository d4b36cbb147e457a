// CTerminalProgress: the batch run's progress on a terminal: "[####----]  50%  2/4  NAME" on the
// last line of standard error, or nothing at all on a pipe or with --quiet. Ctrl-C is its Cancel.
#pragma once

#include "app/BatchProgress.h"

class CConsole;

class CTerminalProgress : public IBatchProgress {
public:
    explicit CTerminalProgress(CConsole& console) : m_console(console) {}
    ~CTerminalProgress() override;

    bool BeginModal(const std::string& caption, bool smooth) override;
    void SetRange(int lower, int upper, int step) override;
    void SetText(const std::string& text) override;
    int Step() override;
    bool PumpMessages(bool cancelOnEscape) override;
    bool IsCancelRequested() const override { return m_bCancelRequested; }

    bool m_bCancelRequested = false;

private:
    void Draw();

    CConsole& m_console;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nStep = 1;
    int m_nPosition = 0;
    std::string m_strText;
};
