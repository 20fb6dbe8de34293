#include "machine/ComPortSettings.h"

#include "machine/RegistryStore.h"

#include <array>

namespace machine {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

constexpr std::array<ComChoice, 15> kBitsPerSecond{{
    {"110", "110"}, {"300", "300"}, {"600", "600"}, {"1200", "1200"}, {"2400", "2400"},
    {"4800", "4800"}, {"9600", "9600"}, {"14400", "14400"}, {"19200", "19200"}, {"38400", "38400"},
    {"57600", "57600"}, {"115200", "115200"}, {"230400", "230400"}, {"460800", "460800"}, {"921600", "921600"},
}};
constexpr std::array<ComChoice, 4> kDataBits{{{"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}}};
constexpr std::array<ComChoice, 5> kParity{{
    {"e", "Even"}, {"o", "Odd"}, {"n", "None"}, {"m", "Mark"}, {"s", "Space"},
}};
constexpr std::array<ComChoice, 3> kStopBits{{{"1", "1"}, {"1.5", "1.5"}, {"2", "2"}}};
constexpr std::array<ComChoice, 3> kFlowControl{{{"x", "Xon / Xoff"}, {"p", "Hardware"}, {"", "None"}}};

}  // namespace

ComPortSettings ParseComPortSettings(std::string_view text)
{
    ComPortSettings settings;
    std::string* fields[] = {&settings.bitsPerSecond, &settings.parity, &settings.dataBits, &settings.stopBits,
                             &settings.flowControl};
    std::size_t index = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string_view field =
            text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (index < std::size(fields)) {
            // An empty field keeps the default, except flow control, where it means none.
            if (!Trimmed(field).empty() || index == 4)
                *fields[index] = std::string(field);
        } else {
            settings.extraFields.emplace_back(field);
        }
        ++index;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return settings;
}

std::string FormatComPortSettings(const ComPortSettings& settings)
{
    std::string text = settings.bitsPerSecond + "," + settings.parity + "," + settings.dataBits + "," + settings.stopBits;
    if (!settings.flowControl.empty() || !settings.extraFields.empty())
        text += "," + settings.flowControl;
    for (const std::string& extra : settings.extraFields)
        text += "," + extra;
    return text;
}

std::span<const ComChoice> ComBitsPerSecondChoices() { return kBitsPerSecond; }
std::span<const ComChoice> ComDataBitsChoices() { return kDataBits; }
std::span<const ComChoice> ComParityChoices() { return kParity; }
std::span<const ComChoice> ComStopBitsChoices() { return kStopBits; }
std::span<const ComChoice> ComFlowControlChoices() { return kFlowControl; }

std::optional<std::size_t> FindComChoice(std::span<const ComChoice> choices, std::string_view text)
{
    const std::string wanted = FoldName(Trimmed(text));
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (FoldName(choices[i].text) == wanted)
            return i;
    }
    return std::nullopt;
}

}  // namespace machine
