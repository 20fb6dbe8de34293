// Writes the sample driver folder "win2k" that the demo, the tests and the benchmarks
// install from. The files are placeholders of our own with realistic names and sizes;
// their content is deterministic, so two builds give byte-identical folders.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct SampleFile {
    const char* name;
    std::size_t size;
    bool binary;  // a DLL-like image rather than a text description
};

// Every file the five printer modules need, about 2 MB in all.
constexpr SampleFile kSampleFiles[] = {
    {"TRX.DLL", 480 * 1024, true},       {"TRX2.DLL", 560 * 1024, true},
    {"TRA1.GPD", 24 * 1024, false},      {"TRA2.GPD", 26 * 1024, false},
    {"TRA3.GPD", 28 * 1024, false},      {"TRA4.GPD", 30 * 1024, false},
    {"TRA5.GPD", 32 * 1024, false},      {"uniDRVui.DLL", 250 * 1024, true},
    {"uniDRV.DLL", 420 * 1024, true},    {"UNIDRV.HLP", 36 * 1024, true},
    {"UNIRES.DLL", 140 * 1024, true},    {"TTFSUB.GPD", 4 * 1024, false},
    {"STDNAMES.GPD", 40 * 1024, false},  {"KOEMUNI.ini", 1024, false},
    {"KOEMUNI.dll", 60 * 1024, true},
};

// A small xorshift generator seeded by the file name: stable across builds and hosts.
class Noise {
public:
    explicit Noise(const std::string& seedText)
    {
        for (unsigned char c : seedText)
            m_state = (m_state ^ c) * 0x100000001B3ull;
    }
    std::uint8_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<std::uint8_t>(m_state >> 24);
    }

private:
    std::uint64_t m_state = 0xCBF29CE484222325ull;
};

std::vector<char> BinaryContent(const SampleFile& file)
{
    std::string header = std::string("MZ VORNEX sample driver image: ") + file.name +
                         ". Placeholder content for demonstration and tests.\n";
    std::vector<char> bytes(header.begin(), header.end());
    Noise noise(file.name);
    while (bytes.size() < file.size)
        bytes.push_back(static_cast<char>(noise.Next()));
    bytes.resize(file.size);
    return bytes;
}

std::vector<char> TextContent(const SampleFile& file)
{
    std::string text = std::string("*% VORNEX sample printer description: ") + file.name + "\n";
    for (int line = 1; text.size() < file.size; ++line)
        text += "*Feature: Option" + std::to_string(line) + " { *rcNameID: " +
                std::to_string(1000 + line % 97) + " }\n";
    text.resize(file.size);
    return {text.begin(), text.end()};
}

bool WriteSample(const std::filesystem::path& folder, const SampleFile& file)
{
    const std::vector<char> content = file.binary ? BinaryContent(file) : TextContent(file);
    std::ofstream out(folder / file.name, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vornex-make-samples FOLDER\n"
                     "Writes the sample driver files (the win2k folder) into FOLDER.\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "vornex-make-samples: cannot create " << folder << ": " << error.message() << "\n";
        return 1;
    }
    for (const SampleFile& file : kSampleFiles) {
        if (!WriteSample(folder, file)) {
            std::cerr << "vornex-make-samples: cannot write " << (folder / file.name) << "\n";
            return 1;
        }
    }
    return 0;
}
