#include "cli/TerminalProgress.h"

#include "cli/Console.h"
#include "cli/Interrupt.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kBarWidth = 24;
constexpr std::string_view kProcessingPrefix = "Processing ";

} // namespace

CTerminalProgress::~CTerminalProgress() {
    m_console.ClearBar();
}

bool CTerminalProgress::BeginModal(const std::string&, bool) {
    return true;
}

void CTerminalProgress::SetRange(int lower, int upper, int step) {
    m_nLower = lower;
    m_nUpper = upper;
    m_nStep = step;
}

void CTerminalProgress::SetText(const std::string& text) {
    // "Processing NAME" names the current output; the bar shows the name alone.
    m_strText = text.starts_with(kProcessingPrefix) ? text.substr(kProcessingPrefix.size()) : text;
    Draw();
}

int CTerminalProgress::Step() {
    const int previous = m_nPosition;
    m_nPosition += m_nStep;
    Draw();
    return previous;
}

bool CTerminalProgress::PumpMessages(bool) {
    if (InterruptRequested()) {
        m_bCancelRequested = true;
    }
    return m_bCancelRequested;
}

void CTerminalProgress::Draw() {
    if (!m_console.ShowsBar()) {
        return;
    }
    const int span = m_nUpper - m_nLower;
    const int done = span > 0 ? m_nPosition - m_nLower : 0;
    const int percent = span > 0 ? static_cast<int>(done * 100.0 / span + 0.5) : 0;
    const int filled = span > 0 ? std::clamp(done * kBarWidth / span, 0, kBarWidth) : 0;
    std::string bar = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                      std::string(static_cast<std::size_t>(kBarWidth - filled), '-') + "] ";
    const std::string percentText = std::to_string(percent) + "%";
    bar += std::string(4 - std::min<std::size_t>(4, percentText.size()), ' ') + percentText;
    bar += "  " + std::to_string(m_nPosition) + "/" + std::to_string(span) + "  " + m_strText;
    m_console.SetBar(std::move(bar));
}
