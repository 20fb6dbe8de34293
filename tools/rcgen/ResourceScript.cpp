#include "tools/rcgen/ResourceScript.h"

#include "afx/win32/ControlClasses.h"
#include "res/DialogTemplate.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"
#include "res/Templates.h"

#include <cstdio>
#include <string_view>

namespace rcgen {
namespace {

// Simplified Chinese, the language the program speaks.
constexpr int kLangChinese = 0x04;
constexpr int kSubLangChineseSimplified = 0x02;

constexpr unsigned kManifestResourceId = 1;  // CREATEPROCESS_MANIFEST_RESOURCE_ID
constexpr unsigned kManifestType = 24;       // RT_MANIFEST

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// A string literal of the script: quotes double, backslashes escape.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The compiler starts every CONTROL statement from child and visible and adds the bits
// given, so a hidden control has to take the visible bit away explicitly.
std::string ControlStyle(std::uint32_t style) {
    std::string text = Hex(style);
    if ((style & res::style::kWsVisible) == 0) {
        text += " | NOT " + Hex(res::style::kWsVisible);
    }
    return text;
}

std::string ControlLine(const res::ControlTemplate& control) {
    // An icon control names its icon by number; every other control carries its text.
    const std::string text =
        control.kind == res::ControlKind::Icon ? std::to_string(control.iconId) : Quoted(control.text);
    std::string line = "    CONTROL " + text + ", " + std::to_string(control.id) + ", " +
                       Quoted(afx::win32::WindowClassName(control.kind)) + ", " + ControlStyle(control.style) + ", " +
                       std::to_string(control.rect.x) + ", " + std::to_string(control.rect.y) + ", " +
                       std::to_string(control.rect.cx) + ", " + std::to_string(control.rect.cy);
    if (control.exStyle != 0) {
        line += ", " + Hex(control.exStyle);
    }
    return line + "\n";
}

std::string Dialog(const res::DialogTemplate& dialog) {
    std::string out = std::to_string(dialog.id) + " DIALOGEX " + std::to_string(dialog.rect.x) + ", " +
                      std::to_string(dialog.rect.y) + ", " + std::to_string(dialog.rect.cx) + ", " +
                      std::to_string(dialog.rect.cy) + "\n";
    out += "STYLE " + Hex(dialog.style) + "\n";
    if (dialog.exStyle != 0) {
        out += "EXSTYLE " + Hex(dialog.exStyle) + "\n";
    }
    out += "CAPTION " + Quoted(dialog.caption) + "\n";
    out += "FONT " + std::to_string(dialog.font.points) + ", " + Quoted(dialog.font.face) + ", 0, 0, " +
           Hex(afx::win32::kDialogFontCharset) + "\n";
    out += "BEGIN\n";
    for (const res::ControlTemplate& control : dialog.controls) {
        out += ControlLine(control);
    }
    return out + "END\n\n";
}

std::string Strings() {
    std::string out = "STRINGTABLE\nBEGIN\n";
    for (const res::StringEntry& entry : res::StringTable()) {
        out += "    " + std::to_string(entry.id) + ", " + Quoted(entry.text) + "\n";
    }
    return out + "END\n\n";
}

std::string VersionInfo(const int (&version)[4]) {
    const std::string comma = std::to_string(version[0]) + ", " + std::to_string(version[1]) + ", " +
                              std::to_string(version[2]) + ", " + std::to_string(version[3]);
    const std::string dotted = std::to_string(version[0]) + "." + std::to_string(version[1]) + "." +
                               std::to_string(version[2]) + "." + std::to_string(version[3]);
    std::string out = "1 VERSIONINFO\n";
    out += "FILEVERSION " + comma + "\n";
    out += "PRODUCTVERSION " + comma + "\n";
    out += "FILEFLAGSMASK 0x3F\nFILEFLAGS 0x0\nFILEOS 0x40004\nFILETYPE 0x1\nFILESUBTYPE 0x0\n";
    out += "BEGIN\n";
    out += "    BLOCK \"StringFileInfo\"\n    BEGIN\n        BLOCK \"080404B0\"\n        BEGIN\n";
    const std::pair<const char*, std::string> fields[] = {
        {"CompanyName", "VORNEX"},
        {"FileDescription", "VORNEX 打印机驱动安装程序"},
        {"FileVersion", dotted},
        {"InternalName", "VORNEX"},
        {"LegalCopyright", "Copyright (C) VORNEX"},
        {"OriginalFilename", "VORNEX.exe"},
        {"ProductName", "VORNEX"},
        {"ProductVersion", dotted},
    };
    for (const auto& [name, value] : fields) {
        out += "            VALUE " + Quoted(name) + ", " + Quoted(value) + "\n";
    }
    out += "        END\n    END\n";
    out += "    BLOCK \"VarFileInfo\"\n    BEGIN\n        VALUE \"Translation\", 0x804, 1200\n    END\n";
    return out + "END\n\n";
}

}  // namespace

std::string ResourceScript(const ScriptInputs& inputs) {
    std::string out = "// Written by vornex-rcgen from the data in res/. Do not edit.\n";
    out += "#pragma code_page(65001)\n\n";
    out += "LANGUAGE " + std::to_string(kLangChinese) + ", " + std::to_string(kSubLangChineseSimplified) + "\n\n";
    out += std::to_string(kManifestResourceId) + " " + std::to_string(kManifestType) + " " +
           Quoted(inputs.manifestFile) + "\n\n";
    out += std::to_string(IDI_VORNEX) + " ICON " + Quoted(inputs.iconFile) + "\n\n";
    for (const res::DialogTemplate& dialog : res::AllDialogTemplates()) {
        out += Dialog(dialog);
    }
    out += Strings();
    out += VersionInfo(inputs.version);
    return out;
}

}  // namespace rcgen
