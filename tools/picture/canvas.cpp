// Drawing primitives and the PPM and PNG encoders of the sample pictures.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <zlib.h>

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
  FillRect(0, 0, width, height, background);
}

Rgb Canvas::At(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
  return {pixels_[at], pixels_[at + 1], pixels_[at + 2]};
}

void Canvas::Plot(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
  pixels_[at] = colour.r;
  pixels_[at + 1] = colour.g;
  pixels_[at + 2] = colour.b;
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Plot(i, j, colour);
}

void Canvas::FrameRect(int x, int y, int w, int h, Rgb colour) {
  FillRect(x, y, w, 1, colour);
  FillRect(x, y + h - 1, w, 1, colour);
  FillRect(x, y, 1, h, colour);
  FillRect(x + w - 1, y, 1, h, colour);
}

void Canvas::VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int j = 0; j < h; ++j) {
    const auto mix = [&](std::uint8_t a, std::uint8_t b) {
      return static_cast<std::uint8_t>(a + (b - a) * j / (h > 1 ? h - 1 : 1));
    };
    FillRect(x, y + j, w, 1, {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)});
  }
}

void Canvas::FillCircle(int cx, int cy, int radius, Rgb colour) {
  for (int j = -radius; j <= radius; ++j)
    for (int i = -radius; i <= radius; ++i)
      if (i * i + j * j <= radius * radius) Plot(cx + i, cy + j, colour);
}

void Canvas::FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, Rgb colour) {
  const auto edge = [](int ax, int ay, int bx, int by, int px, int py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  const int area = edge(x0, y0, x1, y1, x2, y2);
  if (area == 0) return;
  for (int y = std::min({y0, y1, y2}); y <= std::max({y0, y1, y2}); ++y) {
    for (int x = std::min({x0, x1, x2}); x <= std::max({x0, x1, x2}); ++x) {
      const int a = edge(x1, y1, x2, y2, x, y), b = edge(x2, y2, x0, y0, x, y), c = edge(x0, y0, x1, y1, x, y);
      if ((area > 0 && a >= 0 && b >= 0 && c >= 0) || (area < 0 && a <= 0 && b <= 0 && c <= 0)) Plot(x, y, colour);
    }
  }
}

void Canvas::Wave(int x, int w, int baseline, int amplitude, int period, int thickness, Rgb colour) {
  const double pi = 3.14159265358979323846;
  for (int i = x; i < x + w; ++i) {
    const int y = baseline + static_cast<int>(std::lround(amplitude * std::sin(2 * pi * (i - x) / period)));
    FillRect(i, y - thickness / 2, 1, thickness, colour);
  }
}

int Canvas::Text(const GlyphMap& glyphs, int x, int y, const std::u32string& text, int scale, Rgb colour) {
  int pen = x;
  for (const char32_t c : text) {
    // Unifont draws the alphabetic scripts 8 pixels wide; the reader centres them in 16.
    const bool halfWidth = c < 0x1100;
    const auto glyph = glyphs.find(static_cast<std::uint32_t>(c));
    if (glyph != glyphs.end()) {
      for (int j = 0; j < 16; ++j) {
        for (int i = 0; i < 16; ++i) {
          if (glyph->second[static_cast<std::size_t>(j)] & (0x8000 >> i))
            FillRect(pen + (i - (halfWidth ? 4 : 0)) * scale, y + j * scale, scale, scale, colour);
        }
      }
    }
    pen += (halfWidth ? 8 : 16) * scale;
  }
  return pen - x;
}

std::string EncodePpm(const Canvas& canvas) {
  std::string out = "P6\n" + std::to_string(canvas.Width()) + " " + std::to_string(canvas.Height()) + "\n255\n";
  out.append(canvas.Pixels().begin(), canvas.Pixels().end());
  return out;
}

namespace {

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, const char* type, const std::string& data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  AppendBigEndian(out, static_cast<std::uint32_t>(
                           crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

void AppendLittle(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string EncodeIco(const Canvas& canvas) {
  const auto width = static_cast<std::uint32_t>(canvas.Width());
  const auto height = static_cast<std::uint32_t>(canvas.Height());
  const std::uint32_t maskRowBytes = (width + 31) / 32 * 4;
  const std::uint32_t imageBytes = 40 + width * height * 4 + maskRowBytes * height;

  std::string ico;
  AppendLittle(ico, 0, 2);  // reserved
  AppendLittle(ico, 1, 2);  // icon
  AppendLittle(ico, 1, 2);  // one image
  AppendLittle(ico, width & 0xFF, 1);  // 256 is stored as 0
  AppendLittle(ico, height & 0xFF, 1);
  AppendLittle(ico, 0, 2);  // no palette, reserved
  AppendLittle(ico, 1, 2);  // planes
  AppendLittle(ico, 32, 2);
  AppendLittle(ico, imageBytes, 4);
  AppendLittle(ico, 22, 4);  // image follows the directory

  // BITMAPINFOHEADER of the XOR image and its AND mask stacked: twice the height.
  AppendLittle(ico, 40, 4);
  AppendLittle(ico, width, 4);
  AppendLittle(ico, 2 * height, 4);
  AppendLittle(ico, 1, 2);
  AppendLittle(ico, 32, 2);
  AppendLittle(ico, 0, 4);
  AppendLittle(ico, imageBytes - 40, 4);
  ico.append(16, '\0');
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb p = canvas.At(x, y);
      ico += static_cast<char>(p.b);
      ico += static_cast<char>(p.g);
      ico += static_cast<char>(p.r);
      ico += static_cast<char>(0xFF);
    }
  }
  ico.append(static_cast<std::size_t>(maskRowBytes) * height, '\0');  // every pixel opaque
  return ico;
}

std::string EncodePng(const Canvas& canvas) {
  // Each scan line is preceded by filter type 0 (none).
  const std::size_t rowBytes = static_cast<std::size_t>(canvas.Width()) * 3;
  std::string raw;
  for (int y = 0; y < canvas.Height(); ++y) {
    raw += '\0';
    raw.append(canvas.Pixels().begin() + static_cast<std::ptrdiff_t>(y * rowBytes),
               canvas.Pixels().begin() + static_cast<std::ptrdiff_t>((y + 1) * rowBytes));
  }
  uLongf length = compressBound(static_cast<uLong>(raw.size()));
  std::string idat(length, '\0');
  if (compress2(reinterpret_cast<Bytef*>(idat.data()), &length, reinterpret_cast<const Bytef*>(raw.data()),
                static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
    return {};
  idat.resize(length);

  std::string header;
  AppendBigEndian(header, static_cast<std::uint32_t>(canvas.Width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(canvas.Height()));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, no interlace

  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", idat);
  AppendChunk(png, "IEND", {});
  return png;
}
