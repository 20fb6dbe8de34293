#pragma once

#include "afx/win32/WinApi.h"

#include "platform/win32/Handles.h"

#include <chrono>
#include <optional>
#include <string>

// VORNEX.exe as another process sees it: started in a folder, its windows found by
// their captions, driven with messages a person's input would make (posted clicks,
// a choice in a combo box's list with its notification, a row of a list view chosen),
// read back with messages that carry no pointers or with memory lent in its process.
namespace e2e {

class RemoteWizard {
public:
    // Starts `program` with `folder` as its current directory (where win2k/ is).
    RemoteWizard(const std::wstring& program, const std::wstring& folder);
    ~RemoteWizard();  // ends the process if it still runs
    RemoteWizard(const RemoteWizard&) = delete;
    RemoteWizard& operator=(const RemoteWizard&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }

    // The visible, enabled top-level window of the process with this caption, once it
    // is there; null after `timeout`.
    HWND WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout) const;
    // The same for a message box: its caption and text.
    HWND WaitForMessage(const std::string& caption, const std::string& text, std::chrono::milliseconds timeout) const;
    // The process's exit status once it has ended; nothing after `timeout`.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;

    static void Click(HWND dialog, int id);
    // A person's choice of row `row` in a combo box of `dialog`.
    static void ChooseComboRow(HWND dialog, int id, int row);
    static std::string Text(HWND window);
    static std::string DialogItemText(HWND dialog, int id);

    // The list view's rows and selection, through memory in the wizard's process.
    std::optional<std::string> ListRowText(HWND list, int row) const;
    int ListSelectedRow(HWND list) const;
    bool SelectListRow(HWND list, int row) const;

private:
    platform::win32::UniqueKernelHandle m_process;
    DWORD m_processId = 0;
};

// "/work/build/VORNEX.exe" -> "Z:\work\build\VORNEX.exe": where Wine shows the host's files.
std::wstring HostPathUnderWine(const std::string& hostPath);

}  // namespace e2e
