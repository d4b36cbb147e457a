// The file side of CModelRewriter: the source, the model name, output naming and opening.
#include "model/ModelRewriter.h"

#include "platform/FormatString.h"
#include "platform/MessageBox.h"
#include "platform/SplitPath.h"
#include "platform/TextUtil.h"
#include "res/Resource.h"
#include "support/RunLog.h"
#include "transformfile/TransformTable.h"
#include "transformfile/WildcardMatch.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kAsciiCheckSize = 4096;

// The characters that cannot stand in a file name are dropped from a substitute pattern.
bool IsIgnoredInFileName(char ch) {
    return std::string_view("\"/:<>\\|").find(ch) != std::string_view::npos;
}

} // namespace

CModelRewriter::CModelRewriter(const std::string& sourcePath, const std::string& destDir)
    : m_strInputPath(sourcePath), m_inputFile(sourcePath, CFile::modeRead | CFile::typeText),
      m_strDestDir(destDir) {
    const SplitPathParts parts = SplitPath(m_strInputPath);
    if (parts.fname.empty()) {
        AfxMessageBox(IDS_INVALID_FILE_NAME, MB_OK);
        throw CTextException("Invalid file name.");
    }
    m_strModelName = ToLower(parts.fname);
    m_strExtension = parts.ext;
    theLog.WriteLine(1, "Opening new input file for ", m_strModelName);
}

CModelRewriter::~CModelRewriter() = default;

bool CModelRewriter::PlanOutput(const CTransformGroup& group) {
    m_strMatch = group.m_strMatch;
    m_strSubstitute = group.m_strSubstitute;
    if (!WildcardMatch(m_strMatch, m_strModelName)) {
        return false;
    }
    BuildOutputName();
    return true;
}

bool CModelRewriter::OpenOutput(const CTransformGroup& group) {
    if (!PlanOutput(group)) {
        return false;
    }
    if (!IsAsciiModel()) {
        AfxMessageBox(
            FormatPlaceholders("Invalid model file (%1) - not an ASCII model file.", m_strModelName), MB_OK);
        throw CTextException("Invalid model file.");
    }
    if (!m_outputFile.Create(m_strOutputPath, ProtectedFiles())) {
        throw CTextException("Cannot open output file.");
    }
    theLog.WriteLine(2, "Opening new output file for ", m_strOutputName);
    m_inputFile.SeekToBegin();
    return true;
}

std::string CModelRewriter::GetOutputFileName() const {
    const auto slash = m_strOutputPath.find_last_of('/');
    return slash == std::string::npos ? m_strOutputPath : m_strOutputPath.substr(slash + 1);
}

void CModelRewriter::BuildOutputName() {
    m_strOutputName = m_strModelName;
    std::size_t p = 0;
    for (const char ch : m_strSubstitute) {
        if (IsIgnoredInFileName(ch)) {
            continue;
        }
        if (ch == '*') {
            p = m_strOutputName.size();
        } else if (ch == '?') {
            ++p;
        } else {
            if (p < m_strOutputName.size()) {
                m_strOutputName[p] = ch;
            } else {
                m_strOutputName += ch;
            }
            ++p;
        }
    }
    if (p < m_strOutputName.size()) {
        m_strOutputName.resize(p);
    }
    m_strOutputPath = m_strDestDir + "/" + m_strOutputName + m_strExtension;
}

bool CModelRewriter::IsAsciiModel() {
    if (!m_bAsciiModel) {
        char head[kAsciiCheckSize];
        std::size_t got = 0;
        while (got < sizeof head) {
            const ssize_t n =
                ::pread(m_inputFile.GetHandle(), head + got, sizeof head - got, static_cast<off_t>(got));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                const int error = errno;
                throw CFileException(CFileException::CauseFromErrno(error), error, m_strInputPath);
            }
            if (n == 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        m_bAsciiModel = std::memchr(head, '\0', got) == nullptr;
    }
    return *m_bAsciiModel;
}

std::vector<FileIdentity> CModelRewriter::ProtectedFiles() const {
    std::vector<FileIdentity> files;
    struct stat st {};
    if (::fstat(m_inputFile.GetHandle(), &st) == 0) {
        files.push_back({st.st_dev, st.st_ino});
    }
    if (theLog.IsOpen() && ::fstat(theLog.GetHandle(), &st) == 0) {
        files.push_back({st.st_dev, st.st_ino});
    }
    if (!g_strLoadedTransformFile.empty() && ::stat(g_strLoadedTransformFile.c_str(), &st) == 0) {
        files.push_back({st.st_dev, st.st_ino});
    }
    return files;
}
