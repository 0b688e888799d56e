// Mixed text on a device context: single bytes in the DC's font, double bytes from the glyph pages.
#include "render/mixed_text_win.h"

#include "render/gdi_scope_win.h"
#include "render/mixed_text.h"
#include "shell/setup_state_win.h"

namespace {

class GdiTextDevice final : public MixedTextDevice {
public:
    explicit GdiTextDevice(HDC dc) : dc_(dc) {}

    int MeasureByte(char byte) override {
        SIZE size{};
        return GetTextExtentPointA(dc_, &byte, 1, &size) ? size.cx : 0;
    }

    void DrawByte(int x, int y, char byte) override { TextOutA(dc_, x, y, &byte, 1); }

    // SRCAND: the cell's ink becomes the text colour, its background the DC's background colour
    // ANDed with what is already there, so only the ink shows on a fill with a white background.
    void CopyGlyph(int x, int y, GlyphLocation cell) override {
        BitBlt(dc_, x, y, GlyphCellSize, GlyphCellSize, Setup.GlyphFont.Pages[cell.Page].MemoryDc, cell.X,
               cell.Y, SRCAND);
    }

private:
    HDC dc_;
};

}  // namespace

SIZE MeasureMixedText(HDC dc, const char* text) {
    GdiTextDevice device(dc);
    return SIZE{MeasureMixedWidth(device, text), MixedTextHeight};
}

SIZE DrawMixedText(HDC dc, int x, int y, const char* text) {
    ScopedBackgroundMode transparent(dc, TRANSPARENT);
    GdiTextDevice device(dc);
    return SIZE{DrawMixedWidth(device, x, y, text), MixedTextHeight};
}
