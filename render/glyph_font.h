// Layout of the glyph font image and the arithmetic that finds a double-byte code's cell.
#pragma once
#include <cstdint>

constexpr int GlyphCellSize = 16;
constexpr int GlyphCellsPerRow = 32;
constexpr int GlyphImageRowBytes = 64;
constexpr int GlyphPageCount = 4;
constexpr int GlyphPageWidth = 512;
constexpr int GlyphPageHeight = 944;
constexpr int GlyphCellRowsPerPage = GlyphPageHeight / GlyphCellSize;
constexpr int GlyphPageBytes = GlyphPageHeight * GlyphImageRowBytes;

struct GlyphLocation {
    int Page;
    int X;
    int Y;
};

// Cell number of a code (lead byte * 256 + trail byte); every 16-bit value has one.
std::uint16_t GlyphCellNumber(std::uint16_t code);
GlyphLocation LocateGlyph(std::uint16_t code);
