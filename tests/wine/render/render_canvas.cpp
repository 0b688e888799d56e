// DIB-section canvases and test font images for the rendering tests.
#include "render_canvas.h"

#include "render/glyph_font.h"
#include "render/glyph_pages_win.h"

namespace {

std::uint32_t ToDibPixel(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

}  // namespace

DibCanvas::DibCanvas(int width, int height, COLORREF fill)
    : dc_(CreateCompatibleDC(nullptr)), bitmap_(nullptr), previous_(nullptr), bits_(nullptr), width_(width),
      height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(fill);
}

DibCanvas::~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void DibCanvas::Fill(COLORREF colour) { FillArea(RECT{0, 0, width_, height_}, colour); }

void DibCanvas::FillArea(const RECT& rect, COLORREF colour) {
    GdiFlush();
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) bits_[y * width_ + x] = ToDibPixel(colour);
    }
}

COLORREF DibCanvas::Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * width_ + x];
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

bool DibCanvas::SameAs(const DibCanvas& other) const {
    GdiFlush();
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int i = 0; i < width_ * height_; ++i) {
        if ((bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF)) return false;
    }
    return true;
}

bool DibCanvas::OnlyInside(const RECT& rect, COLORREF colour) const {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const POINT at{x, y};
            if (!PtInRect(&rect, at) && Pixel(x, y) != colour) return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> DibCanvas::Rgb() const {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const COLORREF c = Pixel(x, y);
            rgb.push_back(GetRValue(c));
            rgb.push_back(GetGValue(c));
            rgb.push_back(GetBValue(c));
        }
    }
    return rgb;
}

std::vector<unsigned char> NoiseFontImage() {
    std::vector<unsigned char> image(static_cast<std::size_t>(GlyphPageBytes) * GlyphPageCount);
    std::uint32_t state = 12345;
    for (unsigned char& value : image) {
        state = state * 1103515245u + 12345u;
        value = static_cast<unsigned char>(state >> 16);
    }
    return image;
}

bool ImageBit(const std::vector<unsigned char>& image, int cell, int column, int row) {
    const int line = GlyphCellSize * (cell / GlyphCellsPerRow) + row;
    const int pixel = GlyphCellSize * (cell % GlyphCellsPerRow) + column;
    return (image[static_cast<std::size_t>(line) * GlyphImageRowBytes + pixel / 8] >> (7 - pixel % 8) & 1) != 0;
}

testing::AssertionResult GlyphDrawnAt(const DibCanvas& canvas, const std::vector<unsigned char>& image, int x, int y,
                                      std::uint16_t code, COLORREF background) {
    if (x < 0 || y < 0 || x + GlyphCellSize > canvas.Width() || y + GlyphCellSize > canvas.Height()) {
        return testing::AssertionFailure() << "glyph box at " << x << "," << y << " leaves the canvas";
    }
    const int cell = GlyphCellNumber(code);
    for (int row = 0; row < GlyphCellSize; ++row) {
        for (int column = 0; column < GlyphCellSize; ++column) {
            const COLORREF expected = ImageBit(image, cell, column, row) ? background : RGB(0, 0, 0);
            const COLORREF actual = canvas.Pixel(x + column, y + row);
            if (actual != expected) {
                return testing::AssertionFailure() << std::hex << "glyph 0x" << code << " pixel " << std::dec << column
                                                   << "," << row << " at " << x << "," << y << " is 0x" << std::hex
                                                   << actual << ", expected 0x" << expected;
            }
        }
    }
    return testing::AssertionSuccess();
}

bool DifferOnlyInside(const DibCanvas& a, const DibCanvas& b, const RECT& rect) {
    bool differs = false;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
            const POINT at{x, y};
            if (!PtInRect(&rect, at)) return false;
            differs = true;
        }
    }
    return differs;
}

BuiltGlyphFont::BuiltGlyphFont(const std::vector<unsigned char>& image) : built_(BuildGlyphPages(image.data())) {}

BuiltGlyphFont::~BuiltGlyphFont() { ReleaseGlyphPages(); }
