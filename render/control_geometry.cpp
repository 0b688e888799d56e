// Geometry of the owner-drawn buttons and labels and of the option check boxes.
#include "render/control_geometry.h"

#include "render/mixed_text.h"

// Captions are centred vertically always; a pressed button shifts its caption down and right.
// A caption wider than the control starts left of it and is clipped by the device context.
PixelPoint CaptionPosition(PixelRect item, int captionWidth, CaptionPlacement placement, bool pressed) {
    PixelPoint at{item.Left, item.Top + (item.Bottom - item.Top - MixedTextHeight) / 2};
    if (placement == CaptionPlacement::Centred) at.X += (item.Right - item.Left - captionWidth) / 2;
    if (pressed) {
        at.X += 2;
        at.Y += 1;
    }
    return at;
}

PixelRect ControlFocusRect(PixelRect item) {
    const int dx = (item.Right - item.Left) / 10;
    const int dy = (item.Bottom - item.Top) / 8;
    return PixelRect{item.Left + dx, item.Top + dy, item.Right - dx, item.Bottom - dy};
}

// Two bevels, the second one pixel inside the first: left and top in the first pen, right and
// bottom in the second. Then the rim: bottom and right in the second pen, or for the default
// command a black rectangle with a second black line inside its bottom and right edges.
FrameStrokes RaisedFrameStrokes(PixelRect item, bool defaultFrame) {
    const int l = item.Left, t = item.Top, r = item.Right, b = item.Bottom;
    FrameStrokes frame{};
    auto add = [&frame](FrameStroke stroke) { frame.Strokes[frame.Count++] = stroke; };
    for (int i = 1; i <= 2; ++i) {
        add({FramePen::First, 3, {{l + i, b - i - 1}, {l + i, t + i}, {r - i - 1, t + i}}});
        add({FramePen::Second, 3, {{r - i - 1, t + i}, {r - i - 1, b - i - 1}, {l + i, b - i - 1}}});
    }
    if (defaultFrame) {
        add({FramePen::Black, 5, {{l, b - 1}, {l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}}});
        add({FramePen::Black, 3, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}}});
    } else {
        add({FramePen::Second, 3, {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t}}});
    }
    return frame;
}

// The client rectangle grown by 2 is filled; the box starts as the square at its left and is
// shrunk to the size of a check box; the caption starts one box width right of the box.
CheckBoxLayout LayOutCheckBox(PixelRect client) {
    const PixelRect fill{client.Left - 2, client.Top - 2, client.Right + 2, client.Bottom + 2};
    const int h = fill.Bottom - fill.Top;
    PixelRect box{fill.Left + h / 4, fill.Top + h / 4, fill.Left + h - h / 4, fill.Bottom - h / 4};
    box.Top -= 1;
    box.Left -= h / 8;
    box.Right -= h / 7;
    box.Bottom -= 3;
    return CheckBoxLayout{fill, box, PixelPoint{2 * box.Right - box.Left, fill.Top + 3}};
}

// The caption's rectangle (x, y, x + width + 2, y + 17) grown by 1.
PixelRect CheckBoxFocusRect(PixelPoint caption, int captionWidth) {
    return PixelRect{caption.X - 1, caption.Y - 1, caption.X + captionWidth + 3, caption.Y + 18};
}
