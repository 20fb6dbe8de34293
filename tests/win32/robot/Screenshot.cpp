#include "afx/win32/WinApi.h"

#include "afx/win32/WideText.h"
#include "tests/win32/robot/Screenshot.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace robot {
namespace {

// A caption as a plain file name: ASCII letters and digits, lower case, words joined
// by hyphens ("关于 VORNEX" -> "vornex", "Select OS" -> "select-os").
std::string FileSafe(const std::string& text) {
    std::string safe;
    for (unsigned char c : text) {
        if (c < 0x80 && std::isalnum(c)) {
            safe.push_back(static_cast<char>(std::tolower(c)));
        } else if (c == ' ' && !safe.empty() && safe.back() != '-') {
            safe.push_back('-');
        }
    }
    while (!safe.empty() && safe.back() == '-') {
        safe.pop_back();
    }
    return safe.empty() ? std::string("window") : safe;
}

std::string StemOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

std::string SaveScreenshot(const std::string& folder, const std::string& flowName, int number,
                           const std::string& caption) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) {
        return {};
    }
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    const BOOL copied = ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as a BMP file keeps it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * 3 + 3) / 4) * 4;
    std::vector<std::uint8_t> pixels(rowBytes * static_cast<std::size_t>(height));
    const int lines = copied ? ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                           reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)
                             : 0;
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (lines != height) {
        return {};
    }

    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "-%02d-", number);
    const std::string name = StemOf(flowName) + prefix + FileSafe(caption) + ".bmp";
    std::ofstream out(std::filesystem::path(afx::win32::Widen(folder + "\\" + name)), std::ios::binary);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    return out ? name : std::string();
}

}  // namespace robot
