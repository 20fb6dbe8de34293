#include "tools/rcgen/IconFile.h"

#include <cstddef>

namespace rcgen {
namespace {

constexpr int kBitsPerPixel = 4;
constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconDirEntrySize = 16;
constexpr std::size_t kBitmapInfoHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Bitmap rows are padded to whole 32-bit words.
std::size_t RowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

// The image as the icon format stores it: a bitmap header (the height counts the colour
// bitmap and the mask), the palette, the colour bitmap bottom-up, the mask bottom-up.
std::vector<std::uint8_t> ImageData(const res::IconImage& image) {
    const std::size_t colourRow = RowBytes(image.width, kBitsPerPixel);
    const std::size_t maskRow = RowBytes(image.width, 1);
    const std::size_t height = static_cast<std::size_t>(image.height);

    std::vector<std::uint8_t> out;
    Put32(out, kBitmapInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height * 2));
    Put16(out, 1);  // planes
    Put16(out, kBitsPerPixel);
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * height));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(res::kPalette16.size()));
    Put32(out, 0);
    for (std::uint32_t rgb : res::kPalette16) {
        out.push_back(static_cast<std::uint8_t>(rgb & 0xFF));          // blue
        out.push_back(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));   // green
        out.push_back(static_cast<std::uint8_t>((rgb >> 16) & 0xFF));  // red
        out.push_back(0);
    }

    std::vector<std::uint8_t> colours(colourRow * height, 0);
    std::vector<std::uint8_t> mask(maskRow * height, 0);
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = height - 1 - static_cast<std::size_t>(y);  // bottom-up
        for (int x = 0; x < image.width; ++x) {
            const std::size_t column = static_cast<std::size_t>(x);
            const std::optional<int> index = image.PixelAt(x, y);
            if (index) {
                const int shift = (x % 2 == 0) ? 4 : 0;
                colours[row * colourRow + column / 2] |= static_cast<std::uint8_t>(*index << shift);
            } else {
                // Transparent: black in the colour bitmap, set in the mask.
                mask[row * maskRow + column / 8] |= static_cast<std::uint8_t>(0x80u >> (column % 8));
            }
        }
    }
    out.insert(out.end(), colours.begin(), colours.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

}  // namespace

std::vector<std::uint8_t> IconFile(const res::IconResource& icon) {
    std::vector<std::vector<std::uint8_t>> images;
    for (const res::IconImage& image : icon.images) {
        images.push_back(ImageData(image));
    }

    std::vector<std::uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, static_cast<unsigned>(images.size()));
    std::size_t offset = kIconDirSize + kIconDirEntrySize * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const res::IconImage& image = icon.images[i];
        out.push_back(static_cast<std::uint8_t>(image.width >= 256 ? 0 : image.width));
        out.push_back(static_cast<std::uint8_t>(image.height >= 256 ? 0 : image.height));
        out.push_back(static_cast<std::uint8_t>(res::kPalette16.size()));
        out.push_back(0);
        Put16(out, 1);  // planes
        Put16(out, kBitsPerPixel);
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, static_cast<std::uint32_t>(offset));
        offset += images[i].size();
    }
    for (const std::vector<std::uint8_t>& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

}  // namespace rcgen
