#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Icon resources as data: every image is a grid of palette indexes, one text row per
// pixel row, so the pictures can be read and edited in the source. The Windows build
// writes them out as an .ico file for its resource script.
namespace res {

// The 16 standard colours of a 4-bit icon, as 0xRRGGBB, in palette order.
inline constexpr std::array<std::uint32_t, 16> kPalette16 = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

inline constexpr char kTransparentPixel = '.';

struct IconImage {
    int width = 0;
    int height = 0;
    // `height` rows of `width` characters: a hexadecimal digit is a palette index
    // (0-9, A-F), kTransparentPixel lets the background through.
    std::span<const std::string_view> rows;

    // The palette index at (x, y), or nothing where the pixel is transparent.
    constexpr std::optional<int> PixelAt(int x, int y) const {
        const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return std::nullopt;
    }
};

struct IconResource {
    unsigned id = 0;
    std::span<const IconImage> images;  // largest first
};

const IconResource& VornexIcon();

// Null when no icon has that id.
const IconResource* FindIcon(unsigned id);

}  // namespace res
