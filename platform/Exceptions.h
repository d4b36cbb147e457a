// The errors that leave the system's operations by exception.
// CTextException carries one of the system's short texts ("Cannot open output file.", ...);
// CFileException and CArchiveException stand for the framework's file and archive exceptions.
#pragma once

#include <exception>
#include <string>

class CException : public std::exception {};

class CTextException : public CException {
public:
    explicit CTextException(std::string text) : m_strText(std::move(text)) {}
    const char* what() const noexcept override { return m_strText.c_str(); }
    const std::string& GetText() const { return m_strText; }

private:
    std::string m_strText;
};

class CFileException : public CException {
public:
    enum Cause { none, genericException, fileNotFound, badPath, accessDenied, diskFull, endOfFile };

    CFileException() = default;
    CFileException(Cause cause, int osError, std::string fileName)
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    // Maps an errno value to the framework's causes.
    static Cause CauseFromErrno(int error);

    const char* what() const noexcept override { return "file exception"; }

    Cause m_cause = none;
    int m_lOsError = 0;
    std::string m_strFileName;
};

class CArchiveException : public CException {
public:
    enum Cause { none, badClass, endOfFile };

    explicit CArchiveException(Cause cause) : m_cause(cause) {}
    const char* what() const noexcept override { return "archive exception"; }

    Cause m_cause;
};
