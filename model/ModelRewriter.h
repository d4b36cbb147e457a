// CModelRewriter: rewrites one source model file into one output file per transform group that
// selects it. The file side opens the source, names each output from the group's patterns and opens it
// safely; the line pass streams the source once per group, recomputing vertex, texture-vertex and
// position lines through the group and putting the output's name in place of the model's.
#pragma once

#include "geometry/TransformGroup.h"
#include "model/AtomicOutputFile.h"
#include "model/FixedLineFormat.h"
#include "model/SubstituteModelName.h"
#include "platform/Object.h"
#include "platform/StdioFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CModelRewriter : public CObject {
public:
    // Opens the source for reading (CFileException when it cannot) and takes its lowercased base name as
    // the model name; an empty base name shows message 107 and throws CTextException("Invalid file name.").
    CModelRewriter(const std::string& sourcePath, const std::string& destDir);
    // Closes the source, and abandons an output that no pass completed.
    ~CModelRewriter() override;

    // False when the group does not select this source. Otherwise names the output, refuses a source
    // that is not an ASCII model (a message, then CTextException), opens the output or throws
    // CTextException("Cannot open output file."), rewinds the source and returns true.
    bool OpenOutput(const CTransformGroup& group);
    // OpenOutput's naming alone (match test, output name and path): no check, no file, no log record.
    bool PlanOutput(const CTransformGroup& group);
    // The output's file name with extension, without folder.
    std::string GetOutputFileName() const;
    const std::string& GetOutputPath() const { return m_strOutputPath; }

    // One pass over the whole source for the group OpenOutput accepted; the output is in place when it
    // returns. A truncated block shows message 108 and throws CTextException; file errors leave as
    // CFileException. After any error the output is abandoned and an older file at its path is kept.
    void ProcessFile(const CTransformGroup& group);

private:
    // Sets m_strOutputName and m_strOutputPath from m_strSubstitute.
    void BuildOutputName();
    // A source whose first 4,096 bytes hold a NUL byte is no ASCII model file.
    bool IsAsciiModel();
    // The files an output must never replace: the source, the open run log, the transformation file.
    std::vector<FileIdentity> ProtectedFiles() const;

    void ProcessLines(const CTransformGroup& group);
    // header: the block's header line without its leading blanks.
    void ProcessVertexBlock(std::string_view header, const CTransformGroup& group);
    void ProcessTextureVertexBlock(std::string_view header, const CTransformGroup& group);
    void TransformVertexLine(std::string_view line, const CTransformGroup& group);
    void TransformTextureVertexLine(std::string_view line, const CTransformGroup& group);
    void TransformPositionLine(std::string_view line, const CTransformGroup& group);
    // Message 108 and the error that ends the pass, for a block the source ends inside.
    [[noreturn]] void FailUnexpectedEof(const char* errorText) const;

    // Each writes one output line with its CR LF.
    void WriteLine(std::string_view line);
    void WriteSubstitutedLine(std::string_view line);
    void WriteTriple(const CFixedLineFormat& format, const CTransformGroup::Row& values);

    std::string m_strInputPath;
    CStdioFile m_inputFile;
    std::string m_strModelName;
    std::string m_strDestDir;
    std::string m_strOutputPath;
    CAtomicOutputFile m_outputFile;
    std::string m_strOutputName;
    std::string m_strMatch;
    std::string m_strSubstitute;
    std::string m_strBitmap;

    std::string m_strExtension;
    // Looked at once, when a group first selects the source.
    std::optional<bool> m_bAsciiModel;
    // Storage reused from line to line, so the pass allocates only when a line is longer than any before.
    std::string m_strLine;
    std::string m_strBlockLine;
    std::string m_strSubstituted;
    std::string m_strFormatted;
};
