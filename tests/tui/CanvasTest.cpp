// The cell grid: wide characters take two cells and are never left half drawn, drawing
// stays inside the clip, and the text read back is what a terminal would show.
#include "tui/Canvas.h"

#include <gtest/gtest.h>

namespace tuitest {
namespace {

using tui::Canvas;
using tui::CellRect;
using tui::Role;
using tui::Style;

TEST(Canvas, WideCharactersTakeTwoCellsAndAreNeverCutInHalf) {
    Canvas canvas({10, 3}, Style{Role::Face});
    EXPECT_EQ(canvas.Write(0, 0, "端口ab", Style{Role::Face}, 10), 6);
    EXPECT_EQ(canvas.Lines()[0], "端口ab");
    EXPECT_TRUE(canvas.At(1, 0).tail);

    // Writing over the right half of 端 blanks its left half; over 口's left half, its right.
    canvas.Put(1, 0, "x", Style{Role::Face});
    canvas.Put(2, 0, "y", Style{Role::Face});
    EXPECT_EQ(canvas.Lines()[0], " xy ab");

    // A wide character that would end past the width given is left out.
    EXPECT_EQ(canvas.Write(0, 1, "ab端", Style{Role::Face}, 3), 2);
    EXPECT_EQ(canvas.Lines()[1], "ab");

    // One cut by the clip shows as a blank, not half a character.
    canvas.SetClip({0, 2, 3, 1});
    canvas.Write(0, 2, "a端", Style{Role::Face}, 10);
    canvas.Write(2, 2, "端", Style{Role::Face}, 10);
    EXPECT_EQ(canvas.Lines()[2], "a");
    EXPECT_FALSE(canvas.At(2, 2).tail);
}

TEST(Canvas, DrawingStaysInsideTheClip) {
    Canvas canvas({8, 4}, Style{Role::Desktop});
    canvas.SetClip({2, 1, 4, 2});
    canvas.Fill({0, 0, 8, 4}, Style{Role::Face});
    canvas.Box({0, 0, 8, 4}, tui::Line::Single, Style{Role::Face});
    canvas.Write(0, 1, "abcdefgh", Style{Role::Face}, 8);
    EXPECT_EQ(canvas.At(0, 0).style.role, Role::Desktop);
    EXPECT_EQ(canvas.At(2, 1).style.role, Role::Face);
    EXPECT_EQ(canvas.Text(), "\n  cdef\n\n\n");
}

TEST(Canvas, EscapedCharactersAreMarked) {
    Canvas canvas({12, 1}, Style{Role::Face});
    canvas.Write(0, 0, "a\tb", Style{Role::Field}, 12);
    EXPECT_EQ(canvas.Lines()[0], "a\\tb");
    EXPECT_EQ(canvas.At(0, 0).style.attrs, tui::kAttrNone);
    EXPECT_EQ(canvas.At(1, 0).style.attrs, tui::kAttrEscaped);
    EXPECT_EQ(canvas.At(2, 0).style.attrs, tui::kAttrEscaped);
    EXPECT_EQ(canvas.At(3, 0).style.attrs, tui::kAttrNone);
}

}  // namespace
}  // namespace tuitest
