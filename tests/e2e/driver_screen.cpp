// Screen capture of the e2e driver: BitBlt from the screen into a DIB section, written as an RGB PNG.
#include "driver_screen.h"

#include <cstdio>
#include <memory>

#include "png_file.h"
#include "render/gdi_scope_win.h"

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
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(image.Width) * image.Height * 3);
    for (size_t pixel = 0; pixel + 3 < image.Pixels.size(); pixel += 4)
        rgb.insert(rgb.end(), {image.Pixels[pixel + 2], image.Pixels[pixel + 1], image.Pixels[pixel]});
    std::vector<std::uint8_t> png = EncodePng(image.Width, image.Height, rgb);
    if (png.empty()) return false;
    FILE* file = _wfopen(path, L"wb");
    if (!file) return false;
    bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}
