// The glyph pages: bitmaps that read back as the font image, and partial builds released exactly.
#include <gtest/gtest.h>

#include <vector>

#include "render/glyph_font.h"
#include "render/glyph_page_maker_win.h"
#include "render/glyph_pages_win.h"
#include "render_canvas.h"
#include "shell/setup_state_win.h"

namespace {

// One code on each page, and both extra cells (beyond the image's real glyphs, still on page 3).
TEST(GlyphPages, PageDcShowsTheImageCellAtTheGlyphsPosition) {
    const std::vector<unsigned char> image = NoiseFontImage();
    const BuiltGlyphFont font(image);
    ASSERT_TRUE(font.Built());
    for (std::uint16_t code : {0xA1A2, 0xC8B7, 0xD7F9, 0xF7FE, 0xE946, 0xA9A4}) {
        const int cell = GlyphCellNumber(code);
        const GlyphLocation at = LocateGlyph(code);
        const HDC page = ::Setup.GlyphFont.Pages[at.Page].MemoryDc;
        for (int row = 0; row < GlyphCellSize; ++row) {
            for (int column = 0; column < GlyphCellSize; ++column) {
                const COLORREF expected = ImageBit(image, cell, column, row) ? RGB(255, 255, 255) : RGB(0, 0, 0);
                ASSERT_EQ(GetPixel(page, at.X + column, at.Y + row), expected)
                    << std::hex << code << std::dec << " at " << column << "," << row;
            }
        }
    }
}

// Makes the real objects but fails one chosen call, and remembers every object it made.
class FailingMaker final : public GlyphPageMaker {
public:
    FailingMaker(bool failBitmap, int failPage) : failBitmap_(failBitmap), failPage_(failPage) {}
    HBITMAP MakeBitmap(const unsigned char* bits) override {
        if (failBitmap_ && bitmaps_++ == failPage_) return nullptr;
        return Remember(GdiGlyphPageMaker().MakeBitmap(bits));
    }
    HDC MakeMemoryDc() override {
        if (!failBitmap_ && dcs_++ == failPage_) return nullptr;
        return Remember(GdiGlyphPageMaker().MakeMemoryDc());
    }
    std::vector<HGDIOBJ> Made;

private:
    template <typename Handle>
    Handle Remember(Handle handle) {
        Made.push_back(handle);
        return handle;
    }
    bool failBitmap_;
    int failPage_;
    int bitmaps_ = 0;
    int dcs_ = 0;
};

bool PageComplete(const GlyphPage& page) {
    return GetObjectType(page.Bitmap) == OBJ_BITMAP && GetObjectType(page.MemoryDc) == OBJ_MEMDC &&
           GetCurrentObject(page.MemoryDc, OBJ_BITMAP) == page.Bitmap && page.PreviousBitmap != nullptr;
}

bool PageEmpty(const GlyphPage& page) {
    return page.Bitmap == nullptr && page.MemoryDc == nullptr && page.PreviousBitmap == nullptr;
}

TEST(GlyphPages, FailedBuildLeavesWhatWasMadeAndReleaseDeletesExactlyThat) {
    struct Case {
        bool FailBitmap;
        int FailPage;
        int CompletePages;
        bool BitmapWithoutDc;
        int Made;
    };
    const Case cases[] = {
        {false, 1, 1, true, 3},   // page 1's DC
        {true, 3, 3, false, 6},   // page 3's bitmap
        {true, 0, 0, false, 0},   // the very first bitmap
    };
    const std::vector<unsigned char> image = NoiseFontImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.FailBitmap ? "bitmap of page " : "DC of page ") << c.FailPage);
        ASSERT_TRUE(PageEmpty(::Setup.GlyphFont.Pages[0]));
        FailingMaker maker(c.FailBitmap, c.FailPage);
        EXPECT_FALSE(BuildGlyphPagesWith(maker, image.data()));
        ASSERT_EQ(static_cast<int>(maker.Made.size()), c.Made);
        std::vector<HGDIOBJ> previous;
        for (int k = 0; k < GlyphPageCount; ++k) {
            const GlyphPage& page = ::Setup.GlyphFont.Pages[k];
            if (k < c.CompletePages) {
                EXPECT_TRUE(PageComplete(page)) << k;
                previous.push_back(page.PreviousBitmap);
            } else if (k == c.CompletePages && c.BitmapWithoutDc) {
                EXPECT_EQ(GetObjectType(page.Bitmap), static_cast<DWORD>(OBJ_BITMAP));
                EXPECT_EQ(page.MemoryDc, nullptr);
            } else {
                EXPECT_TRUE(PageEmpty(page)) << k;
            }
        }

        ReleaseGlyphPages();
        for (HGDIOBJ made : maker.Made) EXPECT_EQ(GetObjectType(made), 0u);
        // The DCs' own first bitmap is put back, not deleted.
        for (HGDIOBJ kept : previous) EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BITMAP));
        for (const GlyphPage& page : ::Setup.GlyphFont.Pages) EXPECT_TRUE(PageEmpty(page));
    }
}

// A release with nothing built, or a second release, must not touch objects that now live under
// handle values the pages once had.
TEST(GlyphPages, ReleaseOfNothingDeletesNothing) {
    const std::vector<unsigned char> image = NoiseFontImage();
    ReleaseGlyphPages();
    ASSERT_TRUE(BuildGlyphPages(image.data()));
    ReleaseGlyphPages();
    const HBITMAP bitmap = CreateBitmap(GlyphPageWidth, GlyphPageHeight, 1, 1, image.data());
    const HDC dc = CreateCompatibleDC(nullptr);
    ReleaseGlyphPages();
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    DeleteDC(dc);
    DeleteObject(bitmap);
}

}  // namespace
