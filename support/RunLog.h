// CRunLog and theLog: the one run log of the process, a text file records are appended to.
// A record of level L reaches the file only while the log is open and L <= m_nLogLevel; each record
// is one WriteLine, written with CR LF line ends and flushed at once. The log never reports a failure:
// a write that fails closes it for the rest of the process (a later Open is refused too).
#pragma once

#include "platform/StdioFile.h"

#include <string_view>

class CMatrix;

class CRunLog : public CStdioFile {
public:
    CRunLog() = default;
    ~CRunLog() override = default;

    // Always opens with modeWrite | modeCreate | modeNoTruncate | typeText (0x7001), after an
    // "Internal Error 301" record when other flags were asked for. An empty name is "Tarvolin.Log",
    // relative to the current folder. Every record is appended at the end of the file.
    BOOL Open(const std::string& fileName, UINT flags, CFileException* pError = nullptr) override;
    BOOL OpenLog(const std::string& fileName);

    // text followed directly by suffix, as one record; an empty record writes nothing.
    void WriteLine(int level, std::string_view text, std::string_view suffix = {});
    void WriteResourceLine(int level, UINT id, std::string_view suffix = {});
    // text and suffix, then the four rows of a 4 x 4 matrix as "( %.7f , %.7f , %.7f , %.7f )".
    void WriteMatrix(int level, std::string_view text, const CMatrix& matrix, std::string_view suffix = {});

    // Also ends the open state: later records are dropped.
    void Close() override;

    // Forgets a failed write, so a test can start over with a fresh log.
    void ResetForTesting();

    int m_nLogLevel = 0;
    bool m_bOpen = false;

    static constexpr UINT kLogOpenFlags = modeWrite | modeCreate | modeNoTruncate | typeText;

private:
    // Set by a failed write; the log then refuses to open again in this process.
    bool m_bFailed = false;
};

extern CRunLog theLog;
