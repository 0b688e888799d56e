// Test surfaces for the painters: a 32-bit DIB section in a memory DC, and glyph pages from a test image.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF fill);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Fill(COLORREF colour);
    void FillArea(const RECT& rect, COLORREF colour);
    COLORREF Pixel(int x, int y) const;
    // True when every pixel of both canvases is the same.
    bool SameAs(const DibCanvas& other) const;
    // True when no pixel outside rect differs from colour.
    bool OnlyInside(const RECT& rect, COLORREF colour) const;
    // Top-down rows of RGB bytes.
    std::vector<std::uint8_t> Rgb() const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* bits_;
    int width_;
    int height_;
};

// A font image of GlyphPageCount pages whose every cell holds different pseudo-random bits.
std::vector<unsigned char> NoiseFontImage();
// Bit of the image at a pixel of cell n: true for background, false for ink.
bool ImageBit(const std::vector<unsigned char>& image, int cell, int column, int row);

// The cell of code drawn at (x, y) onto background: ink black, the rest background.
testing::AssertionResult GlyphDrawnAt(const DibCanvas& canvas, const std::vector<unsigned char>& image, int x, int y,
                                      std::uint16_t code, COLORREF background);
// True when the canvases differ somewhere, and only inside rect.
bool DifferOnlyInside(const DibCanvas& a, const DibCanvas& b, const RECT& rect);

// Builds Setup.GlyphFont for the scope of a test.
class BuiltGlyphFont {
public:
    explicit BuiltGlyphFont(const std::vector<unsigned char>& image);
    ~BuiltGlyphFont();
    BuiltGlyphFont(const BuiltGlyphFont&) = delete;
    BuiltGlyphFont& operator=(const BuiltGlyphFont&) = delete;
    bool Built() const { return built_; }

private:
    bool built_;
};
