#pragma once

#include <string>

// Writes the resource script of VORNEX.exe from the data in res/: the five dialog
// templates, icon 128, the string table, the version information and the manifest.
namespace rcgen {

struct ScriptInputs {
    std::string iconFile;      // the .ico written beside the script
    std::string manifestFile;  // the application manifest
    int version[4] = {0, 0, 0, 0};
};

// The script, UTF-8, for windres (it starts with #pragma code_page(65001)).
std::string ResourceScript(const ScriptInputs& inputs);

}  // namespace rcgen
