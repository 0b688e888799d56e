// The font image generator against GNU Unifont: layout, known glyph cells and blank cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "font_image.h"
#include "payload_capacity.h"

namespace {

constexpr char UnifontHex[] = "/usr/share/unifont/unifont.hex";

// Rows of a full-width glyph read straight from its line in the .hex file.
Glyph16 HexRows(std::uint32_t codePoint) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%04X:", codePoint);
  std::ifstream in(UnifontHex);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) != 0) continue;
    EXPECT_EQ(5u + 64u, line.size()) << line;
    Glyph16 rows{};
    for (int j = 0; j < 16; ++j)
      rows[static_cast<std::size_t>(j)] = static_cast<std::uint16_t>(std::stoul(line.substr(5 + 4 * static_cast<std::size_t>(j), 4), nullptr, 16));
    return rows;
  }
  ADD_FAILURE() << "no glyph " << prefix;
  return {};
}

bool CellIsBlank(const std::vector<std::uint8_t>& image, int cell) {
  const Glyph16 ink = ReadFontCell(image, cell);
  return std::all_of(ink.begin(), ink.end(), [](std::uint16_t row) { return row == 0; });
}

class FontGenerator : public testing::Test {
protected:
  static void SetUpTestSuite() {
    std::ifstream in(UnifontHex);
    image_ = BuildFontImage(ReadUnifontHex(in));
  }
  static std::vector<std::uint8_t> image_;
};
std::vector<std::uint8_t> FontGenerator::image_;

TEST_F(FontGenerator, ImageHasExactlyThePayloadSize) {
  EXPECT_EQ(FontImageBytes, image_.size());
}

TEST_F(FontGenerator, HanziCellsHoldTheirUnifontGlyphsWithInkAsZeroBits) {
  struct Case {
    unsigned code;
    int cell;
    std::uint32_t codePoint;
  } const cases[] = {{0xB0A1, 658, 0x554A}, {0xC8B7, 2936, 0x786E}, {0xD7F9, 4412, 0x5EA7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    EXPECT_EQ(c.cell, FontCellForCode(c.code));
    const Glyph16 expected = HexRows(c.codePoint);
    EXPECT_NE(Glyph16{}, expected);
    EXPECT_EQ(expected, ReadFontCell(image_, c.cell));
    // Scan line 0 of the cell, straight from the raster: 0 bits are ink.
    const std::size_t at = static_cast<std::size_t>(16 * (c.cell / 32)) * 64 + 2 * static_cast<std::size_t>(c.cell % 32);
    EXPECT_EQ(static_cast<std::uint8_t>(~expected[0] >> 8), image_[at]);
    EXPECT_EQ(static_cast<std::uint8_t>(~expected[0] & 0xFF), image_[at + 1]);
  }
}

TEST_F(FontGenerator, CellsWithoutAGlyphAreAllBackground) {
  // 0xA2A1 is unassigned in GB2312 row 2; 4,413 to 4,415 follow the last level-1 hanzi.
  for (const int cell : {FontCellForCode(0xA2A1), 4413, 4414, 4415}) EXPECT_TRUE(CellIsBlank(image_, cell)) << cell;
  EXPECT_FALSE(CellIsBlank(image_, FontCellForCode(0xA1A2)));  // ideographic full stop
}

TEST(FontCells, FollowTheGb2312RowsAndSkipRowsOutsideTheImage) {
  struct Case {
    unsigned code;
    int cell;
  } const cases[] = {
      {0xA1A1, 0}, {0xA1FE, 93}, {0xA2A1, 94}, {0xA7FE, 657}, {0xB0A1, 658}, {0xB0FE, 751},
      {0xB1A1, 752}, {0xD7F9, 4412}, {0xA8A1, -1}, {0xAFFE, -1}, {0xD7FA, -1}, {0xD8A1, -1},
      {0xB0A0, -1}, {0xB0FF, -1}, {0x0041, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.cell, FontCellForCode(c.code)) << std::hex << c.code;
  EXPECT_EQ(0x554Au, Gb2312ToCodePoint(0xB0A1));
  EXPECT_EQ(0u, Gb2312ToCodePoint(0xA2A1));
}

TEST(FontCells, HalfWidthGlyphsAreCentredAndMalformedLinesSkipped) {
  // Full-width A (GB2312 0xA3C1) given an 8-pixel glyph, among lines the reader must skip.
  std::istringstream hex(
      "FF21:00000000183C6666667E66666666000000\n"  // 34 digits: skipped
      "FF21:0000000018242442427E424242420000\n"
      "ZZZZ:0000000018242442427E424242420000\n");
  const GlyphMap glyphs = ReadUnifontHex(hex);
  ASSERT_EQ(1u, glyphs.size());
  const Glyph16 cell = ReadFontCell(BuildFontImage(glyphs), FontCellForCode(0xA3C1));
  EXPECT_EQ(0x0180, cell[4]);  // 0x18 in columns 4 to 11
  EXPECT_EQ(0x07E0, cell[9]);
  EXPECT_EQ(0x0420, cell[10]);
  EXPECT_EQ(0x0000, cell[15]);
}

}  // namespace
