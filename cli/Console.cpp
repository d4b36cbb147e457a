#include "cli/Console.h"

#include <cstdio>
#include <string>

void CConsole::Message(std::string_view text) {
    EraseBar();
    std::string line = "tarvolin-batch: ";
    line.append(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    DrawBar();
    std::fflush(stderr);
}

void CConsole::SetBar(std::string bar) {
    if (!m_bShowBar) {
        return;
    }
    m_strBar = std::move(bar);
    DrawBar();
    std::fflush(stderr);
}

void CConsole::ClearBar() {
    EraseBar();
    m_strBar.clear();
    std::fflush(stderr);
}

void CConsole::DrawBar() const {
    if (m_bShowBar && !m_strBar.empty()) {
        std::fprintf(stderr, "\r%s\033[K", m_strBar.c_str());
    }
}

void CConsole::EraseBar() const {
    if (m_bShowBar && !m_strBar.empty()) {
        std::fputs("\r\033[K", stderr);
    }
}
