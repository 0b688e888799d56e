// An RGB drawing surface for the sample pictures, with Unifont text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "unifont_hex.h"

struct Rgb {
  std::uint8_t r, g, b;
};

class Canvas {
public:
  Canvas(int width, int height, Rgb background);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }  // RGB, top row first
  Rgb At(int x, int y) const;

  void FillRect(int x, int y, int w, int h, Rgb colour);
  void FrameRect(int x, int y, int w, int h, Rgb colour);
  void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
  void FillCircle(int cx, int cy, int radius, Rgb colour);
  void FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, Rgb colour);
  // A sine wave of the given amplitude and period across [x, x + w), `thickness` pixels thick.
  void Wave(int x, int w, int baseline, int amplitude, int period, int thickness, Rgb colour);
  // Draws `text` with its top-left at (x, y), each glyph pixel `scale` x `scale`. Returns the width.
  int Text(const GlyphMap& glyphs, int x, int y, const std::u32string& text, int scale, Rgb colour);

private:
  void Plot(int x, int y, Rgb colour);
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

// Binary PPM (P6) bytes of the canvas.
std::string EncodePpm(const Canvas& canvas);
// Icon file bytes of the canvas: one opaque 32-bit image (at most 256 x 256).
std::string EncodeIco(const Canvas& canvas);
// PNG bytes of the canvas: 8-bit RGB, one zlib-compressed IDAT chunk. Empty when zlib fails.
std::string EncodePng(const Canvas& canvas);
