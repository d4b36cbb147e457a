#include "support/RunLog.h"

#include "geometry/Matrix.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"

#include <string>

CRunLog theLog;

BOOL CRunLog::Open(const std::string& fileName, UINT flags, CFileException* pError) {
    if (flags != kLogOpenFlags) {
        WriteLine(1, "Internal Error 301: tried to open log in wrong mode. Overriding to correct mode.");
    }
    if (m_bFailed) {
        return 0;
    }
    const std::string name = fileName.empty() ? std::string("Tarvolin.Log") : fileName;
    const BOOL opened = CStdioFile::Open(name, kLogOpenFlags | osAppend, pError);
    if (opened) {
        m_bOpen = true;
    }
    return opened;
}

BOOL CRunLog::OpenLog(const std::string& fileName) {
    return Open(fileName, kLogOpenFlags, nullptr);
}

void CRunLog::WriteLine(int level, std::string_view text, std::string_view suffix) {
    if (level > m_nLogLevel || !m_bOpen) {
        return;
    }
    std::string record;
    record.reserve(text.size() + suffix.size() + 1);
    record.append(text).append(suffix);
    if (record.empty()) {
        return;
    }
    record += '\n';
    try {
        WriteString(record);
        Flush();
    } catch (...) {
        // Silent for good: a log with a hole in it would mislead more than no log.
        m_bOpen = false;
        m_bFailed = true;
        Abort();
    }
}

void CRunLog::WriteResourceLine(int level, UINT id, std::string_view suffix) {
    WriteLine(level, LoadResourceString(id), suffix);
}

void CRunLog::WriteMatrix(int level, std::string_view text, const CMatrix& matrix, std::string_view suffix) {
    // Formatting four rows costs; skip it for a record that would be dropped.
    if (level > m_nLogLevel || !m_bOpen) {
        return;
    }
    std::string record(text);
    record.append(suffix);
    for (int row = 0; row < 4; ++row) {
        record += "\n( ";
        for (int col = 0; col < 4; ++col) {
            if (col > 0) {
                record += " , ";
            }
            AppendFixed(record, matrix.GetAt(col, row), 7);
        }
        record += " )";
    }
    WriteLine(level, record);
}

void CRunLog::Close() {
    m_bOpen = false;
    CStdioFile::Close();
}

void CRunLog::ResetForTesting() {
    Abort();
    m_bOpen = false;
    m_bFailed = false;
    m_nLogLevel = 0;
}
