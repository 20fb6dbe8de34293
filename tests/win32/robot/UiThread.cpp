#include "tests/win32/robot/UiThread.h"

namespace robot {
namespace {

UiThread* g_uiThread = nullptr;

// Messages the system makes up when a queue is empty: they say nothing about input.
bool IsBackground(UINT message) {
    return message == WM_TIMER || message == WM_PAINT || message == WM_NCPAINT || message == WM_NULL ||
           message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == 0x0118 /* WM_SYSTIMER */;
}

}  // namespace

class UiThread::Lock {
public:
    explicit Lock(CRITICAL_SECTION& section) : m_section(section) { ::EnterCriticalSection(&m_section); }
    ~Lock() { ::LeaveCriticalSection(&m_section); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& m_section;
};

UiThread::UiThread()
    : m_threadId(::GetCurrentThreadId()),
      m_marker(::RegisterWindowMessageW(L"VornexRobotMarker")),
      m_markerSeen(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_ended(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    ::InitializeCriticalSection(&m_lock);
    g_uiThread = this;
    // The thread needs its message queue before the robot posts the first marker.
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    m_getMessageHook = ::SetWindowsHookExW(WH_GETMESSAGE, &UiThread::OnGetMessage, nullptr, m_threadId);
    m_callWndProcHook = ::SetWindowsHookExW(WH_CALLWNDPROC, &UiThread::OnCallWndProc, nullptr, m_threadId);
}

UiThread::~UiThread() {
    if (m_getMessageHook != nullptr) {
        ::UnhookWindowsHookEx(m_getMessageHook);
    }
    if (m_callWndProcHook != nullptr) {
        ::UnhookWindowsHookEx(m_callWndProcHook);
    }
    g_uiThread = nullptr;
    ::CloseHandle(m_markerSeen);
    ::CloseHandle(m_ended);
    ::DeleteCriticalSection(&m_lock);
}

void UiThread::ProgramEnded() { ::SetEvent(m_ended); }

bool UiThread::HasEnded() const { return ::WaitForSingleObject(m_ended, 0) == WAIT_OBJECT_0; }

LRESULT CALLBACK UiThread::OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    UiThread* self = g_uiThread;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (self != nullptr && code == HC_ACTION && wParam == PM_REMOVE && msg != nullptr) {
        Lock lock(self->m_lock);
        if (msg->message == self->m_marker && msg->hwnd == nullptr) {
            self->m_lastMarker = msg->wParam;
            ::SetEvent(self->m_markerSeen);
        } else if (!IsBackground(msg->message)) {
            ++self->m_otherMessages;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK UiThread::OnCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    UiThread* self = g_uiThread;
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (self != nullptr && code == HC_ACTION && sent != nullptr && sent->message == PBM_SETPOS) {
        const int position = static_cast<int>(sent->wParam);
        Lock lock(self->m_lock);
        const auto last = self->m_lastPosition.find(sent->hwnd);
        if (last == self->m_lastPosition.end() || last->second != position) {
            self->m_lastPosition[sent->hwnd] = position;
            self->m_progress[::GetDlgCtrlID(sent->hwnd)].push_back(position);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

UiThread::Settled UiThread::Settle(DWORD timeoutMs) {
    const DWORD deadline = ::GetTickCount() + timeoutMs;
    // A quiet round trip settles it; every round that saw other messages goes again.
    for (int round = 0; round < 64; ++round) {
        WPARAM marker = 0;
        unsigned before = 0;
        {
            Lock lock(m_lock);
            marker = ++m_nextMarker;
            before = m_otherMessages;
        }
        if (!::PostThreadMessageW(m_threadId, m_marker, marker, 0)) {
            return HasEnded() ? Settled::Ended : Settled::TimedOut;
        }
        for (;;) {
            {
                Lock lock(m_lock);
                if (m_lastMarker >= marker) {
                    break;
                }
            }
            const DWORD now = ::GetTickCount();
            const LONG left = static_cast<LONG>(deadline - now);
            if (left <= 0) {
                return HasEnded() ? Settled::Ended : Settled::TimedOut;
            }
            const HANDLE waits[] = {m_markerSeen, m_ended};
            if (::WaitForMultipleObjects(2, waits, FALSE, static_cast<DWORD>(left)) == WAIT_OBJECT_0 + 1) {
                return Settled::Ended;
            }
        }
        Lock lock(m_lock);
        if (m_otherMessages == before) {
            return Settled::Idle;
        }
    }
    return Settled::Idle;
}

std::map<int, std::vector<int>> UiThread::Progress() const {
    Lock lock(m_lock);
    return m_progress;
}

void UiThread::ClearProgress() {
    Lock lock(m_lock);
    m_progress.clear();
}

}  // namespace robot
