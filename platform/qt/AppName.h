// AfxGetAppName: the application's name, which is the executable's base name ("Tarvolin"). It is the
// caption of every message box and names the application profile.
#pragma once

#include <string>

std::string AfxGetAppName();
