// Scenes of the sample pictures: reading bar, control menu, desktop, tray, toolbar, welcome.
#include "sample_pictures.h"

#include <vector>

namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Face{212, 208, 200};
constexpr Rgb Shadow{128, 128, 128};
constexpr Rgb Navy{10, 36, 106};
constexpr Rgb Sky{166, 202, 240};
constexpr Rgb Teal{0, 128, 128};
constexpr Rgb Amber{240, 170, 40};
constexpr Rgb Leaf{60, 160, 80};
constexpr Rgb Berry{190, 40, 70};

// A classic raised window with a gradient caption bar.
void Window(Canvas& c, const GlyphMap& g, int x, int y, int w, int h, const std::u32string& title) {
  c.FillRect(x, y, w, h, Face);
  c.FrameRect(x, y, w, h, Shadow);
  c.FrameRect(x + 1, y + 1, w - 2, h - 2, White);
  c.VerticalGradient(x + 3, y + 3, w - 6, 20, Navy, Sky);
  c.Text(g, x + 8, y + 5, title, 1, White);
  c.FillRect(x + w - 21, y + 6, 14, 14, Face);
  c.Text(g, x + w - 18, y + 5, U"x", 1, Black);
}

// A speaker: the product's mark.
void Speaker(Canvas& c, int x, int y, int size, Rgb colour) {
  c.FillRect(x, y + size / 3, size / 3, size / 3, colour);
  c.FillTriangle(x + size / 3, y + size / 3, x + 2 * size / 3, y, x + 2 * size / 3, y + size, colour);
  c.FillTriangle(x + size / 3, y + 2 * size / 3, x + 2 * size / 3, y + size, x + size / 3, y + size / 3, colour);
  c.FillRect(x + 3 * size / 4, y + size / 3, size / 10 + 1, size / 3, colour);
  c.FillRect(x + 7 * size / 8, y + size / 5, size / 10 + 1, 3 * size / 5, colour);
}

void MenuList(Canvas& c, const GlyphMap& g, int x, int y, int w, const std::vector<std::u32string>& items, int selected) {
  const int h = 20 * static_cast<int>(items.size()) + 6;
  c.FillRect(x, y, w, h, Face);
  c.FrameRect(x, y, w, h, Shadow);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int top = y + 3 + 20 * static_cast<int>(i);
    if (static_cast<int>(i) == selected) c.FillRect(x + 3, top, w - 6, 20, Navy);
    c.Text(g, x + 28, top + 2, items[i], 1, static_cast<int>(i) == selected ? White : Black);
  }
}

void BarMenu(Canvas& c, const GlyphMap& g) {
  c.VerticalGradient(0, 0, c.Width(), c.Height(), Sky, White);
  Window(c, g, 10, 10, 300, 56, U"Vocalith reading bar");
  Speaker(c, 18, 36, 24, Teal);
  c.Text(g, 50, 40, U"Read  Stop  Voice  Options", 1, Black);
  MenuList(c, g, 90, 62, 180, {U"Read aloud", U"Read selection", U"Stop reading", U"Voice...", U"Exit"}, 1);
}

void ControlMenu(Canvas& c, const GlyphMap& g) {
  MenuList(c, g, 8, 8, c.Width() - 16, {U"Play", U"Pause", U"Faster", U"Slower", U"Louder", U"Softer", U"朗读 Read"}, 0);
  const Rgb marks[] = {Leaf, Amber, Teal, Teal, Berry, Berry, Navy};
  for (int i = 0; i < 7; ++i) c.FillCircle(24, 21 + 20 * i, 6, marks[i]);
}

void Desktop(Canvas& c, const GlyphMap& g) {
  c.VerticalGradient(0, 0, c.Width(), c.Height() - 28, Teal, Sky);
  c.Wave(0, c.Width(), c.Height() / 2, 30, 160, 6, {120, 200, 200});
  const std::u32string labels[] = {U"Vocalith", U"Documents", U"Recycle Bin"};
  for (int i = 0; i < 3; ++i) {
    const int top = 16 + 70 * i;
    c.FillRect(22, top, 36, 36, i == 0 ? Face : White);
    c.FrameRect(22, top, 36, 36, Shadow);
    if (i == 0) Speaker(c, 28, top + 6, 24, Teal);
    c.Text(g, 8, top + 40, labels[i], 1, White);
  }
  c.FillRect(0, c.Height() - 28, c.Width(), 28, Face);
  c.FillRect(0, c.Height() - 28, c.Width(), 1, White);
  c.FillRect(3, c.Height() - 24, 60, 21, Face);
  c.FrameRect(3, c.Height() - 24, 60, 21, Shadow);
  c.Text(g, 14, c.Height() - 22, U"Start", 1, Black);
}

void TaskIcon(Canvas& c, const GlyphMap& g) {
  c.VerticalGradient(0, 0, c.Width(), c.Height(), Sky, White);
  c.FillRect(0, c.Height() - 32, c.Width(), 32, Face);
  c.FillRect(0, c.Height() - 32, c.Width(), 1, White);
  c.FrameRect(c.Width() - 120, c.Height() - 28, 116, 24, Shadow);
  Speaker(c, c.Width() - 112, c.Height() - 24, 16, Teal);
  c.FillCircle(c.Width() - 76, c.Height() - 16, 7, Leaf);
  c.Text(g, c.Width() - 60, c.Height() - 24, U"9:41", 1, Black);
  c.FillRect(c.Width() - 200, 20, 160, 40, {255, 255, 225});
  c.FrameRect(c.Width() - 200, 20, 160, 40, Black);
  c.Text(g, c.Width() - 192, 24, U"Vocalith", 1, Black);
  c.Text(g, c.Width() - 192, 40, U"沃卡里 is reading", 1, Black);
}

void Toolbar(Canvas& c, const GlyphMap& g) {
  c.VerticalGradient(0, 0, c.Width(), c.Height(), White, Face);
  const std::u32string labels[] = {U"Open", U"Read", U"Pause", U"Stop", U"Voice", U"Help"};
  const Rgb marks[] = {Amber, Leaf, Amber, Berry, Teal, Navy};
  for (int i = 0; i < 6; ++i) {
    const int left = 6 + 78 * i;
    c.FillRect(left, 6, 72, c.Height() - 12, Face);
    c.FrameRect(left, 6, 72, c.Height() - 12, Shadow);
    c.FillRect(left, 6, 72, 1, White);
    c.FillCircle(left + 36, 24, 11, marks[i]);
    c.Text(g, left + 36 - 4 * static_cast<int>(labels[i].size()), c.Height() - 26, labels[i], 1, Black);
  }
}

void Welcome(Canvas& c, const GlyphMap& g) {
  c.VerticalGradient(0, 0, c.Width(), c.Height(), Navy, Teal);
  for (int i = 0; i < 4; ++i) c.Wave(0, c.Width(), 200 + 14 * i, 18 - 3 * i, 120 + 40 * i, 3, {90, 170, 200});
  Speaker(c, 30, 40, 72, White);
  c.Text(g, 120, 40, U"Vocalith", 4, White);
  c.Text(g, 124, 112, U"欢迎使用沃卡里", 2, Amber);
  c.Text(g, 124, 152, U"Welcome to Kelvu Vocalith", 1, White);
}

// The product programs' icon: the speaker on a teal tile.
void ProductIcon(Canvas& c, const GlyphMap&) {
  const int size = c.Width();
  c.VerticalGradient(0, 0, size, size, Sky, Teal);
  c.FrameRect(0, 0, size, size, Navy);
  Speaker(c, size / 8, size / 8, 3 * size / 4, White);
}

}  // namespace

bool DrawSamplePicture(const std::string& name, const GlyphMap& glyphs, Canvas& canvas) {
  if (name == "barmenu") BarMenu(canvas, glyphs);
  else if (name == "ctrlmenu") ControlMenu(canvas, glyphs);
  else if (name == "desktop") Desktop(canvas, glyphs);
  else if (name == "taskicon") TaskIcon(canvas, glyphs);
  else if (name == "toolbar") Toolbar(canvas, glyphs);
  else if (name == "welcome") Welcome(canvas, glyphs);
  else if (name == "product-icon") ProductIcon(canvas, glyphs);
  else return false;
  return true;
}
