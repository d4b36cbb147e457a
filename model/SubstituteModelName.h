// SubstituteModelName: a model file line with the model's name replaced by the output's name.
// The name is found without regard to ASCII case, anywhere in the line, in one left-to-right scan of the
// line as read; text just inserted is never searched again, so an output name that contains the model
// name cannot make the replacement run on.
#pragma once

#include <string>
#include <string_view>

// modelName is lowercase. The line comes back unchanged when outputName equals modelName (so the case of
// its text survives) or when modelName is empty.
std::string SubstituteModelName(std::string_view line, std::string_view modelName,
                                std::string_view outputName);

// The same into result, reusing its storage; false, with result untouched, when nothing is replaced.
bool SubstituteModelNameInto(std::string& result, std::string_view line, std::string_view modelName,
                             std::string_view outputName);
