#pragma once

#include "res/Styles.h"

#include <cstdint>
#include <span>
#include <string_view>

// A dialog template as data: what a resource script's DIALOGEX statement says. The
// host builds its virtual windows from it; the Windows build writes it into the
// resource script of VORNEX.exe.
namespace res {

inline constexpr int kIdOk = 1;
inline constexpr int kNoId = -1;

// Positions and sizes in dialog units: x and cx in quarters of the font's average
// character width, y and cy in eighths of its height.
struct DuRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

enum class ControlKind : std::uint8_t {
    PushButton,   // plain or default push button (kBsDefPushButton)
    CheckBox,
    RadioButton,
    GroupBox,
    Static,       // a text label
    Icon,         // a static control showing an icon resource
    Edit,
    ComboBox,
    ListView,
    ProgressBar,
    Slider,
};

struct ControlTemplate {
    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::string_view text;
    DuRect rect;
    std::uint32_t style = 0;  // complete: child, visible, class bits
    std::uint32_t exStyle = 0;
    std::span<const std::string_view> items;  // the rows a combo box starts with
    unsigned iconId = 0;                       // the icon an icon control shows

    constexpr bool Has(std::uint32_t bits) const { return (style & bits) == bits; }
};

struct FontSpec {
    std::string_view face;
    int points = 0;
};

struct DialogTemplate {
    unsigned id = 0;
    std::string_view caption;
    DuRect rect;  // position (0,0 here: the dialog is centred when shown) and client size
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    FontSpec font;
    std::span<const ControlTemplate> controls;  // template order = tab and group order

    constexpr const ControlTemplate* FindControl(int controlId) const {
        for (const ControlTemplate& control : controls) {
            if (control.id == controlId) {
                return &control;
            }
        }
        return nullptr;
    }
};

// The font of every VORNEX dialog.
inline constexpr FontSpec kDialogFont{"宋体", 9};

// A change to the default style of a control statement: bits added and bits removed,
// so that a template line reads like the resource script line it stands for.
struct StyleEdit {
    std::uint32_t add = 0;
    std::uint32_t remove = 0;

    constexpr StyleEdit operator|(StyleEdit other) const {
        return {add | other.add, remove | other.remove};
    }
    constexpr std::uint32_t Apply(std::uint32_t style) const { return (style | add) & ~remove; }
};

inline constexpr StyleEdit kHidden{0, style::kWsVisible};
inline constexpr StyleEdit kDisabled{style::kWsDisabled, 0};
inline constexpr StyleEdit kNoTabStop{0, style::kWsTabStop};
inline constexpr StyleEdit kStartsGroup{style::kWsGroup, 0};
constexpr StyleEdit With(std::uint32_t bits) { return {bits, 0}; }

namespace detail {
inline constexpr std::uint32_t kChildVisible = style::kWsChild | style::kWsVisible;

constexpr ControlTemplate Make(int id, ControlKind kind, std::string_view text, DuRect rect,
                               std::uint32_t defaultStyle, StyleEdit edit) {
    return {id, kind, text, rect, edit.Apply(kChildVisible | defaultStyle), 0, {}, 0};
}
}  // namespace detail

// One builder per resource statement, each with that statement's default style.

constexpr ControlTemplate PushButton(int id, std::string_view text, DuRect rect, StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::PushButton, text, rect,
                        style::kBsPushButton | style::kWsTabStop, edit);
}

constexpr ControlTemplate DefPushButton(int id, std::string_view text, DuRect rect,
                                        StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::PushButton, text, rect,
                        style::kBsDefPushButton | style::kWsTabStop, edit);
}

constexpr ControlTemplate AutoCheckBox(int id, std::string_view text, DuRect rect,
                                       StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::CheckBox, text, rect,
                        style::kBsAutoCheckBox | style::kWsTabStop, edit);
}

constexpr ControlTemplate AutoRadioButton(int id, std::string_view text, DuRect rect,
                                          StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::RadioButton, text, rect,
                        style::kBsAutoRadioButton | style::kWsTabStop, edit);
}

constexpr ControlTemplate GroupBox(int id, std::string_view text, DuRect rect, StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::GroupBox, text, rect, style::kBsGroupBox, edit);
}

constexpr ControlTemplate LText(int id, std::string_view text, DuRect rect, StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::Static, text, rect, style::kSsLeft | style::kWsGroup, edit);
}

constexpr ControlTemplate IconControl(unsigned iconId, int id, DuRect rect, StyleEdit edit = {}) {
    ControlTemplate control = detail::Make(id, ControlKind::Icon, {}, rect, style::kSsIcon, edit);
    control.iconId = iconId;
    return control;
}

constexpr ControlTemplate EditText(int id, DuRect rect, StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::Edit, {}, rect,
                        style::kEsLeft | style::kWsBorder | style::kWsTabStop, edit);
}

// COMBOBOX with CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, unsorted: the only combo
// box the templates use. `cy` is the height of the dropped list.
constexpr ControlTemplate DropDownList(int id, DuRect rect, std::span<const std::string_view> items,
                                       StyleEdit edit = {}) {
    ControlTemplate control =
        detail::Make(id, ControlKind::ComboBox, {}, rect,
                     style::kCbsDropDownList | style::kWsVScroll | style::kWsTabStop, edit);
    control.items = items;
    return control;
}

// CONTROL statements: the style is given in full (besides child and visible).
constexpr ControlTemplate ListView(int id, DuRect rect, std::uint32_t controlStyle,
                                   StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::ListView, {}, rect, controlStyle, edit);
}

constexpr ControlTemplate ProgressBar(int id, DuRect rect, std::uint32_t controlStyle,
                                      StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::ProgressBar, {}, rect, controlStyle, edit);
}

constexpr ControlTemplate Slider(int id, std::string_view text, DuRect rect,
                                 std::uint32_t controlStyle, StyleEdit edit = {}) {
    return detail::Make(id, ControlKind::Slider, text, rect, controlStyle, edit);
}

// The frame every VORNEX dialog has: a modal frame with caption and system menu, no
// minimise or maximise box, the template's own font.
inline constexpr std::uint32_t kModalDialogFrame = style::kDsSetFont | style::kDsModalFrame |
                                                   style::kWsPopup | style::kWsCaption |
                                                   style::kWsSysMenu;

}  // namespace res
