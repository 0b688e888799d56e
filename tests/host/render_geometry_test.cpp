// Caption positions, focus rectangles, the raised frame's pixels and the check-box layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/control_geometry.h"

// At global scope, where argument-dependent lookup finds them for GoogleTest.
static bool operator==(PixelPoint a, PixelPoint b) { return a.X == b.X && a.Y == b.Y; }
static bool operator==(PixelRect a, PixelRect b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
static std::ostream& operator<<(std::ostream& out, PixelPoint p) { return out << "(" << p.X << "," << p.Y << ")"; }
static std::ostream& operator<<(std::ostream& out, PixelRect r) {
    return out << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}

namespace {

TEST(ControlGeometry, CaptionPosition) {
    struct Case {
        PixelRect Item;
        int Width;
        CaptionPlacement Placement;
        bool Pressed;
        PixelPoint Expected;
    };
    const Case cases[] = {
        {{0, 0, 114, 26}, 100, CaptionPlacement::Centred, true, {9, 6}},    // pressed Browse
        {{0, 0, 114, 26}, 100, CaptionPlacement::Centred, false, {7, 5}},
        {{0, 0, 114, 26}, 100, CaptionPlacement::Left, false, {0, 5}},
        {{0, 0, 114, 26}, 100, CaptionPlacement::Left, true, {2, 6}},
        {{10, 20, 124, 46}, 101, CaptionPlacement::Centred, false, {16, 25}},
        {{0, 0, 114, 26}, 131, CaptionPlacement::Centred, false, {-8, 5}},  // wider: -17 / 2 toward zero
        {{0, 0, 50, 11}, 10, CaptionPlacement::Centred, false, {20, -2}},    // shorter than a line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CaptionPosition(c.Item, c.Width, c.Placement, c.Pressed), c.Expected) << c.Item << " " << c.Width;
    }
}

TEST(ControlGeometry, FocusRectangleInsetByATenthAndAnEighth) {
    EXPECT_EQ(ControlFocusRect({0, 0, 114, 26}), (PixelRect{11, 3, 103, 23}));
    EXPECT_EQ(ControlFocusRect({5, 7, 24, 22}), (PixelRect{6, 8, 23, 21}));
    EXPECT_EQ(ControlFocusRect({0, 0, 9, 7}), (PixelRect{0, 0, 9, 7}));
}

// Applies the strokes as lines that stop short of their end points, on a grid of the item's size:
// '.' untouched, '1' first pen, '2' second pen, 'B' black.
std::vector<std::string> Rasterise(PixelRect item, bool defaultFrame) {
    std::vector<std::string> grid(item.Bottom - item.Top, std::string(item.Right - item.Left, '.'));
    const char ink[] = {'1', '2', 'B'};
    const FrameStrokes frame = RaisedFrameStrokes(item, defaultFrame);
    for (int s = 0; s < frame.Count; ++s) {
        const FrameStroke& stroke = frame.Strokes[s];
        PixelPoint at = stroke.Points[0];
        for (int p = 1; p < stroke.PointCount; ++p) {
            const PixelPoint to = stroke.Points[p];
            EXPECT_TRUE(at.X == to.X || at.Y == to.Y) << "slanted line";
            while (!(at == to)) {
                grid[at.Y - item.Top][at.X - item.Left] = ink[static_cast<int>(stroke.Pen)];
                at.X += (to.X > at.X) - (to.X < at.X);
                at.Y += (to.Y > at.Y) - (to.Y < at.Y);
            }
        }
    }
    return grid;
}

TEST(ControlGeometry, RaisedFrameTwoBevelsAndTheRim) {
    const std::vector<std::string> expected = {
        "........",
        ".1111122",
        ".1111222",
        ".1122222",
        ".1222222",
        ".2222222",
    };
    EXPECT_EQ(Rasterise({0, 0, 8, 6}, false), expected);
    EXPECT_EQ(Rasterise({30, 40, 38, 46}, false), expected);
}

TEST(ControlGeometry, DefaultFrameIsBlackRimAndBottomRightInside) {
    const std::vector<std::string> expected = {
        "BBBBBBBB",
        "B111112B",
        "B11112BB",
        "B11222BB",
        "BBBBBBBB",
        "BBBBBBBB",
    };
    EXPECT_EQ(Rasterise({0, 0, 8, 6}, true), expected);
}

TEST(ControlGeometry, CheckBoxLayout) {
    const CheckBoxLayout layout = LayOutCheckBox({0, 0, 330, 26});
    EXPECT_EQ(layout.Fill, (PixelRect{-2, -2, 332, 28}));
    EXPECT_EQ(layout.Box, (PixelRect{2, 4, 17, 18}));
    EXPECT_EQ(layout.Caption, (PixelPoint{32, 1}));
    EXPECT_EQ(CheckBoxFocusRect(layout.Caption, 250), (PixelRect{31, 0, 285, 19}));

    const CheckBoxLayout small = LayOutCheckBox({0, 0, 100, 12});  // h = 16: quarter 4, eighth 2, seventh 2
    EXPECT_EQ(small.Box, (PixelRect{0, 1, 8, 7}));
    EXPECT_EQ(small.Caption, (PixelPoint{16, 1}));
}

}  // namespace
