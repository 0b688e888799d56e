// Cell numbers and page positions of glyph-font characters.
#include "render/glyph_font.h"

namespace {

// Two codes outside the GB2312 rows the image lays out, kept in the cell row after the last hanzi.
constexpr std::uint16_t ExtraCodeU9555 = 0xE946;
constexpr std::uint16_t ExtraCodeBoxLine = 0xA9A4;
constexpr int ExtraCellNumber = 7456;

}  // namespace

// Rows and columns are counted from 0xA0A0 in a grid of 96 per row; subtracting the rows'
// 2 unused columns (0xA0 and 0xFF) packs them to 94. Rows 8 to 15 are not in the image, so from
// 0xB0A1 on the count skips them. The arithmetic is 16-bit with a quotient truncated toward zero,
// which gives every code, well-formed or not, a cell.
std::uint16_t GlyphCellNumber(std::uint16_t code) {
    if (code == ExtraCodeU9555) return ExtraCellNumber;
    if (code == ExtraCodeBoxLine) return ExtraCellNumber + 1;
    const std::uint16_t d = static_cast<std::uint16_t>(code - 0xA0A0);
    const int t = 96 * (d >> 8) + (d & 0xFF);
    int n;
    if (code < 0xB0A1) {
        const int s = t - 97;
        n = s - 2 * (s / 96);
    } else {
        const int s = t - 1537;
        n = t - 879 - 2 * (s / 96);
    }
    return static_cast<std::uint16_t>(n);
}

// A cell number past the last page keeps its column and its row within a page, on page 3.
GlyphLocation LocateGlyph(std::uint16_t code) {
    const int n = GlyphCellNumber(code);
    const int cellRow = n / GlyphCellsPerRow;
    int page = cellRow / GlyphCellRowsPerPage;
    if (page > GlyphPageCount - 1) page = GlyphPageCount - 1;
    return GlyphLocation{page, GlyphCellSize * (n % GlyphCellsPerRow),
                         GlyphCellSize * (cellRow % GlyphCellRowsPerPage)};
}
