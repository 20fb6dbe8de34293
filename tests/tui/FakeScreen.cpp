#include "tests/tui/FakeScreen.h"

#include "tests/tui/TuiFixture.h"

#include <gtest/gtest.h>

namespace tuitest {

FakeScreen& FakeScreen::Then(tui::Stroke stroke) {
    m_steps.emplace_back([stroke](FakeScreen&) { return stroke; });
    return *this;
}

FakeScreen& FakeScreen::ClickOn(std::string text) {
    m_steps.emplace_back([text](FakeScreen& screen) {
        if (!screen.m_last) {
            ADD_FAILURE() << "nothing shown to click on";
            return tui::Stroke{};
        }
        const auto at = FindText(*screen.m_last, text);
        if (!at) {
            ADD_FAILURE() << "no \"" << text << "\" on\n" << screen.m_last->Text();
            return tui::Stroke{};
        }
        return tui::Stroke::Mouse(tui::MouseButton::Left, at->x, at->y);
    });
    return *this;
}

FakeScreen& FakeScreen::ResizeTo(tui::CellSize size) {
    m_steps.emplace_back([size](FakeScreen& screen) {
        screen.m_size = size;
        return tui::Stroke::Resize();
    });
    return *this;
}

void FakeScreen::Show(const tui::Canvas& canvas) {
    m_last = canvas;
    m_frames.push_back(canvas.Text());
    m_log.push_back("show");
}

void FakeScreen::ShowTooSmall(tui::CellSize needed) {
    EXPECT_EQ(needed.width, 100);
    EXPECT_EQ(needed.height, 32);
    m_log.push_back("too small");
}

tui::Stroke FakeScreen::Read() {
    m_log.push_back("read");
    if (m_steps.empty()) return tui::Stroke{};  // the terminal is gone
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    return step(*this);
}

}  // namespace tuitest
