// TEMPORARY placeholders until render/ implements these; delete each as its real definition lands.
#include "render/glyph_pages_win.h"
#include "render/mixed_text_win.h"
#include "render/owner_draw_win.h"
bool BuildGlyphPages(const unsigned char*) { return true; }
void ReleaseGlyphPages() {}
SIZE MeasureMixedText(HDC, const char*) { return SIZE{0, 16}; }
SIZE DrawMixedText(HDC, int, int, const char*) { return SIZE{0, 16}; }
void DrawOwnerControl(const DRAWITEMSTRUCT*) {}
void DrawLicenceLine(const DRAWITEMSTRUCT*, HWND) {}
void PaintOptionCheckBox(HWND, HDC) {}
LRESULT CALLBACK CheckBoxProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }
