// The SOURCE operands of tarvolin-batch as the list of source files, in the order given.
// A folder stands for its regular files (symbolic links to regular files included) whose names end in
// ".mdl" in any ASCII case, hidden ones and a bare ".mdl" too, sorted by byte value, joined as
// FOLDER/NAME. Anything else stays as given, so a missing file or a FIFO fails when the run opens it;
// a folder that cannot be listed does too.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ExpandSources(const std::vector<std::string>& operands);
