#pragma once

#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "afx/WinDefs.h"

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

class CCmdTarget;

// Message maps: a table per class binding a message, or a command id with its
// notification code, to a member. The entry makers check each handler's signature at
// compile time; a handler may be a member function pointer or any callable taking the
// class by reference (a lambda, to call a base class's member non-virtually).
//
//     // in the class:                         // in the .cpp:
//     void OnNext();                           BEGIN_MESSAGE_MAP(CDetailDlg, CDialog)
//     void OnSysCommand(UINT, LPARAM);             ON_WM_SYSCOMMAND()
//     DECLARE_MESSAGE_MAP()                        ON_BN_CLICKED(IDC_NEXT, &CDetailDlg::OnNext)
//                                                  ON_CBN_SELCHANGE(IDC_MODULE, &CDetailDlg::OnSelchangeModule)
//                                              END_MESSAGE_MAP()
//
// Lookup runs from the object's own map to its bases' maps; the first matching entry in
// table order wins.
namespace afx {

using MessageHandler = std::function<LRESULT(CCmdTarget& target, WPARAM wParam, LPARAM lParam)>;

struct MessageEntry {
    UINT message = 0;  // WM_COMMAND and WM_NOTIFY entries also match `code` and the id
    UINT code = 0;     // notification code: BN_CLICKED, CBN_SELCHANGE, LVN_..., 0 for menus
    UINT firstId = 0;
    UINT lastId = 0;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* base = nullptr;
    std::vector<MessageEntry> entries;
};

// WM_COMMAND from control or menu item `id` with notification `code`: void OnX().
template <class T, class F>
MessageEntry CommandEntry(UINT code, UINT id, F handler) {
    static_assert(std::is_invocable_v<F&, T&>,
                  "a command handler takes no arguments: void OnSomething()");
    return {WM_COMMAND, code, id, id,
            [handler](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {
                std::invoke(handler, static_cast<T&>(target));
                return 0;
            }};
}

// WM_NOTIFY with `code` from control `id`: void OnX(NMHDR*, LRESULT*).
template <class T, class F>
MessageEntry NotifyEntry(UINT code, UINT id, F handler) {
    static_assert(std::is_invocable_v<F&, T&, NmHdr*, LRESULT*>,
                  "a notification handler is void OnSomething(NMHDR*, LRESULT*)");
    return {WM_NOTIFY, code, id, id, [handler](CCmdTarget& target, WPARAM, LPARAM lParam) -> LRESULT {
                LRESULT result = 0;
                std::invoke(handler, static_cast<T&>(target), FromLParam<NmHdr>(lParam), &result);
                return result;
            }};
}

// WM_SYSCOMMAND: void OnSysCommand(UINT nID, LPARAM lParam).
template <class T, class F>
MessageEntry SysCommandEntry(F handler) {
    static_assert(std::is_invocable_v<F&, T&, UINT, LPARAM>,
                  "the system command handler is void OnSysCommand(UINT nID, LPARAM lParam)");
    return {WM_SYSCOMMAND, 0, 0, 0, [handler](CCmdTarget& target, WPARAM wParam, LPARAM lParam) -> LRESULT {
                std::invoke(handler, static_cast<T&>(target), static_cast<UINT>(wParam), lParam);
                return 0;
            }};
}

// WM_PAINT: void OnPaint().
template <class T, class F>
MessageEntry PaintEntry(F handler) {
    static_assert(std::is_invocable_v<F&, T&>, "the paint handler is void OnPaint()");
    return {WM_PAINT, 0, 0, 0, [handler](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {
                std::invoke(handler, static_cast<T&>(target));
                return 0;
            }};
}

// WM_QUERYDRAGICON: HCURSOR OnQueryDragIcon().
template <class T, class F>
MessageEntry QueryDragIconEntry(F handler) {
    static_assert(std::is_invocable_r_v<HCURSOR, F&, T&>,
                  "the drag-icon handler is HCURSOR OnQueryDragIcon()");
    return {WM_QUERYDRAGICON, 0, 0, 0, [handler](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {
                return reinterpret_cast<LRESULT>(std::invoke(handler, static_cast<T&>(target)));
            }};
}

// Any other message: LRESULT OnX(WPARAM, LPARAM).
template <class T, class F>
MessageEntry MessageEntryFor(UINT message, F handler) {
    static_assert(std::is_invocable_r_v<LRESULT, F&, T&, WPARAM, LPARAM>,
                  "a message handler is LRESULT OnSomething(WPARAM, LPARAM)");
    return {message, 0, 0, 0, [handler](CCmdTarget& target, WPARAM wParam, LPARAM lParam) -> LRESULT {
                return std::invoke(handler, static_cast<T&>(target), wParam, lParam);
            }};
}

}  // namespace afx

// In the class declaration (leaves the access at protected, as it always comes last).
#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const ::afx::MessageMap& GetThisMessageMap();       \
    const ::afx::MessageMap* GetMessageMap() const override;

// In the .cpp: the table, between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                           \
    const ::afx::MessageMap* theClass::GetMessageMap() const { return &GetThisMessageMap(); } \
    const ::afx::MessageMap& theClass::GetThisMessageMap() {                             \
        using ThisClass [[maybe_unused]] = theClass;                                     \
        using TheBaseClass = baseClass;                                                  \
        static const ::afx::MessageMap map{&TheBaseClass::GetThisMessageMap(), {

#define END_MESSAGE_MAP() \
    }};                   \
    return map;           \
    }

#define ON_COMMAND(id, handler) ::afx::CommandEntry<ThisClass>(0, static_cast<UINT>(id), handler),
#define ON_CONTROL(code, id, handler) \
    ::afx::CommandEntry<ThisClass>(static_cast<UINT>(code), static_cast<UINT>(id), handler),
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
#define ON_EN_CHANGE(id, handler) ON_CONTROL(EN_CHANGE, id, handler)
#define ON_NOTIFY(code, id, handler) \
    ::afx::NotifyEntry<ThisClass>(static_cast<UINT>(code), static_cast<UINT>(id), handler),
#define ON_MESSAGE(message, handler) ::afx::MessageEntryFor<ThisClass>(message, handler),
#define ON_WM_SYSCOMMAND() ::afx::SysCommandEntry<ThisClass>(&ThisClass::OnSysCommand),
#define ON_WM_PAINT() ::afx::PaintEntry<ThisClass>(&ThisClass::OnPaint),
#define ON_WM_QUERYDRAGICON() ::afx::QueryDragIconEntry<ThisClass>(&ThisClass::OnQueryDragIcon),
