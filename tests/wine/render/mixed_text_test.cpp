// Mixed text on a DIB section: glyph ink ANDed onto the fill, single bytes one pixel lower, DC state kept.
#include <gtest/gtest.h>

#include <vector>

#include "render/glyph_font.h"
#include "render/mixed_text_win.h"
#include "render_canvas.h"

namespace {

class MixedTextTest : public testing::Test {
protected:
    MixedTextTest() : image_(NoiseFontImage()), font_(image_) {}
    void SetUp() override { ASSERT_TRUE(font_.Built()); }

    void ExpectGlyph(const DibCanvas& canvas, int x, int y, std::uint16_t code, COLORREF fill) {
        EXPECT_TRUE(GlyphDrawnAt(canvas, image_, x, y, code, fill));
    }

    std::vector<unsigned char> image_;
    BuiltGlyphFont font_;
};

TEST_F(MixedTextTest, GlyphInkGoesOntoTheFillAndNothingElseChanges) {
    const COLORREF fill = RGB(200, 150, 100);
    DibCanvas canvas(60, 40, fill);
    const SIZE drawn = DrawMixedText(canvas.Dc(), 5, 7, "啊确");
    EXPECT_EQ(drawn.cx, 32);
    EXPECT_EQ(drawn.cy, 16);
    ExpectGlyph(canvas, 5, 7, 0xB0A1, fill);
    ExpectGlyph(canvas, 21, 7, 0xC8B7, fill);
    EXPECT_TRUE(canvas.OnlyInside(RECT{5, 7, 37, 23}, fill));
}

// A lead byte at the end pairs with the terminator: the cell of lead * 256 is drawn.
TEST_F(MixedTextTest, TrailingLeadByteDrawsTheCellOfLeadTimes256) {
    const COLORREF fill = RGB(255, 255, 255);
    DibCanvas canvas(40, 30, fill);
    const char text[] = {'\xB0', '\0', '\xA1', '\0'};
    EXPECT_EQ(DrawMixedText(canvas.Dc(), 3, 4, text).cx, 16);
    ExpectGlyph(canvas, 3, 4, 0xB000, fill);
    EXPECT_TRUE(canvas.OnlyInside(RECT{3, 4, 19, 20}, fill));
}

// Each single byte lands where TextOutA puts it one pixel below y, advancing by its own extent.
TEST_F(MixedTextTest, SingleBytesAreDrawnOnePixelLower) {
    DibCanvas canvas(120, 40, RGB(255, 255, 255));
    DibCanvas expected(120, 40, RGB(255, 255, 255));
    SetBkMode(expected.Dc(), TRANSPARENT);
    int pen = 4;
    for (char byte : {'N', 'e', 'x', 't'}) {
        TextOutA(expected.Dc(), pen, 10 + 1, &byte, 1);
        SIZE size;
        ASSERT_TRUE(GetTextExtentPointA(expected.Dc(), &byte, 1, &size));
        pen += size.cx;
    }
    EXPECT_EQ(DrawMixedText(canvas.Dc(), 4, 10, "Next").cx, pen - 4);
    EXPECT_TRUE(canvas.SameAs(expected));

    DibCanvas unshifted(120, 40, RGB(255, 255, 255));
    SetBkMode(unshifted.Dc(), TRANSPARENT);
    TextOutA(unshifted.Dc(), 4, 10, "N", 1);
    EXPECT_FALSE(canvas.SameAs(unshifted));
}

// Opaque mode with a red background colour would paint red boxes behind the letters.
TEST_F(MixedTextTest, DrawsTransparentlyAndLeavesTheDcAsItWas) {
    DibCanvas canvas(120, 40, RGB(255, 255, 255));
    const HDC dc = canvas.Dc();
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 0, 0));
    SetTextColor(dc, RGB(0, 0, 255));
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    DrawMixedText(dc, 2, 2, "Wide");
    bool anyInk = false;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const COLORREF pixel = canvas.Pixel(x, y);
            ASSERT_NE(pixel, RGB(255, 0, 0)) << x << "," << y;
            anyInk = anyInk || pixel == RGB(0, 0, 255);
        }
    }
    EXPECT_TRUE(anyInk);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));

    DrawMixedText(dc, 0, 0, "");
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
}

// Measuring goes byte by byte through the current font, and the height stays 16 with a tall font.
TEST_F(MixedTextTest, MeasureSumsSingleByteExtentsAnd16PerGlyph) {
    DibCanvas canvas(10, 10, RGB(255, 255, 255));
    const HFONT tall = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    const HGDIOBJ previous = SelectObject(canvas.Dc(), tall);
    int latin = 0;
    for (char byte : {' ', 'N', 'e', 'x', 't'}) {
        SIZE size;
        ASSERT_TRUE(GetTextExtentPointA(canvas.Dc(), &byte, 1, &size));
        latin += size.cx;
    }
    const SIZE measured = MeasureMixedText(canvas.Dc(), "下一步 Next");
    EXPECT_EQ(measured.cx, 48 + latin);
    EXPECT_EQ(measured.cy, 16);
    EXPECT_EQ(MeasureMixedText(canvas.Dc(), "").cx, 0);
    EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 0, 0}, RGB(255, 255, 255)));
    SelectObject(canvas.Dc(), previous);
    DeleteObject(tall);
}

}  // namespace
