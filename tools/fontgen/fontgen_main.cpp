// vocalith_fontgen: writes the setup's font image (ChnBmp.bin) from a Unifont .hex file.
//   vocalith_fontgen UNIFONT_HEX OUTPUT
#include <cstdio>
#include <fstream>

#include "font_image.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vocalith_fontgen UNIFONT_HEX OUTPUT\n");
    return 1;
  }
  std::ifstream hex(argv[1]);
  const GlyphMap glyphs = ReadUnifontHex(hex);
  if (glyphs.empty()) {
    std::fprintf(stderr, "vocalith_fontgen: no glyphs in %s\n", argv[1]);
    return 1;
  }
  const std::vector<std::uint8_t> image = BuildFontImage(glyphs);
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "vocalith_fontgen: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
