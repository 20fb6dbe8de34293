#include "tests/tui/TuiFixture.h"

#include "tui/Geometry.h"

namespace tuitest {

std::optional<tui::CellPoint> FindText(const tui::Canvas& canvas, std::string_view text) {
    const tui::CellSize size = canvas.Size();
    for (int y = 0; y < size.height; ++y) {
        std::string line;
        std::vector<std::size_t> startOf;  // byte offset of each cell's glyph
        for (int x = 0; x < size.width; ++x) {
            startOf.push_back(line.size());
            line += canvas.At(x, y).glyph;
        }
        const std::size_t at = line.find(text);
        if (at == std::string::npos) continue;
        for (int x = 0; x < size.width; ++x) {
            if (startOf[static_cast<std::size_t>(x)] == at) return tui::CellPoint{x, y};
        }
    }
    return std::nullopt;
}

std::string TuiTest::FrameText(const tui::Canvas& canvas) {
    const Window* active = desktop.ActiveWindow();
    if (active == nullptr) return {};
    return canvas.TextOf(tui::PlaceWindow(*active, canvas.Size()).frame);
}

}  // namespace tuitest
