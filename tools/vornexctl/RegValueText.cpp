#include "tools/vornexctl/RegValueText.h"

#include "machine/RegData.h"
#include "platform/Registry.h"

#include <array>
#include <cstdio>

namespace vornexctl {

namespace {

constexpr std::uint32_t kRegQword = 11;

constexpr std::array<const char*, 12> kTypeNames{
    "REG_NONE",
    "REG_SZ",
    "REG_EXPAND_SZ",
    "REG_BINARY",
    "REG_DWORD",
    "REG_DWORD_BIG_ENDIAN",
    "REG_LINK",
    "REG_MULTI_SZ",
    "REG_RESOURCE_LIST",
    "REG_FULL_RESOURCE_DESCRIPTOR",
    "REG_RESOURCE_REQUIREMENTS_LIST",
    "REG_QWORD",
};

std::string HexNumber(unsigned long long number)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", number);
    return text;
}

std::string HexDigits(std::span<const std::uint8_t> data)
{
    std::string text;
    char pair[3];
    for (std::uint8_t byte : data) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        text += pair;
    }
    return text;
}

}  // namespace

std::string RegTypeName(std::uint32_t type)
{
    if (type < kTypeNames.size())
        return kTypeNames[type];
    return HexNumber(type);
}

std::string RegDataText(const machine::StoredValue& value)
{
    switch (value.type) {
    case platform::kRegSz:
    case platform::kRegExpandSz:
        return machine::DecodeSz(value.data);
    case platform::kRegMultiSz: {
        std::string text;
        for (const std::string& entry : machine::DecodeMultiSz(value.data)) {
            if (!text.empty())
                text += "\\0";
            text += entry;
        }
        return text;
    }
    case platform::kRegDword:
        if (const auto number = machine::DecodeDword(value.data))
            return HexNumber(*number);
        break;
    case kRegQword:
        if (value.data.size() == 8) {
            unsigned long long number = 0;
            for (std::size_t i = 8; i-- > 0;)
                number = number << 8 | value.data[i];
            return HexNumber(number);
        }
        break;
    default:
        break;
    }
    return HexDigits(value.data);
}

}  // namespace vornexctl
