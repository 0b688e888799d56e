// Writing an RGB picture as a PNG file, so a test can show what it painted.
#pragma once
#include <cstdint>
#include <vector>

// rgb: top-down rows of 3 bytes a pixel. The file's bytes; empty when the pixels do not compress.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);
// False when the file cannot be written.
bool WritePngFile(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb);
