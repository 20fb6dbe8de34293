// The contract suite's Windows implementation: the real calls, run on Windows or under
// Wine. The spooler, the registry and the driver directory belong to the whole system,
// so every test starts by clearing what an earlier test may have left there.
#include <windows.h>
#include <winspool.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "spooler/win32/Win32Spooler.h"
#include "tests/contract/PlatformUnderTest.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

namespace contract {

namespace {

using platform::win32::UniqueKernelHandle;
using platform::win32::UniquePrinter;

constexpr const char* kContractPrinter = "VORNEX Contract Printer";
constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kProbeValue = "VornexContractProbe";
constexpr const char* kContractKey = "Software\\VornexContract";
constexpr DWORD kTraceWaitMs = 10000;

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string DriverDirectory() {
    char buffer[MAX_PATH] = {};
    DWORD needed = 0;
    char environment[] = "Windows NT x86";
    if (!::GetPrinterDriverDirectoryA(nullptr, environment, 1, reinterpret_cast<LPBYTE>(buffer), sizeof buffer,
                                      &needed)) {
        return {};
    }
    return buffer;
}

std::set<std::string> FileNamesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.insert(found.cFileName);
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

// Takes away the printer, the driver and the registry values the suite makes.
void RemoveContractObjects() {
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE opened = nullptr;
    // Wine may hold more than one printer of the name: remove until none is left.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (!::OpenPrinterA(const_cast<LPSTR>(kContractPrinter), &opened, &access)) {
            break;
        }
        UniquePrinter printer(opened);
        if (!::DeletePrinter(printer.Get())) {
            break;
        }
    }
    char environment[] = "Windows NT x86";
    ::DeletePrinterDriverA(nullptr, environment, const_cast<LPSTR>(kContractPrinter));

    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kWindowsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        platform::win32::UniqueRegKey windows(key);
        ::RegDeleteValueA(windows.Get(), kProbeValue);
    }
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kContractKey);
}

// Collects what this process sends to the debugger output, the way a debug monitor
// does when no debugger is attached: through the shared DBWIN buffer and its two events.
// Windows threads and locks: the program's compiler has no std::thread.
class DebugOutputReader {
public:
    DebugOutputReader() {
        ::InitializeCriticalSection(&m_lock);
        m_bufferReady.Reset(::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY"));
        m_dataReady.Reset(::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY"));
        m_mapping.Reset(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize,
                                             "DBWIN_BUFFER"));
        m_stop.Reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
        m_arrived.Reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
        if (!m_bufferReady || !m_dataReady || !m_mapping || !m_stop || !m_arrived) {
            return;
        }
        m_view = static_cast<const char*>(::MapViewOfFile(m_mapping.Get(), FILE_MAP_READ, 0, 0, kBufferSize));
        if (m_view == nullptr) {
            return;
        }
        m_thread.Reset(::CreateThread(nullptr, 0, &DebugOutputReader::ThreadMain, this, 0, nullptr));
    }

    ~DebugOutputReader() {
        if (m_thread) {
            ::SetEvent(m_stop.Get());
            ::WaitForSingleObject(m_thread.Get(), INFINITE);
        }
        if (m_view != nullptr) {
            ::UnmapViewOfFile(m_view);
        }
        ::DeleteCriticalSection(&m_lock);
    }

    DebugOutputReader(const DebugOutputReader&) = delete;
    DebugOutputReader& operator=(const DebugOutputReader&) = delete;

    // Everything this process has written so far; nothing when no monitor could be set
    // up or the system does not hand the lines to one.
    std::optional<std::string> Collected() {
        if (!m_thread) {
            return std::nullopt;
        }
        // A marker line behind the others: once it has arrived, every earlier line has.
        const std::string marker = "vornex-contract-marker-" + std::to_string(++m_markers) + "\n";
        ::OutputDebugStringA(marker.c_str());
        const DWORD deadline = ::GetTickCount() + kTraceWaitMs;
        for (;;) {
            {
                Locked locked(m_lock);
                const std::size_t at = m_text.find(marker);
                if (at != std::string::npos) {
                    m_text.erase(at, marker.size());
                    return m_text;
                }
            }
            const DWORD now = ::GetTickCount();
            if (static_cast<LONG>(deadline - now) <= 0 ||
                ::WaitForSingleObject(m_arrived.Get(), deadline - now) == WAIT_TIMEOUT) {
                return std::nullopt;
            }
        }
    }

private:
    static constexpr DWORD kBufferSize = 4096;

    class Locked {
    public:
        explicit Locked(CRITICAL_SECTION& lock) : m_held(lock) { ::EnterCriticalSection(&m_held); }
        ~Locked() { ::LeaveCriticalSection(&m_held); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

    private:
        CRITICAL_SECTION& m_held;
    };

    static DWORD WINAPI ThreadMain(LPVOID self) {
        static_cast<DebugOutputReader*>(self)->Read();
        return 0;
    }

    void Read() {
        const DWORD self = ::GetCurrentProcessId();
        const HANDLE waits[] = {m_dataReady.Get(), m_stop.Get()};
        for (;;) {
            ::SetEvent(m_bufferReady.Get());
            if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
                return;
            }
            DWORD pid = 0;
            std::memcpy(&pid, m_view, sizeof pid);
            if (pid != self) {
                continue;
            }
            const char* text = m_view + sizeof pid;
            const std::string line(text, ::strnlen(text, kBufferSize - sizeof pid));
            {
                Locked locked(m_lock);
                m_text += line;
            }
            ::SetEvent(m_arrived.Get());
        }
    }

    CRITICAL_SECTION m_lock;
    UniqueKernelHandle m_bufferReady;
    UniqueKernelHandle m_dataReady;
    UniqueKernelHandle m_mapping;
    UniqueKernelHandle m_stop;
    UniqueKernelHandle m_arrived;
    UniqueKernelHandle m_thread;
    const char* m_view = nullptr;
    std::string m_text;
    int m_markers = 0;
};

class Win32Platform : public PlatformUnderTest {
public:
    Win32Platform() : m_driverDirectory(DriverDirectory()) {
        RemoveContractObjects();
        m_filesBefore = FileNamesIn(m_driverDirectory);
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int counter = 0;
        m_sourceFolder = std::string(temp) + "vornex-contract-" + std::to_string(::GetCurrentProcessId()) + "-" +
                         std::to_string(++counter);
        ::CreateDirectoryA(m_sourceFolder.c_str(), nullptr);
    }

    ~Win32Platform() override {
        RemoveContractObjects();
        for (const std::string& name : FileNamesIn(m_driverDirectory)) {
            if (!m_filesBefore.contains(name)) {
                ::DeleteFileA((m_driverDirectory + "\\" + name).c_str());
            }
        }
        for (const std::string& name : FileNamesIn(m_sourceFolder)) {
            ::DeleteFileA((m_sourceFolder + "\\" + name).c_str());
        }
        ::RemoveDirectoryA(m_sourceFolder.c_str());
    }

    platform::Registry& GetRegistry() override { return m_registry; }
    platform::Files& GetFiles() override { return m_files; }
    platform::System& GetSystem() override { return m_system; }
    spooler::Spooler& GetSpooler() override { return m_spooler; }

    std::string PlaceSourceFile(const std::string& name, std::string_view content) override {
        const std::string path = m_sourceFolder + "\\" + name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return path;
    }

    std::optional<std::string> ReadResultFile(const std::string& windowsPath) override {
        std::ifstream in(windowsPath, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    std::optional<std::string> TraceOutput() override { return m_debugOutput.Collected(); }

    Differences KnownDifferences() const override {
        Differences differences;
        differences.acceptsDuplicatePrinter = RunningUnderWine();
        differences.acceptsDriverWithMissingFiles = RunningUnderWine();
        return differences;
    }

private:
    std::string m_driverDirectory;
    std::set<std::string> m_filesBefore;
    std::string m_sourceFolder;
    platform::win32::Win32Registry m_registry;
    platform::win32::Win32Files m_files;
    platform::win32::Win32System m_system;
    spooler::win32::Win32Spooler m_spooler;
    DebugOutputReader m_debugOutput;
};

}  // namespace

std::vector<PlatformFactory> PlatformsOfThisBuild() {
    return {PlatformFactory{"Win32", [] { return std::unique_ptr<PlatformUnderTest>(std::make_unique<Win32Platform>()); }}};
}

}  // namespace contract
