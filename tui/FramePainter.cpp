#include "afx/WinConstants.h"
#include "tui/PaintContext.h"
#include "tui/TextLayout.h"

#include <algorithm>
#include <string_view>

namespace tui {
namespace {

using afx::host::MenuItem;

bool CloseEnabled(const afx::host::Window& window) {
    for (const MenuItem& item : window.systemMenu) {
        if (item.id == SC_CLOSE) return item.IsEnabled();
    }
    return false;
}

// A menu item's label and its shortcut, which a tab separates.
std::pair<std::string_view, std::string_view> SplitItem(std::string_view text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

}  // namespace

void PaintFrame(const PaintContext& context, const CellRect& frame) {
    Canvas& canvas = context.canvas;
    const Line line = context.active ? Line::Double : Line::Single;
    canvas.Fill(frame, Style{Role::Face});
    canvas.Box(frame, line, Style{Role::Face});

    const Style caption{context.active ? Role::CaptionActive : Role::CaptionInactive};
    const int y = frame.y;
    canvas.SetRole({frame.x, y, frame.width, 1}, caption.role);
    context.Hit({frame.x, y, frame.width, 1}, HitTarget::Kind::Caption);
    int left = frame.x + 1;
    int right = frame.Right() - 1;  // one past the last cell of the title
    if (context.window.HasSystemMenu() && right - left >= 8) {
        canvas.Put(left, y, "[", caption);
        canvas.Put(left + 1, y, "-", caption);
        canvas.Put(left + 2, y, "]", caption);
        context.Hit({left, y, 3, 1}, HitTarget::Kind::MenuBox);
        left += 3;
        const Style close = CloseEnabled(context.window) ? caption : Style{Role::Disabled};
        canvas.Put(right - 3, y, "[", close);
        canvas.Put(right - 2, y, "X", close);
        canvas.Put(right - 1, y, "]", close);
        context.Hit({right - 3, y, 3, 1}, HitTarget::Kind::CloseBox);
        right -= 3;
    }
    const int room = right - left - 2;
    if (room > 0 && !context.window.caption.empty()) {
        const int used = canvas.Write(left + 1, y, context.window.caption, caption.With(kAttrBold), room - 1) + 1;
        canvas.Put(left, y, " ", caption);
        canvas.Put(left + used, y, " ", caption);
    }
}

void PaintSystemMenu(const PaintContext& context, const CellRect& frame) {
    Canvas& canvas = context.canvas;
    const auto& items = context.window.systemMenu;
    int labelWidth = 0;
    int shortcutWidth = 0;
    for (const MenuItem& item : items) {
        const auto [label, shortcut] = SplitItem(item.text);
        labelWidth = std::max(labelWidth, SafeWidth(ParseCaption(label, true).text));
        shortcutWidth = std::max(shortcutWidth, SafeWidth(shortcut));
    }
    const int inner = labelWidth + (shortcutWidth > 0 ? shortcutWidth + 3 : 0) + 2;
    CellRect box{frame.x + 1, frame.y + 1, inner + 2, static_cast<int>(items.size()) + 2};
    box.x = std::max(0, std::min(box.x, context.screen.width - box.width));
    box.y = std::max(0, std::min(box.y, context.screen.height - box.height));

    canvas.ResetClip();
    canvas.Fill(box, Style{Role::Menu});
    canvas.Box(box, Line::Single, Style{Role::Menu});
    context.Hit(box, HitTarget::Kind::Menu);
    for (std::size_t index = 0; index < items.size(); ++index) {
        const MenuItem& item = items[index];
        const int y = box.y + 1 + static_cast<int>(index);
        if (item.IsSeparator()) {
            canvas.Put(box.x, y, "├", Style{Role::Menu});
            canvas.HorizontalLine(box.x + 1, y, box.width - 2, Line::Single, Style{Role::Menu});
            canvas.Put(box.Right() - 1, y, "┤", Style{Role::Menu});
            continue;
        }
        const bool highlighted = static_cast<int>(index) == context.window.menuHighlight;
        const Style style{highlighted ? Role::Selection : item.IsEnabled() ? Role::Menu : Role::Disabled};
        const CellRect row{box.x + 1, y, box.width - 2, 1};
        canvas.Fill(row, style);
        const auto [label, shortcut] = SplitItem(item.text);
        DrawCaption(canvas, row.x + 1, y, labelWidth, ParseCaption(label, true), style);
        if (!shortcut.empty()) {
            const int width = SafeWidth(shortcut);
            canvas.Write(row.Right() - 1 - width, y, shortcut, style, width);
        }
        if (highlighted) canvas.SetCursor({row.x + 1, y});
        if (item.IsEnabled()) {
            HitTarget target;
            target.kind = HitTarget::Kind::MenuItem;
            target.window = context.window.handle;
            target.menuId = item.id;
            context.view.AddRegion(row, target);
        }
    }
}

}  // namespace tui
