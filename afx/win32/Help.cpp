#include "afx/win32/Help.h"

#include "afx/ProgramName.h"
#include "afx/host/HelpFile.h"
#include "afx/win32/WideText.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace afx::win32 {
namespace {

// The first bytes of a Windows help file.
constexpr unsigned char kWinHelpMagic[] = {0x3F, 0x5F, 0x03, 0x00};

void Say(const std::string& text, const std::string& caption) {
    ::MessageBoxW(::GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), MB_OK | MB_ICONINFORMATION);
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream file(std::filesystem::path(Widen(path)), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

}  // namespace

void ShowHelpTopic(std::string_view helpFilePath, DWORD context) {
    const std::string path(helpFilePath);
    const std::string caption = ProgramTitle(path) + " Help";
    const std::optional<std::string> contents = ReadFile(path);
    if (!contents) {
        Say("The help file " + path + " could not be opened.", caption);
        return;
    }
    if (contents->size() >= sizeof kWinHelpMagic &&
        contents->compare(0, sizeof kWinHelpMagic, reinterpret_cast<const char*>(kWinHelpMagic),
                          sizeof kWinHelpMagic) == 0) {
        if (!::WinHelpW(::GetActiveWindow(), Widen(path).c_str(), HELP_CONTEXT, context)) {
            Say("The help viewer could not open " + path + ".", caption);
        }
        return;
    }
    const std::optional<host::HelpTopic> topic = host::FindHelpTopic(*contents, context);
    if (!topic) {
        Say("The help file " + path + " has no topic " + std::to_string(context) + ".", caption);
        return;
    }
    Say(topic->title.empty() ? topic->body : topic->title + "\n\n" + topic->body, caption);
}

}  // namespace afx::win32
