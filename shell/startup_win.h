// The start-up of the setup: system facts, glyph font, the wizard, and the run as a whole.
#pragma once
#include <windows.h>

// Bytes of the font work buffer; the glyph pages are cut from its first 241,664.
constexpr unsigned long FontBufferSize = 307200;

void RestrictDllSearchToSystem();
void RecordSystemFacts(HINSTANCE instance);
// True when the glyph pages are built; otherwise *exitCode is what the run ends with.
bool LoadGlyphFont(int* exitCode);
// The whole run after the DLL search is restricted; returns the exit code.
int RunSetup(HINSTANCE instance, HINSTANCE previousInstance);
