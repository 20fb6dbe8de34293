#include "tests/win32/e2e/RemoteWizard.h"

#include "afx/win32/WideText.h"

#include <vector>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kPollMs = 50;

struct Search {
    DWORD processId;
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindCaption(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
        RemoteWizard::Text(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Memory in another process, freed when it goes out of scope.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size)
        : m_process(process),
          m_address(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (m_address != nullptr) {
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    explicit operator bool() const { return m_address != nullptr; }
    void* Address(std::size_t offset = 0) const { return static_cast<char*>(m_address) + offset; }
    bool Write(const void* data, std::size_t size, std::size_t offset = 0) const {
        return ::WriteProcessMemory(m_process, Address(offset), data, size, nullptr) != FALSE;
    }
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const {
        return ::ReadProcessMemory(m_process, Address(offset), data, size, nullptr) != FALSE;
    }

private:
    HANDLE m_process;
    void* m_address;
};

}  // namespace

std::wstring HostPathUnderWine(const std::string& hostPath) {
    std::wstring path = L"Z:" + afx::win32::Widen(hostPath);
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}

RemoteWizard::RemoteWizard(const std::wstring& program, const std::wstring& folder) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                         &startup, &process)) {
        ::CloseHandle(process.hThread);
        m_process.Reset(process.hProcess);
        m_processId = process.dwProcessId;
    }
}

RemoteWizard::~RemoteWizard() {
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
}

HWND RemoteWizard::WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout) const {
    const Clock::time_point deadline = Clock::now() + timeout;
    do {
        Search search{m_processId, caption};
        ::EnumWindows(&FindCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        ::Sleep(kPollMs);
    } while (Clock::now() < deadline && WaitForExit(std::chrono::milliseconds(0)) == std::nullopt);
    return nullptr;
}

HWND RemoteWizard::WaitForMessage(const std::string& caption, const std::string& text,
                                  std::chrono::milliseconds timeout) const {
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const HWND box = WaitForWindow(caption, left.count() > 0 ? left : std::chrono::milliseconds(0));
        if (box == nullptr) {
            return nullptr;
        }
        if (DialogItemText(box, 0xFFFF) == text) {
            return box;
        }
        if (Clock::now() >= deadline) {
            return nullptr;
        }
        ::Sleep(kPollMs);
    }
}

std::optional<DWORD> RemoteWizard::WaitForExit(std::chrono::milliseconds timeout) const {
    if (!m_process ||
        ::WaitForSingleObject(m_process.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD status = 0;
    ::GetExitCodeProcess(m_process.Get(), &status);
    return status;
}

void RemoteWizard::Click(HWND dialog, int id) { ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void RemoteWizard::ChooseComboRow(HWND dialog, int id, int row) {
    const HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string RemoteWizard::Text(HWND window) {
    // WM_GETTEXT is carried across processes by the system.
    wchar_t text[512] = {};
    const LRESULT length = ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return afx::win32::Narrow(std::wstring_view(text, static_cast<std::size_t>(length > 0 ? length : 0)));
}

std::string RemoteWizard::DialogItemText(HWND dialog, int id) {
    const HWND item = ::GetDlgItem(dialog, id);
    return item != nullptr ? Text(item) : std::string();
}

std::optional<std::string> RemoteWizard::ListRowText(HWND list, int row) const {
    constexpr int kChars = 256;
    RemoteMemory memory(m_process.Get(), sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!memory) {
        return std::nullopt;
    }
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = static_cast<LPWSTR>(memory.Address(sizeof item));
    item.cchTextMax = kChars;
    if (!memory.Write(&item, sizeof item)) {
        return std::nullopt;
    }
    const LRESULT length = ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                          reinterpret_cast<LPARAM>(memory.Address()));
    std::vector<wchar_t> text(kChars, L'\0');
    if (!memory.Read(text.data(), text.size() * sizeof(wchar_t), sizeof item)) {
        return std::nullopt;
    }
    return afx::win32::Narrow(std::wstring_view(text.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
}

int RemoteWizard::ListSelectedRow(HWND list) const {
    return static_cast<int>(
        ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

bool RemoteWizard::SelectListRow(HWND list, int row) const {
    RemoteMemory memory(m_process.Get(), sizeof(LVITEMW));
    LVITEMW item{};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    return memory && memory.Write(&item, sizeof item) &&
           ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(memory.Address())) != FALSE;
}

}  // namespace e2e
