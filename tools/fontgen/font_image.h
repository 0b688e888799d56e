// The setup's font image: GB2312 rows 1-7 and 16-55 as 16 x 16 cells of a 512-pixel raster.
#pragma once
#include <cstdint>
#include <vector>

#include "unifont_hex.h"

#include "render/glyph_font.h"

constexpr int FontImageCells = 4416;  // 138 cell rows; cells 4,413 to 4,415 stay empty
constexpr std::size_t FontImageSize =
    static_cast<std::size_t>(FontImageCells / GlyphCellsPerRow) * GlyphCellSize * GlyphImageRowBytes;

// Cell of a GB2312 code inside the image (the setup's own cell numbering), or -1 for a code the
// image does not hold.
int FontCellForCode(unsigned code);

// Unicode code point of a GB2312 code (glibc iconv), or 0 when GB2312 assigns none.
std::uint32_t Gb2312ToCodePoint(unsigned code);

// The image with every mapped code drawn from `glyphs` (0 bit ink), every other cell blank.
std::vector<std::uint8_t> BuildFontImage(const GlyphMap& glyphs);

// The 16 x 16 cell `cell` of `image`, in Glyph16 form (1 bit ink).
Glyph16 ReadFontCell(const std::vector<std::uint8_t>& image, int cell);
