// Parser of Unifont's .hex format: code point, colon, 8- or 16-pixel-wide bitmap in hex.
#include "unifont_hex.h"

#include <string>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool ParseHex(const std::string& text, std::size_t from, std::size_t count, std::uint32_t& value) {
  value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) return false;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return true;
}

bool ParseGlyph(const std::string& bits, Glyph16& glyph) {
  const bool halfWidth = bits.size() == 32;
  if (!halfWidth && bits.size() != 64) return false;
  const std::size_t digitsPerRow = halfWidth ? 2 : 4;
  for (std::size_t row = 0; row < 16; ++row) {
    std::uint32_t value = 0;
    if (!ParseHex(bits, row * digitsPerRow, digitsPerRow, value)) return false;
    // Half-width glyphs sit in columns 4 to 11, so Latin letters stand centred in the cell.
    glyph[row] = static_cast<std::uint16_t>(halfWidth ? value << 4 : value);
  }
  return true;
}

}  // namespace

GlyphMap ReadUnifontHex(std::istream& in) {
  GlyphMap glyphs;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 6) continue;
    std::uint32_t codePoint = 0;
    Glyph16 glyph{};
    if (!ParseHex(line, 0, colon, codePoint) || !ParseGlyph(line.substr(colon + 1), glyph)) continue;
    glyphs[codePoint] = glyph;
  }
  return glyphs;
}
