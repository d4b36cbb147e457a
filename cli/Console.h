// CConsole: tarvolin-batch's standard error. Messages are whole lines "tarvolin-batch: TEXT"; a
// progress bar, when one is shown, lives on the last line and is redrawn below each message.
#pragma once

#include <string>
#include <string_view>

class CConsole {
public:
    // showBar: standard error is a terminal and --quiet was not given.
    explicit CConsole(bool showBar) : m_bShowBar(showBar) {}

    void Message(std::string_view text);
    // Replaces the bar's text (nothing when no bar is shown).
    void SetBar(std::string bar);
    void ClearBar();
    bool ShowsBar() const { return m_bShowBar; }

private:
    void DrawBar() const;
    void EraseBar() const;

    bool m_bShowBar;
    std::string m_strBar;
};
