// Measuring and drawing byte strings that mix single-byte text with glyph-font characters.
#pragma once
#include <windows.h>

SIZE MeasureMixedText(HDC dc, const char* text);
SIZE DrawMixedText(HDC dc, int x, int y, const char* text);
