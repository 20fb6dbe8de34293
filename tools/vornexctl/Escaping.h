#pragma once

#include <string>
#include <string_view>

namespace vornexctl {

// Makes untrusted bytes (names and data from the machine) safe to print as one field
// of a tab-separated record on a terminal: tab, line feed and carriage return become
// \t, \n and \r; every other control character (C0, DEL, and C1 in UTF-8 form) and
// every byte that is not part of valid UTF-8 becomes \xNN, one per byte. Printable
// UTF-8 and backslashes pass unchanged, so Windows paths stay readable.
std::string EscapeField(std::string_view bytes);

// As EscapeField for each line of `text`, keeping its line feeds as line ends.
std::string EscapeLines(std::string_view text);

}  // namespace vornexctl
