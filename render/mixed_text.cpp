// Measuring and drawing mixed single-byte and glyph-font text, one character at a time.
#include "render/mixed_text.h"

#include <cstring>

namespace {

// Every byte from 0x80 starts a two-byte character, whatever the system's code page, so that the
// Chinese shows from the glyph font everywhere.
bool StartsDoubleByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

std::uint16_t DoubleByteCode(const char* at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(at[0]) << 8 | static_cast<unsigned char>(at[1]));
}

constexpr int DoubleByteAdvance = 16;

}  // namespace

// A lead byte at the very end pairs with the terminating NUL; the walk stops there. A null text is
// empty, as for lstrlenA.
int MeasureMixedWidth(MixedTextDevice& device, const char* text) {
    const std::size_t length = text != nullptr ? std::strlen(text) : 0;
    int width = 0;
    for (std::size_t i = 0; i < length;) {
        if (StartsDoubleByte(text[i])) {
            width += DoubleByteAdvance;
            i += 2;
        } else {
            width += device.MeasureByte(text[i]);
            i += 1;
        }
    }
    return width;
}

int DrawMixedWidth(MixedTextDevice& device, int x, int y, const char* text) {
    const std::size_t length = text != nullptr ? std::strlen(text) : 0;
    int pen = x;
    for (std::size_t i = 0; i < length;) {
        if (StartsDoubleByte(text[i])) {
            device.CopyGlyph(pen, y, LocateGlyph(DoubleByteCode(text + i)));
            pen += DoubleByteAdvance;
            i += 2;
        } else {
            const int advance = device.MeasureByte(text[i]);
            device.DrawByte(pen, y + 1, text[i]);
            pen += advance;
            i += 1;
        }
    }
    return pen - x;
}

int WholeCharacterLength(const char* text, int length) {
    int i = 0;
    while (i < length) {
        const int step = StartsDoubleByte(text[i]) ? 2 : 1;
        if (i + step > length) break;
        i += step;
    }
    return i;
}
