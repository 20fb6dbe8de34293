#pragma once

#include "afx/win32/WinApi.h"

#include <map>
#include <vector>

// The wizard's user-interface thread as the robot sees it from a thread of its own.
// Two hooks on that thread tell the robot what happens there: every message its loops
// take (so the robot knows when everything it posted has been dealt with) and every
// progress position sent to a progress bar.
namespace robot {

class UiThread {
public:
    // Hooks the calling thread, which is to run the wizard. One per process.
    UiThread();
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    bool Hooked() const { return m_getMessageHook != nullptr && m_callWndProcHook != nullptr; }
    DWORD Id() const { return m_threadId; }

    // Called by the UI thread when the program's run has returned.
    void ProgramEnded();
    bool HasEnded() const;

    enum class Settled { Idle, Ended, TimedOut };
    // Waits until the thread has taken every message posted to it so far and asks for
    // more: a marker posted behind them comes back with nothing else taken meanwhile.
    // A modal loop that a posted message opened counts as idle once it waits for input.
    Settled Settle(DWORD timeoutMs);

    // The positions PBM_SETPOS gave each progress bar (by control id) since the last
    // ClearProgress, each only when it differs from the bar's last one.
    std::map<int, std::vector<int>> Progress() const;
    void ClearProgress();

private:
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam);

    class Lock;

    DWORD m_threadId;
    UINT m_marker;
    HHOOK m_getMessageHook = nullptr;
    HHOOK m_callWndProcHook = nullptr;
    HANDLE m_markerSeen;  // auto-reset
    HANDLE m_ended;       // manual-reset
    mutable CRITICAL_SECTION m_lock;
    WPARAM m_lastMarker = 0;
    WPARAM m_nextMarker = 0;
    unsigned m_otherMessages = 0;
    std::map<int, std::vector<int>> m_progress;
    std::map<HWND, int> m_lastPosition;
};

}  // namespace robot
