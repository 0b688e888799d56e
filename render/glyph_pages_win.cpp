// Building and releasing the four glyph pages of Setup.GlyphFont.
#include "render/glyph_pages_win.h"

#include "render/glyph_font.h"
#include "render/glyph_page_maker_win.h"
#include "shell/setup_state_win.h"

namespace {

class GdiMaker final : public GlyphPageMaker {
public:
    HBITMAP MakeBitmap(const unsigned char* bits) override {
        return CreateBitmap(GlyphPageWidth, GlyphPageHeight, 1, 1, bits);
    }
    HDC MakeMemoryDc() override { return CreateCompatibleDC(nullptr); }
};

}  // namespace

GlyphPageMaker& GdiGlyphPageMaker() {
    static GdiMaker maker;
    return maker;
}

// Stops at the first handle that cannot be made and leaves what exists for ReleaseGlyphPages.
bool BuildGlyphPagesWith(GlyphPageMaker& maker, const unsigned char* image) {
    for (int k = 0; k < GlyphPageCount; ++k) {
        GlyphPage& page = Setup.GlyphFont.Pages[k];
        page.Bitmap = maker.MakeBitmap(image + GlyphPageBytes * k);
        if (page.Bitmap == nullptr) return false;
        page.MemoryDc = maker.MakeMemoryDc();
        if (page.MemoryDc == nullptr) return false;
        page.PreviousBitmap = SelectObject(page.MemoryDc, page.Bitmap);
    }
    return true;
}

bool BuildGlyphPages(const unsigned char* image) { return BuildGlyphPagesWith(GdiGlyphPageMaker(), image); }

// The handles are cleared so that a second release finds nothing to delete.
void ReleaseGlyphPages() {
    for (GlyphPage& page : Setup.GlyphFont.Pages) {
        if (page.MemoryDc != nullptr) {
            SelectObject(page.MemoryDc, page.PreviousBitmap);
            DeleteDC(page.MemoryDc);
        }
        if (page.Bitmap != nullptr) DeleteObject(page.Bitmap);
        page = GlyphPage{};
    }
}
