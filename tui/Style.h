#pragma once

#include <cstdint>

// What a cell looks like, named by what it shows; the terminal layer turns a role into
// colours (or, on a terminal without colours, into bold, reverse and dim).
namespace tui {

enum class Role : std::uint8_t {
    Desktop,          // the screen around the windows
    Face,             // a dialog's body, labels, frames
    CaptionActive,    // the title row of the window that takes input
    CaptionInactive,  // the title row of a window beneath a modal one
    Button,           // push buttons, list headers, a combo's arrow
    ButtonFocus,      // the focused push button
    Field,            // edit fields, list views, combo faces, the progress trough
    Selection,        // a selected row in a control that has the focus; menu highlight
    SelectionInactive,  // a selected row kept visible while the control lacks the focus
    Disabled,         // disabled controls and grayed menu items
    Menu,             // an open system menu or combo list
    ProgressFill,     // the part of a progress bar already done
    IconExclamation,
    IconError,
    IconInformation,
    Notice,           // the message shown when the terminal is too small
};

inline constexpr int kRoleCount = static_cast<int>(Role::Notice) + 1;

enum Attr : std::uint8_t {
    kAttrNone = 0,
    kAttrBold = 1,
    kAttrUnderline = 2,  // the mnemonic letter
    kAttrReverse = 4,
    kAttrEscaped = 8,    // part of an escaped character's spelling
};

struct Style {
    Role role = Role::Desktop;
    std::uint8_t attrs = kAttrNone;

    Style With(std::uint8_t more) const { return {role, static_cast<std::uint8_t>(attrs | more)}; }
    bool operator==(const Style&) const = default;
};

}  // namespace tui
