#include "afx/win32/Help.h"

#include "afx/ProgramName.h"
#include "afx/host/HelpFile.h"
#include "afx/win32/WideText.h"
#include "platform/win32/Handles.h"

#include <string>

namespace afx::win32 {
namespace {

// The first bytes of a Windows help file.
constexpr unsigned char kWinHelpMagic[] = {0x3F, 0x5F, 0x03, 0x00};

void Say(const std::string& text, const std::string& caption) {
    ::MessageBoxW(::GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), MB_OK | MB_ICONINFORMATION);
}

// The whole file, read with the system's own calls (the C++ file streams would bring
// a runtime function that Windows 2000 lacks).
std::optional<std::string> ReadWholeFile(const std::string& path) {
    const HANDLE opened = ::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const platform::win32::UniqueKernelHandle file(opened);
    std::string contents;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        contents.append(chunk, read);
    }
    return contents;
}

}  // namespace

void ShowHelpTopic(std::string_view helpFilePath, DWORD context) {
    const std::string path(helpFilePath);
    const std::string caption = ProgramTitle(path) + " Help";
    const std::optional<std::string> contents = ReadWholeFile(path);
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
