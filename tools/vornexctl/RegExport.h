#pragma once

#include "machine/MachineInspector.h"

#include <string>
#include <string_view>

namespace vornexctl {

inline constexpr std::string_view kRegFileHeader = "Windows Registry Editor Version 5.00";

// Builds a registry file in the format regedit 5 writes and imports:
//   the header line, a blank line, then per key "[full path]", its values, a blank line;
//   "name"="text" (backslash and quote escaped), @ for the default value,
//   dword:0000005a, hex(2): expandable and hex(7): multi-strings as UTF-16LE bytes,
//   hex: binary, hex(N): any other type, wrapped with "\" continuations as regedit
//   wraps them.
// A string that is not one plain text with its terminator (it holds a control
// character, an inner NUL or no terminator) is written as hex(1): so that it comes
// back byte for byte and no control character reaches the file. The text is UTF-8
// with line feeds; EncodeRegFile turns it into the bytes of a file.
class RegFileBuilder {
public:
    RegFileBuilder();

    // Adds one key's section. False, with nothing added and Error() saying why, when
    // the key's path or a value's name holds a control character: a .reg line cannot
    // carry it and it must not reach a terminal.
    bool AddKey(const machine::RegistryKeyRecord& key);

    const std::string& Text() const { return m_text; }
    const std::string& Error() const { return m_error; }

private:
    std::string m_text;
    std::string m_error;
};

// One value as its line(s) in the file, continuation lines included, no final line
// feed. False with `why` set when the name holds a control character.
bool FormatRegValue(const machine::StoredValue& value, std::string& line, std::string& why);

enum class RegFileEncoding {
    Utf8,     // as built: UTF-8, line feeds
    Utf16Le,  // what regedit writes: a byte-order mark, UTF-16LE, CR LF line ends
};

std::string EncodeRegFile(std::string_view text, RegFileEncoding encoding);

}  // namespace vornexctl
