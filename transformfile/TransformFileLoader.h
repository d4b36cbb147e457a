// Loading a transformation file into the transform table and the main window's folders, and writing
// the remembered folders back at exit. The run log is opened by the first load and kept afterwards.
#pragma once

#include "transformfile/ITransformFileTarget.h"

#include <string>

// path "" is the default file beside the executable; a relative path is taken beside it too.
// Replaces the folders, g_nTransforms, g_pTransforms and g_strLoadedTransformFile; a group with a value
// that does not parse shows message 114 and applies to no model file. Returns how many groups were
// rejected that way (the command line's exit status needs it).
// LogOpening::Leave keeps a closed run log closed (tarvolin-batch --dry-run writes nothing at all).
enum class LogOpening { Open, Leave };
int LoadTransformationFile(ITransformFileTarget& target, const std::string& path,
                           LogOpening logOpening = LogOpening::Open);

// Section Global of the default file: SourceDir only when not empty, DestDir always (also empty).
void WriteRememberedFolders(const std::string& sourceDir, const std::string& destDir);
