// Where the painters put captions, frames, boxes and focus rectangles.
#pragma once
#include "render/captions.h"

struct PixelPoint {
    int X;
    int Y;
};

// Right and bottom are exclusive.
struct PixelRect {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

PixelPoint CaptionPosition(PixelRect item, int captionWidth, CaptionPlacement placement, bool pressed);
PixelRect ControlFocusRect(PixelRect item);

// The raised frame as pen strokes: a move to Points[0], then lines through the rest, each line
// stopping short of its end point.
enum class FramePen { First, Second, Black };

struct FrameStroke {
    FramePen Pen;
    int PointCount;
    PixelPoint Points[5];
};

struct FrameStrokes {
    int Count;
    FrameStroke Strokes[6];
};

FrameStrokes RaisedFrameStrokes(PixelRect item, bool defaultFrame);

struct CheckBoxLayout {
    PixelRect Fill;
    PixelRect Box;
    PixelPoint Caption;
};

CheckBoxLayout LayOutCheckBox(PixelRect client);
PixelRect CheckBoxFocusRect(PixelPoint caption, int captionWidth);
