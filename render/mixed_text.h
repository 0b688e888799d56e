// The walk over a byte string that mixes single-byte characters with glyph-font characters.
#pragma once
#include "render/glyph_font.h"

// Every mixed-text line is this tall, whatever the single-byte font.
constexpr int MixedTextHeight = 16;

// What the walk needs from a drawing surface.
class MixedTextDevice {
public:
    // Width of one single-byte character; 0 when it cannot be measured.
    virtual int MeasureByte(char byte) = 0;
    virtual void DrawByte(int x, int y, char byte) = 0;
    // Copies the 16 x 16 glyph cell to (x, y).
    virtual void CopyGlyph(int x, int y, GlyphLocation cell) = 0;

protected:
    ~MixedTextDevice() = default;
};

// Both return the width of the text; drawing places glyph tops at y, single bytes at y + 1.
int MeasureMixedWidth(MixedTextDevice& device, const char* text);
int DrawMixedWidth(MixedTextDevice& device, int x, int y, const char* text);

// Length of text[0, length) without a double-byte character that the cut at length split.
int WholeCharacterLength(const char* text, int length);
