// Glyph cell numbers and page positions for GB2312 codes and for every other 16-bit code.
#include <gtest/gtest.h>

#include "render/glyph_font.h"

namespace {

struct GlyphCase {
    std::uint16_t Code;
    int Page, X, Y;
    int Cell;
};

const GlyphCase GlyphCases[] = {
    {0xA1A1, 0, 0, 0, 0},            // ideographic space
    {0xA1A2, 0, 16, 0, 1},           // 、
    {0xB0A1, 0, 288, 320, 658},      // first level-1 hanzi
    {0xC8B7, 1, 384, 512, 2936},     // 确
    {0xD7F9, 2, 448, 304, 4412},     // last glyph in the image
    {0xD8A1, 2, 32, 320, 4418},      // first level-2 hanzi
    {0xF7FE, 3, 16, 880, 7425},      // last GB2312 position
    {0xE946, 3, 0, 896, 7456},       // extra cell
    {0xA9A4, 3, 16, 896, 7457},      // extra cell
    {0xA8A1, 0, 288, 320, 658},      // row 8 shares row 16's cell
    {0xB040, 0, 16, 736, 1473},      // trail below 0xA1, code below 0xB0A1
    {0x8140, 3, 496, 160, 21119},    // past page 3: page forced to 3
    {0xA0A0, 3, 16, 624, 65441},     // negative quotient truncates toward zero
    {0xFFFF, 3, 288, 304, 8178},     // largest code
};

TEST(LocateGlyph, KnownCodes) {
    for (const GlyphCase& c : GlyphCases) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.Code);
        EXPECT_EQ(GlyphCellNumber(c.Code), c.Cell);
        const GlyphLocation at = LocateGlyph(c.Code);
        EXPECT_EQ(at.Page, c.Page);
        EXPECT_EQ(at.X, c.X);
        EXPECT_EQ(at.Y, c.Y);
    }
}

// Every well-formed code lands on the cell that the image's row layout gives it, and that cell's
// position follows from its number: 32 cells a row, 59 rows a page.
TEST(LocateGlyph, EveryGb2312CodeFindsItsCell) {
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
            if (code == 0xA9A4) continue;
            const int expected = lead < 0xB0 ? 94 * (lead - 0xA1) + (trail - 0xA1)
                                             : 658 + 94 * (lead - 0xB0) + (trail - 0xA1);
            ASSERT_EQ(GlyphCellNumber(code), expected) << std::hex << code;
            const GlyphLocation at = LocateGlyph(code);
            ASSERT_EQ(at.Page, expected / (32 * 59)) << std::hex << code;
            ASSERT_EQ(at.X, 16 * (expected % 32)) << std::hex << code;
            ASSERT_EQ(at.Y, 16 * (expected / 32 % 59)) << std::hex << code;
        }
    }
}

TEST(LocateGlyph, RowsEightToFifteenShareTheCellsEightRowsOn) {
    for (int lead = 0xA8; lead <= 0xAF; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
            if (code == 0xA9A4) continue;
            const auto later = static_cast<std::uint16_t>((lead + 8) << 8 | trail);
            ASSERT_EQ(GlyphCellNumber(code), GlyphCellNumber(later)) << std::hex << code;
        }
    }
}

// No code, however malformed, leaves a page.
TEST(LocateGlyph, EveryCodeGivesACellInsideAPage) {
    for (int code = 0; code <= 0xFFFF; ++code) {
        const GlyphLocation at = LocateGlyph(static_cast<std::uint16_t>(code));
        ASSERT_GE(at.Page, 0);
        ASSERT_LE(at.Page, 3);
        ASSERT_EQ(at.X % 16, 0);
        ASSERT_EQ(at.Y % 16, 0);
        ASSERT_GE(at.X, 0);
        ASSERT_LE(at.X + 16, 512) << code;
        ASSERT_GE(at.Y, 0);
        ASSERT_LE(at.Y + 16, 944) << code;
    }
}

}  // namespace
