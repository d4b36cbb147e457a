// CAtomicOutputFile: an output file that appears under its name only once it is complete.
// It is written to a temporary file in the destination folder (unnamed where the file system allows,
// else hidden), and Close puts it in place; a pass that fails abandons it, so an older file at that
// path stays as it was and a kill leaves no half-written output behind. Bytes are written untranslated:
// the writer puts CR LF at the end of each line itself.
#pragma once

#include "platform/StdioFile.h"

#include <span>
#include <string>
#include <sys/types.h>

// A file as the file system knows it: links to one file share one identity.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

class CAtomicOutputFile : public CStdioFile {
public:
    CAtomicOutputFile() = default;
    // Abandons an output that was not closed.
    ~CAtomicOutputFile() override;

    // Checks what is at path and makes the temporary file. False, with nothing created, when the output
    // could not be written: path is a folder, a file the user may not write, a file of protectedFiles
    // (also through a link), cannot be examined, or the folder takes no temporary file. A symbolic link
    // at path is replaced itself, never its target. A replaced file's permission bits are kept.
    bool Create(const std::string& path, std::span<const FileIdentity> protectedFiles);

    // Writes what is buffered and puts the file in place under its name; throws CFileException when
    // that fails, and the temporary file is gone then too.
    void Close() override;

    // Drops the temporary file; whatever was at the path before stays. Never throws.
    void Abandon();

private:
    bool CreateTemporary(const std::string& folder, mode_t mode);
    std::string UniqueHiddenPath(const std::string& folder) const;
    // Names the unnamed file by a hidden name, so that a rename can put it over what is in place.
    void LinkUnderHiddenName();

    std::string m_strTargetPath;
    std::string m_strHiddenPath; // the named temporary file, while there is one
    bool m_bUnnamed = false;     // written to an O_TMPFILE file, which has no name yet
    bool m_bReplacing = false;   // something was at the target path when the output was created
};
