// The line pass of CModelRewriter: one group over the whole source, line by line.
#include "model/ModelRewriter.h"
#include "platform/FormatString.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/TextUtil.h"
#include "res/Resource.h"
#include "support/RunLog.h"

namespace {

using Row = CTransformGroup::Row;

// The first token equals keyword (lowercase) once lowercased.
bool IsKeyword(std::string_view token, std::string_view keyword) {
    if (token.size() != keyword.size()) {
        return false;
    }
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (AsciiLower(token[i]) != keyword[i]) {
            return false;
        }
    }
    return true;
}

// What follows the first token, so that a keyword in any case still has its numbers read.
std::string_view AfterFirstToken(std::string_view text) {
    std::size_t pos = 0;
    NextToken(text, pos);
    return text.substr(pos);
}

// Three numbers as " %lf %lf %lf" reads them, into p = [x y z 1]; false when the text holds fewer.
bool ReadThreeNumbers(std::string_view text, Row& p) {
    const char* next = text.data();
    const char* const end = next + text.size();
    for (int i = 0; i < 3; ++i) {
        next = ParseDouble(next, end, p[i]);
        if (next == nullptr) {
            return false;
        }
    }
    p[3] = 1.0;
    return true;
}

const CFixedLineFormat& VertexLineFormat() {
    static const CFixedLineFormat format(IDS_VERTEX_LINE);
    return format;
}

const CFixedLineFormat& PositionLineFormat() {
    static const CFixedLineFormat format(IDS_POSITION_LINE);
    return format;
}

} // namespace

void CModelRewriter::ProcessFile(const CTransformGroup& group) {
    try {
        ProcessLines(group);
        m_outputFile.Close();
    } catch (...) {
        m_outputFile.Abandon();
        throw;
    }
}

void CModelRewriter::ProcessLines(const CTransformGroup& group) {
    while (m_inputFile.ReadString(m_strLine)) {
        const std::string_view line = m_strLine;
        std::size_t pos = 0;
        const std::string_view token = NextToken(line, pos);
        if (IsKeyword(token, "verts")) {
            WriteLine(line);
            ProcessVertexBlock(TrimLeftBlanks(line), group);
        } else if (IsKeyword(token, "tverts")) {
            WriteLine(line);
            ProcessTextureVertexBlock(TrimLeftBlanks(line), group);
        } else if (IsKeyword(token, "bitmap")) {
            // The source's own name, before substitution, is what texture blocks are compared with.
            m_strBitmap = NextToken(line, pos);
            MakeLower(m_strBitmap);
            WriteSubstitutedLine(line);
        } else if (IsKeyword(token, "position")) {
            TransformPositionLine(line, group);
        } else if (IsKeyword(token, "filedependancy")) {
            WriteLine(line);
        } else {
            WriteSubstitutedLine(line);
        }
    }
}

void CModelRewriter::ProcessVertexBlock(std::string_view header, const CTransformGroup& group) {
    const int count = LeadingInt(AfterFirstToken(header));
    for (int i = 0; i < count; ++i) {
        if (!m_inputFile.ReadString(m_strBlockLine)) {
            FailUnexpectedEof("Unexepected EOF processing verts");
        }
        TransformVertexLine(m_strBlockLine, group);
    }
    theLog.WriteLine(2, "Successfully processed ", header);
}

void CModelRewriter::ProcessTextureVertexBlock(std::string_view header, const CTransformGroup& group) {
    const int count = LeadingInt(AfterFirstToken(header));
    for (int i = 0; i < count; ++i) {
        if (!m_inputFile.ReadString(m_strBlockLine)) {
            FailUnexpectedEof("Unexepected EOF processing tverts");
        }
        TransformTextureVertexLine(m_strBlockLine, group);
    }
    theLog.WriteLine(2, "Successfully processed texture ", header);
}

void CModelRewriter::TransformVertexLine(std::string_view line, const CTransformGroup& group) {
    // A group that moves no vertex leaves the line unparsed, byte for byte.
    if (group.AreVertexTransformsIdentity()) {
        WriteLine(line);
        return;
    }
    Row p;
    if (!ReadThreeNumbers(line, p) || !group.TransformVertex(p)) {
        WriteLine(line);
        return;
    }
    WriteTriple(VertexLineFormat(), p);
}

void CModelRewriter::TransformTextureVertexLine(std::string_view line, const CTransformGroup& group) {
    if (group.AreTextureTransformsIdentity()) {
        WriteLine(line);
        return;
    }
    if (group.m_bHasTBitmap && group.m_strTBitmap != m_strBitmap) {
        WriteLine(line);
        theLog.WriteLine(2, "Texture skipping bitmap ", m_strBitmap);
        return;
    }
    Row t;
    if (!ReadThreeNumbers(line, t)) {
        WriteLine(line);
        return;
    }
    if (!group.TransformTextureVertex(t)) {
        WriteLine(line);
        theLog.WriteLine(2, "Texture vertex out of range ", line);
        return;
    }
    WriteTriple(VertexLineFormat(), t);
}

void CModelRewriter::TransformPositionLine(std::string_view line, const CTransformGroup& group) {
    Row p;
    if (!ReadThreeNumbers(AfterFirstToken(TrimLeftBlanks(line)), p)) {
        WriteLine(line);
        return;
    }
    group.TransformPosition(p);
    WriteTriple(PositionLineFormat(), p);
}

void CModelRewriter::FailUnexpectedEof(const char* errorText) const {
    std::string message;
    AfxFormatString1(message, IDS_UNEXPECTED_EOF, m_strModelName);
    AfxMessageBox(message, MB_OK);
    throw CTextException(errorText);
}

void CModelRewriter::WriteLine(std::string_view line) {
    m_outputFile.WriteString(line);
    m_outputFile.WriteString("\r\n");
}

void CModelRewriter::WriteSubstitutedLine(std::string_view line) {
    if (SubstituteModelNameInto(m_strSubstituted, line, m_strModelName, m_strOutputName)) {
        WriteLine(m_strSubstituted);
    } else {
        WriteLine(line);
    }
}

void CModelRewriter::WriteTriple(const CFixedLineFormat& format, const Row& values) {
    m_outputFile.WriteString(format.Format(values[0], values[1], values[2], m_strFormatted));
}
