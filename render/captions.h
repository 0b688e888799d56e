// The captions of the owner-drawn controls and option check boxes, by control id.
#pragma once

enum class CaptionSource {
    Fixed,       // Text below
    WindowText,  // the control's own window text
    Nothing,     // the control is never painted
};

enum class CaptionPlacement { Centred, Left };

struct ControlCaption {
    CaptionSource Source;
    const char* Text;
    CaptionPlacement Placement;
    bool RaisedFrame;
    bool DefaultFrame;
};

ControlCaption CaptionOfControl(int id, int wizardPage);
// Null for a check box that shows its window text.
const char* CaptionOfCheckBox(int id);

// Window texts shown as captions are cut to these many bytes.
constexpr int ControlTextLimit = 79;
constexpr int CheckBoxTextLimit = 126;
