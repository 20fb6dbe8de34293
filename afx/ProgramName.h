#pragma once

#include <string>
#include <string_view>

// Names taken from the program file's path ('/' or '\' separate folders).
namespace afx {

// The file name without its extension: "C:\\Setup\\VORNEX.exe" -> "VORNEX".
std::string ProgramTitle(std::string_view programPath);

// The help file beside the program: "/opt/vornex/VORNEX" -> "/opt/vornex/VORNEX.HLP".
std::string HelpFilePathFor(std::string_view programPath);

}  // namespace afx
