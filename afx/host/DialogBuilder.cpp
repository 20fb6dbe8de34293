#include "afx/host/DialogBuilder.h"

#include "afx/WinConstants.h"
#include "afx/host/WindowManager.h"
#include "res/Styles.h"

#include <algorithm>

namespace afx::host {
namespace {

static_assert(WS_VISIBLE == res::style::kWsVisible && WS_DISABLED == res::style::kWsDisabled &&
                  WS_TABSTOP == res::style::kWsTabStop && WS_GROUP == res::style::kWsGroup &&
                  WS_SYSMENU == res::style::kWsSysMenu && BS_DEFPUSHBUTTON == res::style::kBsDefPushButton &&
                  BS_AUTORADIOBUTTON == res::style::kBsAutoRadioButton && ES_READONLY == res::style::kEsReadOnly &&
                  SS_NOPREFIX == res::style::kSsNoPrefix,
              "the templates' style bits are the framework's");

Control BuildControl(const res::ControlTemplate& source) {
    Control control;
    control.handle = NewWindowHandle();
    control.id = source.id;
    control.kind = source.kind;
    control.text.assign(source.text);
    control.rect = source.rect;
    control.style = source.style;
    control.exStyle = source.exStyle;
    control.visible = (source.style & WS_VISIBLE) != 0;
    control.enabled = (source.style & WS_DISABLED) == 0;
    if (source.kind == ControlKind::Icon && source.iconId != 0) {
        control.icon = IconHandleFor(source.iconId);
    }
    return control;
}

}  // namespace

DuRect CentredRect(DuSize size, const Window* owner, DuSize screen) {
    const DuRect area = owner != nullptr ? owner->rect : DuRect{0, 0, screen.cx, screen.cy};
    const int x = area.x + (area.cx - size.cx) / 2;
    const int y = area.y + (area.cy - size.cy) / 2;
    return DuRect{std::clamp(x, 0, std::max(0, screen.cx - size.cx)),
                  std::clamp(y, 0, std::max(0, screen.cy - size.cy)), size.cx, size.cy};
}

std::vector<MenuItem> DefaultSystemMenu(bool closeEnabled) {
    return {
        MenuItem{SC_RESTORE, "&Restore", MF_GRAYED},
        MenuItem{SC_MOVE, "&Move", MF_GRAYED},
        MenuItem{SC_CLOSE, "&Close\tAlt+F4", closeEnabled ? MF_STRING : MF_GRAYED},
    };
}

std::unique_ptr<Window> BuildDialogWindow(const res::DialogTemplate& dialog, const Window* owner, DuSize screen,
                                          CWnd* object) {
    auto window = std::make_unique<Window>();
    window->handle = NewWindowHandle();
    window->kind = WindowKind::Dialog;
    window->templateId = dialog.id;
    window->caption.assign(dialog.caption);
    window->rect = CentredRect(DuSize{dialog.rect.cx, dialog.rect.cy}, owner, screen);
    window->style = dialog.style;
    window->exStyle = dialog.exStyle;
    window->fontFace.assign(dialog.font.face);
    window->fontPoints = dialog.font.points;
    window->owner = owner != nullptr ? owner->handle : nullptr;
    window->object = object;
    window->controls.reserve(dialog.controls.size());
    for (const res::ControlTemplate& control : dialog.controls) {
        window->controls.push_back(BuildControl(control));
    }
    if (window->HasSystemMenu()) {
        window->systemMenu = DefaultSystemMenu(true);
    }
    return window;
}

}  // namespace afx::host
