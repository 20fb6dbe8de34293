#pragma once

#include "afx/host/DesktopObserver.h"
#include "afx/host/InputEvent.h"
#include "afx/host/Model.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace afx::host {

class InputSource;
class WindowManager;

// The host's screen: the stack of virtual windows, the screen size, where input comes
// from and who watches. The framework works on the current desktop (DesktopScope); a
// view or a flow script reads it through the const members below.
class Desktop {
public:
    // 100 x 32 character cells.
    static constexpr DuSize kDefaultScreen{400, 256};

    explicit Desktop(DuSize screen = kDefaultScreen);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    DuSize ScreenSize() const { return m_screen; }
    // New windows centre on the new size; open ones stay where they are.
    void SetScreenSize(DuSize screen);

    // The windows, bottom first; the last visible one is on top.
    std::vector<const Window*> Stack() const;
    // The window that takes input: the topmost visible, enabled one; null when none.
    const Window* ActiveWindow() const;
    const Window* Find(HWND handle) const;
    const Window* FindByTemplate(unsigned templateId) const;  // the topmost
    const Control* FocusedControl() const;                     // of the active window
    const Control* FindControl(HWND handle) const;

    // Where the modal loops take input from (not owned); null: no input. A new source
    // starts afresh: it clears InputError().
    void SetInput(InputSource* input);
    void AddObserver(DesktopObserver* observer);
    void RemoveObserver(DesktopObserver* observer);

    // Set once the input ran out while a window waited for it: which window.
    const std::optional<std::string>& InputError() const { return m_inputError; }

    // Hands one event to the active window, as a modal loop does. False, with the
    // reason in LastRefusal(), when it could not be delivered.
    bool Deliver(const InputEvent& event);
    const std::string& LastRefusal() const { return m_lastRefusal; }

    // The whole screen as readable text (see Dump.h).
    std::string Dump() const;

private:
    friend class WindowManager;

    DuSize m_screen;
    std::vector<std::unique_ptr<Window>> m_windows;  // bottom first
    InputSource* m_input = nullptr;
    std::vector<DesktopObserver*> m_observers;
    std::optional<std::string> m_inputError;
    std::string m_lastRefusal;
    HWND m_lastActive = nullptr;
};

// Makes `desktop` the one the framework works on, for the scope's lifetime; scopes nest.
class DesktopScope {
public:
    explicit DesktopScope(Desktop& desktop);
    ~DesktopScope();
    DesktopScope(const DesktopScope&) = delete;
    DesktopScope& operator=(const DesktopScope&) = delete;

private:
    Desktop* m_previous;
};

// The current desktop, or null outside every scope.
Desktop* CurrentDesktop();

}  // namespace afx::host
