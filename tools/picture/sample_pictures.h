// The product's sample pictures: screens of Vocalith drawn for its guide.
#pragma once
#include <string>

#include "canvas.h"

// The picture called `name` (barmenu, ctrlmenu, desktop, taskicon, toolbar, welcome,
// product-icon).
// False for an unknown name.
bool DrawSamplePicture(const std::string& name, const GlyphMap& glyphs, Canvas& canvas);
