// The glyph pages: the font image held as four monochrome bitmaps in memory DCs (Setup.GlyphFont).
#pragma once

// image: the inflated font buffer, at least 241,664 readable bytes. False when a page cannot be made.
bool BuildGlyphPages(const unsigned char* image);
// Releases whatever BuildGlyphPages made, a partial build included.
void ReleaseGlyphPages();
