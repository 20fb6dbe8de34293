// The resources VORNEX.exe carries, read back through the system's own resource calls
// and compared with the data in res/ they were written from. This program links the
// same resource object as VORNEX.exe.
#include "afx/win32/WinApi.h"

#include "afx/win32/ControlClasses.h"
#include "afx/win32/TemplateInMemory.h"
#include "afx/win32/WideText.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"
#include "res/Templates.h"
#include "tests/win32/DialogResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <string>

namespace {

// The resource types, by number (the header's names are the 8-bit ones here).
const LPCWSTR kTypeDialog = MAKEINTRESOURCEW(5);
const LPCWSTR kTypeIcon = MAKEINTRESOURCEW(3);
const LPCWSTR kTypeIconGroup = MAKEINTRESOURCEW(14);
const LPCWSTR kTypeVersion = MAKEINTRESOURCEW(16);
const LPCWSTR kTypeManifest = MAKEINTRESOURCEW(24);

std::span<const std::uint8_t> ResourceBytes(LPCWSTR type, LPCWSTR name) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, name, type);
    if (found == nullptr) {
        return {};
    }
    const HGLOBAL loaded = ::LoadResource(module, found);
    const auto* data = static_cast<const std::uint8_t*>(::LockResource(loaded));
    return {data, ::SizeofResource(module, found)};
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

// What both generators must have written for one template of res/.
void ExpectSameDialog(const res::DialogTemplate& expected, const wintest::DialogResource& actual) {
    SCOPED_TRACE("dialog " + std::to_string(expected.id));
    EXPECT_EQ(Hex(actual.style), Hex(expected.style | DS_SETFONT));
    EXPECT_EQ(Hex(actual.exStyle), Hex(expected.exStyle));
    EXPECT_EQ(actual.x, expected.rect.x);
    EXPECT_EQ(actual.y, expected.rect.y);
    EXPECT_EQ(actual.cx, expected.rect.cx);
    EXPECT_EQ(actual.cy, expected.rect.cy);
    EXPECT_EQ(actual.caption, expected.caption);
    EXPECT_EQ(actual.face, expected.font.face);
    EXPECT_EQ(actual.pointSize, expected.font.points);
    EXPECT_EQ(actual.charset, afx::win32::kDialogFontCharset);
    ASSERT_EQ(actual.items.size(), expected.controls.size());
    for (std::size_t i = 0; i < actual.items.size(); ++i) {
        const res::ControlTemplate& control = expected.controls[i];
        const wintest::DialogItem& item = actual.items[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(control.id) + ")");
        EXPECT_EQ(item.id, control.id);
        EXPECT_EQ(Hex(item.style), Hex(control.style)) << "visibility, tab stops, groups and kinds as in res/";
        EXPECT_EQ(Hex(item.exStyle), Hex(control.exStyle));
        EXPECT_EQ(item.x, control.rect.x);
        EXPECT_EQ(item.y, control.rect.y);
        EXPECT_EQ(item.cx, control.rect.cx);
        EXPECT_EQ(item.cy, control.rect.cy);
        EXPECT_EQ(::lstrcmpiA(item.windowClass.c_str(), afx::win32::WindowClassName(control.kind)), 0)
            << item.windowClass;
        if (control.kind == res::ControlKind::Icon) {
            EXPECT_EQ(item.textId, control.iconId);
        } else {
            EXPECT_FALSE(item.textId.has_value());
            EXPECT_EQ(item.text, control.text);
        }
    }
}

TEST(Resources, EveryDialogTemplateIsCompiledAsTheDataSays) {
    ASSERT_EQ(res::AllDialogTemplates().size(), 5u);
    for (const res::DialogTemplate& dialog : res::AllDialogTemplates()) {
        const auto bytes = ResourceBytes(kTypeDialog, MAKEINTRESOURCEW(dialog.id));
        ASSERT_FALSE(bytes.empty()) << "dialog " << dialog.id << " is missing";
        const std::optional<wintest::DialogResource> read = wintest::ReadDialogResource(bytes);
        ASSERT_TRUE(read) << "dialog " << dialog.id << " is not an extended template";
        ExpectSameDialog(dialog, *read);
    }
}

TEST(Resources, TemplatesBuiltInMemoryReadLikeTheCompiledOnes) {
    for (const res::DialogTemplate& dialog : res::AllDialogTemplates()) {
        const afx::win32::TemplateInMemory built(dialog);
        const auto* begin = reinterpret_cast<const std::uint8_t*>(built.Get());
        // The reader stops at the end of the last item; the size only bounds it.
        const std::optional<wintest::DialogResource> read =
            wintest::ReadDialogResource(std::span<const std::uint8_t>(begin, 64 * 1024));
        ASSERT_TRUE(read) << dialog.id;
        ExpectSameDialog(dialog, *read);
    }
}

TEST(Resources, TheAboutItemTextComesFromStringOneHundredAndOne) {
    const std::optional<std::string_view> expected = res::FindString(IDS_ABOUTBOX);
    ASSERT_TRUE(expected);
    wchar_t text[128] = {};
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 128);
    ASSERT_GT(length, 0);
    EXPECT_EQ(afx::win32::Narrow(std::wstring_view(text, static_cast<std::size_t>(length))), *expected);
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Every pixel of one compiled icon image against its rows in res/: the colour where the
// data has one, the mask bit where it is transparent.
void ExpectSameImage(const res::IconImage& expected, std::span<const std::uint8_t> dib) {
    SCOPED_TRACE(std::to_string(expected.width) + "x" + std::to_string(expected.height));
    BITMAPINFOHEADER header;
    ASSERT_GE(dib.size(), sizeof header);
    std::memcpy(&header, dib.data(), sizeof header);
    ASSERT_EQ(header.biWidth, expected.width);
    ASSERT_EQ(header.biHeight, expected.height * 2) << "colour bitmap and mask";
    ASSERT_EQ(header.biBitCount, 4);
    const std::size_t paletteBytes = 16 * sizeof(RGBQUAD);
    const std::size_t colourRow = ((static_cast<std::size_t>(expected.width) * 4 + 31) / 32) * 4;
    const std::size_t maskRow = ((static_cast<std::size_t>(expected.width) + 31) / 32) * 4;
    const std::size_t height = static_cast<std::size_t>(expected.height);
    ASSERT_GE(dib.size(), sizeof header + paletteBytes + (colourRow + maskRow) * height);
    const std::uint8_t* palette = dib.data() + sizeof header;
    const std::uint8_t* colours = palette + paletteBytes;
    const std::uint8_t* mask = colours + colourRow * height;
    for (int y = 0; y < expected.height; ++y) {
        const std::size_t row = height - 1 - static_cast<std::size_t>(y);
        for (int x = 0; x < expected.width; ++x) {
            const std::size_t column = static_cast<std::size_t>(x);
            const bool transparent = (mask[row * maskRow + column / 8] & (0x80u >> (column % 8))) != 0;
            const std::optional<int> index = expected.PixelAt(x, y);
            ASSERT_EQ(transparent, !index.has_value()) << "pixel " << x << "," << y;
            if (index) {
                const std::uint8_t byte = colours[row * colourRow + column / 2];
                const int stored = (x % 2 == 0) ? (byte >> 4) : (byte & 0x0F);
                const std::uint8_t* rgb = palette + 4 * static_cast<std::size_t>(stored);
                const std::uint32_t colour = static_cast<std::uint32_t>(rgb[2] << 16 | rgb[1] << 8 | rgb[0]);
                ASSERT_EQ(colour, res::kPalette16[static_cast<std::size_t>(*index)]) << "pixel " << x << "," << y;
            }
        }
    }
}

TEST(Resources, IconOneHundredAndTwentyEightHoldsBothSixteenColourImages) {
    const res::IconResource* icon = res::FindIcon(IDI_VORNEX);
    ASSERT_NE(icon, nullptr);
    const auto group = ResourceBytes(kTypeIconGroup, MAKEINTRESOURCEW(IDI_VORNEX));
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_EQ(count, icon->images.size());
    ASSERT_EQ(count, 2u) << "32 x 32 and 16 x 16";
    for (WORD i = 0; i < count; ++i) {
        IconGroupEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        const res::IconImage& image = icon->images[i];
        EXPECT_EQ(entry.width, image.width);
        EXPECT_EQ(entry.height, image.height);
        EXPECT_EQ(entry.colours, 16);
        EXPECT_EQ(entry.bitCount, 4);
        ExpectSameImage(image, ResourceBytes(kTypeIcon, MAKEINTRESOURCEW(entry.id)));
    }
    for (const int size : {32, 16}) {
        HANDLE loaded = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VORNEX), IMAGE_ICON, size,
                                     size, LR_DEFAULTCOLOR);
        EXPECT_NE(loaded, nullptr) << size;
        if (loaded != nullptr) {
            ::DestroyIcon(static_cast<HICON>(loaded));
        }
    }
}

TEST(Resources, TheManifestAsksForAnAdministratorAndCommonControlsSixOnly) {
    const auto bytes = ResourceBytes(kTypeManifest, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(bytes.empty()) << "no application manifest";
    const std::string manifest(bytes.begin(), bytes.end());
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    // A supportedOS entry would change the version Windows reports to the program.
    EXPECT_EQ(manifest.find("supportedOS"), std::string::npos);
    EXPECT_EQ(manifest.find("<compatibility"), std::string::npos);
}

TEST(Resources, VersionInformationNamesTheProductAndItsVersion) {
    const auto bytes = ResourceBytes(kTypeVersion, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(bytes.empty());
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(::VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 4);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 1);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    wchar_t* product = nullptr;
    ASSERT_TRUE(::VerQueryValueW(copy.data(), L"\\StringFileInfo\\080404B0\\ProductName",
                                 reinterpret_cast<void**>(&product), &size));
    EXPECT_STREQ(product, L"VORNEX");
    wchar_t* original = nullptr;
    ASSERT_TRUE(::VerQueryValueW(copy.data(), L"\\StringFileInfo\\080404B0\\OriginalFilename",
                                 reinterpret_cast<void**>(&original), &size));
    EXPECT_STREQ(original, L"VORNEX.exe");
}

}  // namespace
