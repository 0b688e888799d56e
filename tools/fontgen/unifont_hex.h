// GNU Unifont .hex glyphs as 16 x 16 bitmaps.
#pragma once
#include <array>
#include <cstdint>
#include <istream>
#include <map>

// One row per scan line, top first; bit 15 is the leftmost pixel, a 1 bit is ink.
using Glyph16 = std::array<std::uint16_t, 16>;
using GlyphMap = std::map<std::uint32_t, Glyph16>;

// Reads lines "XXXX:<32 or 64 hex digits>". An 8-pixel glyph is centred in its 16-pixel cell.
// Lines of any other form are skipped.
GlyphMap ReadUnifontHex(std::istream& in);
