#pragma once

#include "tui/Screen.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tuitest {

// A terminal for the view that a test scripts: each Read takes the next step (a key, a
// click on a text of the frame last shown, a change of size); Show keeps every frame.
class FakeScreen : public tui::Screen {
public:
    using Step = std::function<tui::Stroke(FakeScreen&)>;

    explicit FakeScreen(tui::CellSize size = {100, 32}) : m_size(size) {}

    FakeScreen& Then(tui::Stroke stroke);
    // A left click on the first cell of `text` in the last frame shown.
    FakeScreen& ClickOn(std::string text);
    FakeScreen& ResizeTo(tui::CellSize size);

    tui::CellSize Size() const override { return m_size; }
    void Show(const tui::Canvas& canvas) override;
    void ShowTooSmall(tui::CellSize needed) override;
    void Redraw() override { m_log.push_back("redraw"); }
    tui::Stroke Read() override;
    void DiscardTypeahead() override { m_log.push_back("discard"); }
    void Beep() override { m_log.push_back("beep"); }

    const std::vector<std::string>& Frames() const { return m_frames; }
    // "show", "too small", "read", "discard", "beep", "redraw", in order.
    const std::vector<std::string>& Log() const { return m_log; }
    std::size_t Remaining() const { return m_steps.size(); }

private:
    tui::CellSize m_size;
    std::deque<Step> m_steps;
    std::vector<std::string> m_frames;
    std::vector<std::string> m_log;
    std::optional<tui::Canvas> m_last;
};

}  // namespace tuitest
