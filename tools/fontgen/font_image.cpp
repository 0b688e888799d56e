// Builds the font image from Unifont glyphs through the GB2312-to-Unicode mapping.
#include "font_image.h"

#include <string>

#include "payload_capacity.h"
#include "text_convert.h"

static_assert(FontImageSize == FontImageBytes, "the font image fills exactly its payload item");

namespace {

constexpr unsigned LastCode = 0xD7F9;  // last level-1 hanzi

std::size_t CellRowOffset(int cell, int scanLine) {
  return static_cast<std::size_t>(GlyphCellSize * (cell / GlyphCellsPerRow) + scanLine) * GlyphImageRowBytes +
         2 * static_cast<std::size_t>(cell % GlyphCellsPerRow);
}

}  // namespace

int FontCellForCode(unsigned code) {
  const unsigned lead = code >> 8;
  const unsigned trail = code & 0xFF;
  if (trail < 0xA1 || trail > 0xFE || code > LastCode) return -1;
  if ((lead >= 0xA1 && lead <= 0xA7) || lead >= 0xB0) return GlyphCellNumber(static_cast<std::uint16_t>(code));
  return -1;
}

std::uint32_t Gb2312ToCodePoint(unsigned code) {
  const std::string bytes{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  std::string utf32;
  if (!ConvertEncoding("UTF-32LE", "GB2312", bytes, utf32) || utf32.size() != 4) return 0;
  std::uint32_t codePoint = 0;
  for (int i = 3; i >= 0; --i) codePoint = codePoint << 8 | static_cast<unsigned char>(utf32[static_cast<std::size_t>(i)]);
  return codePoint;
}

std::vector<std::uint8_t> BuildFontImage(const GlyphMap& glyphs) {
  std::vector<std::uint8_t> image(FontImageSize, 0xFF);
  for (unsigned lead = 0xA1; lead <= 0xD7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      const unsigned code = lead << 8 | trail;
      const int cell = FontCellForCode(code);
      if (cell < 0) continue;
      // Unassigned codes map to 0, which must not pick up Unifont's glyph for U+0000.
      const std::uint32_t codePoint = Gb2312ToCodePoint(code);
      const auto glyph = codePoint == 0 ? glyphs.end() : glyphs.find(codePoint);
      if (glyph == glyphs.end()) continue;
      for (int j = 0; j < 16; ++j) {
        const std::uint16_t ink = glyph->second[static_cast<std::size_t>(j)];
        const std::size_t at = CellRowOffset(cell, j);
        image[at] = static_cast<std::uint8_t>(~ink >> 8);
        image[at + 1] = static_cast<std::uint8_t>(~ink & 0xFF);
      }
    }
  }
  return image;
}

Glyph16 ReadFontCell(const std::vector<std::uint8_t>& image, int cell) {
  Glyph16 glyph{};
  for (int j = 0; j < 16; ++j) {
    const std::size_t at = CellRowOffset(cell, j);
    glyph[static_cast<std::size_t>(j)] = static_cast<std::uint16_t>(~(image[at] << 8 | image[at + 1]));
  }
  return glyph;
}
