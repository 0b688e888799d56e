// vocalith_picture: draws one sample picture as PPM (for cjpeg), PNG or icon.
//   vocalith_picture UNIFONT_HEX NAME WIDTH HEIGHT OUTPUT.{ppm,png,ico}
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "sample_pictures.h"

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: vocalith_picture UNIFONT_HEX NAME WIDTH HEIGHT OUTPUT.{ppm,png,ico}\n");
    return 1;
  }
  std::ifstream hex(argv[1]);
  const GlyphMap glyphs = ReadUnifontHex(hex);
  const int width = std::atoi(argv[3]);
  const int height = std::atoi(argv[4]);
  if (glyphs.empty() || width <= 0 || height <= 0 || width > 4096 || height > 4096) {
    std::fprintf(stderr, "vocalith_picture: no glyphs in %s or a bad size\n", argv[1]);
    return 1;
  }
  Canvas canvas(width, height, {255, 255, 255});
  if (!DrawSamplePicture(argv[2], glyphs, canvas)) {
    std::fprintf(stderr, "vocalith_picture: unknown picture %s\n", argv[2]);
    return 1;
  }
  const std::string output = argv[5];
  const std::string extension = output.size() > 4 ? output.substr(output.size() - 4) : "";
  if (extension == ".ico" && (width > 256 || height > 256)) {
    std::fprintf(stderr, "vocalith_picture: an icon is at most 256 x 256 pixels\n");
    return 1;
  }
  const std::string bytes =
      extension == ".png" ? EncodePng(canvas) : extension == ".ico" ? EncodeIco(canvas) : EncodePpm(canvas);
  std::ofstream out(output, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (bytes.empty() || !out.flush()) {
    std::fprintf(stderr, "vocalith_picture: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
