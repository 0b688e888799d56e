// The bilingual message box's arithmetic: window, buttons and text lines from measured sizes.
#pragma once
#include <cstddef>

struct BoxSize {
    int Width;
    int Height;
};

// A child window's place as MoveWindow takes it: client coordinates, then width and height.
struct BoxPlacement {
    int X;
    int Y;
    int Width;
    int Height;
};

struct MessageLayoutInput {
    BoxSize Chinese;        // MeasureMixedText of the Chinese line
    BoxSize English;        // text extent of the English line, 0 x 0 when absent or unmeasurable
    bool HasEnglish;        // the English line is non-empty (it is shown even when measured 0 x 0)
    bool HasFirstButton;    // the first button of the kind's pair exists
    BoxSize FirstButton;    // its client size
    int DialogFrame;        // SM_CXDLGFRAME
    int CaptionHeight;      // SM_CYCAPTION
    BoxSize Screen;         // SM_CXSCREEN, SM_CYSCREEN
    int Kind;               // MessageKind; any other non-zero value acts as MessageOkCancel
    std::size_t ChineseLength;  // bytes of the Chinese line
};

struct PlacedButton {
    int Id;
    BoxPlacement Place;
};

// The text lines span the client width, which is only known once the window has its size.
struct TextBand {
    int Top;
    int Height;
};

struct MessageLayout {
    BoxPlacement Window;       // screen position and outer size
    int ButtonCount;           // buttons shown, left to right; every other button stays hidden
    PlacedButton Buttons[2];
    TextBand ChineseLine;      // control 1013
    bool ShowEnglish;          // control 1028 shown; hidden otherwise
    TextBand EnglishLine;
};

MessageLayout LayOutMessageBox(const MessageLayoutInput& input);

// Ids that end any box with that id, whatever buttons its kind shows.
bool EndsMessageBox(int commandId);
