// vornex-encode-name TEXT KEY: prints the stored form of a display name.
#include "tools/namecodec/NameEncoder.h"

#include <cstdio>
#include <cstring>

namespace {

void PrintUsage(std::FILE* out)
{
    std::fputs("usage: vornex-encode-name TEXT KEY\n"
               "Prints the stored (scrambled) form of TEXT under KEY, a number from 0 to\n"
               "65535, decimal or 0x-hexadecimal.\n",
               out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc != 3) {
        PrintUsage(stderr);
        return 2;
    }
    const auto key = namecodec::ParseNameKey(argv[2]);
    if (!key) {
        std::fprintf(stderr, "vornex-encode-name: '%s' is not a key from 0 to 65535\n", argv[2]);
        return 2;
    }
    std::printf("%s\n", namecodec::EncodeName(argv[1], *key).c_str());
    return 0;
}
