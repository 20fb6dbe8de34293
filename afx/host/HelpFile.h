#pragma once

#include "afx/WinDefs.h"

#include <optional>
#include <string>
#include <string_view>

// The host's help file: plain UTF-8 text beside the program (its name with ".HLP"),
// one topic per help context:
//
//     # Lines before the first topic are comments.
//     [131201] Select OS
//     The first page shows the Windows version that was detected...
//
//     [131174] Detail Setting
//     ...
//
// A topic runs from its "[number] title" line to the next one; blank lines at its end
// are dropped.
namespace afx::host {

struct HelpTopic {
    std::string title;
    std::string body;
};

std::optional<HelpTopic> FindHelpTopic(std::string_view fileText, DWORD context);

}  // namespace afx::host
