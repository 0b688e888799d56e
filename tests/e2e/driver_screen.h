// Screen capture of the e2e driver: a rectangle of the screen saved as a PNG file.
#pragma once
#include <windows.h>

#include <vector>

// The pixels of a rectangle of the screen, top-down, 4 bytes (B, G, R, unused) a pixel.
struct ScreenImage {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;
};

bool CaptureScreen(RECT area, ScreenImage* image);
bool SavePng(const wchar_t* path, const ScreenImage& image);
