#include "install/StoredNames.h"

#include "install/NameCodec.h"

#include <array>

namespace install {

namespace {

// Made with tools/namecodec (vornex-encode-name TEXT KEY); the plain texts live only there
// and in the tests.
constexpr std::array<StoredName, kStoredNameCount> kStoredNames{{
    {"EGCLIMJFFYGUCGGSFYGNBRHYDGCFDOBOAVGJ", 0x3A51},
    {"BODOCODCBPJLCICXCNDLCEBNBZHGEADDIFDQ", 0x7C12},
    {"IQAIIPDNAYGAJNDNAUBZCUAEEHDHHFIEANFQCGJIBYAG", 0xB4E7},
    {"CXBOBECFCHHPDYCDJMFSDUDPCXCWIQCZINGH", 0x1F9D},
    {"FEGSGGFYEPJDGGHCAJDWAIFVIGGAGRISAQCZHT", 0xD263},
    {"AMIRFBIUHECSFVAKFJIFBUATAPBIHICBGMFREMAQFKDO", 0x5A8C},
}};

constexpr std::size_t kDefaultPrinterSlot = kStoredNameCount - 1;

static_assert(kDefaultPrinterSlot == DriverCatalogue::kModuleCount,
              "one stored name per module, then the default printer name");

std::string Decode(const StoredName& name) { return DecodeName(std::string(name.stored), name.key); }

}  // namespace

std::span<const StoredName> StoredNames() { return kStoredNames; }

std::optional<StoredName> ModuleStoredName(ModuleIndex row)
{
    if (row < 0 || row >= DriverCatalogue::kModuleCount)
        return std::nullopt;
    return kStoredNames[static_cast<std::size_t>(row)];
}

StoredName DefaultPrinterStoredName() { return kStoredNames[kDefaultPrinterSlot]; }

std::optional<std::string> DecodeModuleName(ModuleIndex row)
{
    if (const auto name = ModuleStoredName(row))
        return Decode(*name);
    return std::nullopt;
}

std::string DecodeDefaultPrinterName() { return Decode(DefaultPrinterStoredName()); }

}  // namespace install
