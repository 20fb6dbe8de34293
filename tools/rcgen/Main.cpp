// vornex-rcgen: writes the resource script of VORNEX.exe and its icon file from res/.
//
//     vornex-rcgen OUT_DIR MANIFEST MAJOR.MINOR.PATCH.BUILD
//
// Writes OUT_DIR/VORNEX.rc and OUT_DIR/VORNEX.ico; a file whose content is unchanged
// is left alone, so the resources are not compiled again for nothing.
#include "res/ResourceIds.h"
#include "res/Icons.h"
#include "tools/rcgen/IconFile.h"
#include "tools/rcgen/ResourceScript.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

bool WriteIfChanged(const std::filesystem::path& path, const std::string& content) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            const std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (old == content) {
                return true;
            }
        }
    }
    const std::filesystem::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "vornex-rcgen: cannot write %s\n", temporary.string().c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::fprintf(stderr, "vornex-rcgen: cannot write %s: %s\n", path.string().c_str(), error.message().c_str());
        return false;
    }
    return true;
}

bool ParseVersion(const std::string& text, int (&version)[4]) {
    std::istringstream in(text);
    for (int i = 0; i < 4; ++i) {
        if (!(in >> version[i]) || version[i] < 0 || version[i] > 65535) {
            return false;
        }
        if (i < 3 && in.get() != '.') {
            return false;
        }
    }
    return in.peek() == std::char_traits<char>::eof();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: vornex-rcgen OUT_DIR MANIFEST MAJOR.MINOR.PATCH.BUILD\n", stderr);
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    rcgen::ScriptInputs inputs;
    inputs.manifestFile = std::filesystem::absolute(argv[2]).generic_string();
    inputs.iconFile = std::filesystem::absolute(outDir / "VORNEX.ico").generic_string();
    if (!ParseVersion(argv[3], inputs.version)) {
        std::fprintf(stderr, "vornex-rcgen: not a version of four numbers: %s\n", argv[3]);
        return 2;
    }
    const res::IconResource* icon = res::FindIcon(IDI_VORNEX);
    if (icon == nullptr) {
        std::fputs("vornex-rcgen: res/ has no icon 128\n", stderr);
        return 1;
    }

    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    const std::vector<std::uint8_t> iconBytes = rcgen::IconFile(*icon);
    const bool written = WriteIfChanged(outDir / "VORNEX.ico", std::string(iconBytes.begin(), iconBytes.end())) &&
                         WriteIfChanged(outDir / "VORNEX.rc", rcgen::ResourceScript(inputs));
    return written ? 0 : 1;
}
