// How the glyph pages' bitmaps and memory DCs are made; a test can make one of them fail.
#pragma once
#include <windows.h>

class GlyphPageMaker {
public:
    // A 512 x 944 monochrome bitmap holding its own copy of bits.
    virtual HBITMAP MakeBitmap(const unsigned char* bits) = 0;
    // A memory DC compatible with the screen.
    virtual HDC MakeMemoryDc() = 0;

protected:
    ~GlyphPageMaker() = default;
};

GlyphPageMaker& GdiGlyphPageMaker();
// BuildGlyphPages with the given maker, into Setup.GlyphFont.
bool BuildGlyphPagesWith(GlyphPageMaker& maker, const unsigned char* image);
