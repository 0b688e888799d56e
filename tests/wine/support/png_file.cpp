// A minimal PNG writer: one IDAT chunk of unfiltered rows compressed with zlib.
#include "png_file.h"

#include <zlib.h>

#include <cstdio>

namespace {

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    PutBigEndian(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);  // filter: none
        const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(y) * width * 3;
        rows.insert(rows.end(), row, row + width * 3);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9) != Z_OK) return {};
    packed.resize(packedSize);

    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter, no interlace
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});
    return file;
}

bool WritePngFile(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb) {
    const std::vector<std::uint8_t> file = EncodePng(width, height, rgb);
    if (file.empty()) return false;
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
