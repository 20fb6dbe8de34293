#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace machine {

// The line settings of a serial port as the Ports value keeps them:
// "baud,parity,data,stop[,flow]", e.g. "9600,n,8,1" or "9600,N,8,1,x".
// Each field keeps its text as found (case, a flow of " "), so that what a dialog
// does not change is written back as it was; an empty or missing field takes the
// default of a fresh port.
struct ComPortSettings {
    std::string bitsPerSecond = "9600";
    std::string parity = "n";     // e, o, n, m, s (either case)
    std::string dataBits = "8";   // 5 to 8
    std::string stopBits = "1";   // 1, 1.5, 2
    std::string flowControl;      // "" or " " none, "x" Xon/Xoff, "p" hardware
    std::vector<std::string> extraFields;  // anything after the fifth field, kept as is

    bool operator==(const ComPortSettings&) const = default;
};

inline constexpr const char* kDefaultComPortText = "9600,n,8,1";

ComPortSettings ParseComPortSettings(std::string_view text);
// Four fields, or five when there is a flow control (or extra fields follow).
std::string FormatComPortSettings(const ComPortSettings& settings);

// The choices the port settings dialog offers, with the text each stores.
struct ComChoice {
    const char* text;   // as stored
    const char* label;  // as shown
};
std::span<const ComChoice> ComBitsPerSecondChoices();  // 110 ... 921600
std::span<const ComChoice> ComDataBitsChoices();       // 5, 6, 7, 8
std::span<const ComChoice> ComParityChoices();         // e Even, o Odd, n None, m Mark, s Space
std::span<const ComChoice> ComStopBitsChoices();       // 1, 1.5, 2
std::span<const ComChoice> ComFlowControlChoices();    // x Xon / Xoff, p Hardware, "" None

// The row of `choices` whose text matches `text` (case-insensitive, spaces around
// ignored, so a flow of " " is None); nullopt for a text the dialog does not know.
std::optional<std::size_t> FindComChoice(std::span<const ComChoice> choices, std::string_view text);

}  // namespace machine
