// Screen capture of the e2e driver: BitBlt from the screen into a DIB section, written as an RGB PNG.
#include "driver_screen.h"

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "render/gdi_scope_win.h"

namespace {

void PutBigEndian(std::string& out, uLong value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<uLong>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    PutBigEndian(out, crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
}

// A top-down 32-bit BGRX image becomes filter-0 RGB rows, one zlib stream.
bool EncodePng(const unsigned char* bgrx, int width, int height, std::string* png) {
    std::string raw;
    raw.reserve(static_cast<size_t>(height) * (width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back('\0');
        const unsigned char* row = bgrx + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            raw.push_back(static_cast<char>(row[x * 4 + 2]));
            raw.push_back(static_cast<char>(row[x * 4 + 1]));
            raw.push_back(static_cast<char>(row[x * 4]));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), 6) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, static_cast<uLong>(width));
    PutBigEndian(header, static_cast<uLong>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter choice, no interlace
    *png = "\x89PNG\r\n\x1a\n";
    PutChunk(*png, "IHDR", header);
    PutChunk(*png, "IDAT", packed);
    PutChunk(*png, "IEND", std::string());
    return true;
}

}  // namespace

bool CaptureScreen(RECT area, ScreenImage* image) {
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!IntersectRect(&area, &area, &screen)) return false;
    int width = area.right - area.left, height = area.bottom - area.top;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // The screen's DC, a memory DC and the DIB section are all given back when this returns.
    std::unique_ptr<HDC__, void (*)(HDC)> screenDc(GetDC(nullptr), [](HDC dc) { ReleaseDC(nullptr, dc); });
    std::unique_ptr<HDC__, void (*)(HDC)> memoryDc(CreateCompatibleDC(screenDc.get()), [](HDC dc) { DeleteDC(dc); });
    std::unique_ptr<HBITMAP__, void (*)(HBITMAP)> bitmap(
        CreateDIBSection(screenDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0), [](HBITMAP b) { DeleteObject(b); });
    if (!screenDc || !memoryDc || !bitmap) return false;
    {
        ScopedSelection selected(memoryDc.get(), bitmap.get());
        if (!BitBlt(memoryDc.get(), 0, 0, width, height, screenDc.get(), area.left, area.top, SRCCOPY)) return false;
        GdiFlush();
    }
    const unsigned char* pixels = static_cast<const unsigned char*>(bits);
    image->Width = width;
    image->Height = height;
    image->Pixels.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
    return true;
}

bool SavePng(const wchar_t* path, const ScreenImage& image) {
    std::string png;
    if (!EncodePng(image.Pixels.data(), image.Width, image.Height, &png)) return false;
    FILE* file = _wfopen(path, L"wb");
    if (!file) return false;
    bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}
