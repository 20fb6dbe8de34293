#pragma once

#include "afx/MessageMap.h"
#include "afx/WinDefs.h"

// The base of everything that has a message map: windows and the application.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of command `id` with notification `code` (0 for a menu item or
    // a button click) from this object's map. TRUE when an entry took it.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

protected:
    static const afx::MessageMap& GetThisMessageMap();
    virtual const afx::MessageMap* GetMessageMap() const;

    // The first entry, from this class's map down to the bases', for `message` (and,
    // for WM_COMMAND and WM_NOTIFY, for `code` and `id`); null when none matches.
    const afx::MessageEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};
