// Painting the owner-drawn buttons and labels, the Chinese licence lines and the option check boxes.
#include "render/owner_draw_win.h"

#include <cstring>
#include <memory>
#include <new>

#include "render/captions.h"
#include "render/control_geometry.h"
#include "render/gdi_scope_win.h"
#include "render/mixed_text.h"
#include "render/mixed_text_win.h"
#include "resources/resource_ids.h"
#include "shell/setup_state_win.h"

namespace {

constexpr int CaptionCapacity = 128;
constexpr int LicenceLineCapacity = 260;

PixelRect ToPixelRect(const RECT& rect) { return PixelRect{rect.left, rect.top, rect.right, rect.bottom}; }
RECT ToRect(const PixelRect& rect) { return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}; }

HBRUSH SystemBrush(int colourIndex) { return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(colourIndex + 1)); }

void DrawFocus(HDC dc, const PixelRect& rect) {
    const RECT focus = ToRect(rect);
    DrawFocusRect(dc, &focus);
}

// At most limit bytes of the window text; a double-byte character that the limit cuts is left out.
const char* ReadWindowCaption(HWND window, char (&buffer)[CaptionCapacity], int limit) {
    int length = GetWindowTextA(window, buffer, limit + 1);
    if (length < 0) length = 0;
    if (GetWindowTextLengthA(window) > length) length = WholeCharacterLength(buffer, length);
    buffer[length] = '\0';
    return buffer;
}

// Light on the top and left, dark on the bottom and right; swapped while the button is pressed.
void DrawRaisedFrame(HDC dc, const PixelRect& item, bool pressed, bool defaultFrame) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const OwnedPen first(pressed ? dark : light);
    const OwnedPen second(pressed ? light : dark);
    const ScopedSelection keptPen(dc, first.Get());
    const FrameStrokes frame = RaisedFrameStrokes(item, defaultFrame);
    for (int s = 0; s < frame.Count; ++s) {
        const FrameStroke& stroke = frame.Strokes[s];
        switch (stroke.Pen) {
        case FramePen::First: SelectObject(dc, first.Get()); break;
        case FramePen::Second: SelectObject(dc, second.Get()); break;
        case FramePen::Black: SelectObject(dc, GetStockObject(BLACK_PEN)); break;
        }
        MoveToEx(dc, stroke.Points[0].X, stroke.Points[0].Y, nullptr);
        for (int p = 1; p < stroke.PointCount; ++p) LineTo(dc, stroke.Points[p].X, stroke.Points[p].Y);
    }
}

void PaintControlFace(const DRAWITEMSTRUCT& item, const ControlCaption& caption) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const PixelRect rect = ToPixelRect(item.rcItem);
    FillRect(item.hDC, &item.rcItem, SystemBrush(COLOR_BTNFACE));
    if (caption.RaisedFrame) DrawRaisedFrame(item.hDC, rect, pressed, caption.DefaultFrame);
    char buffer[CaptionCapacity];
    const char* text = caption.Source == CaptionSource::WindowText
                           ? ReadWindowCaption(item.hwndItem, buffer, ControlTextLimit)
                           : caption.Text;
    const SIZE size = MeasureMixedText(item.hDC, text);
    const PixelPoint at = CaptionPosition(rect, size.cx, caption.Placement, pressed);
    DrawMixedText(item.hDC, at.X, at.Y, text);
}

// A line longer than the buffer is read whole into a temporary buffer and cut there.
void ReadLicenceLine(HWND list, UINT index, char (&line)[LicenceLineCapacity]) {
    line[0] = '\0';
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length < 0) return;
    if (length < LicenceLineCapacity) {
        const LRESULT read = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line));
        line[read > 0 ? read : 0] = '\0';
        return;
    }
    const std::unique_ptr<char[]> whole(new (std::nothrow) char[length + 1]);
    if (whole == nullptr) return;
    LRESULT read = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(whole.get()));
    if (read < 0) read = 0;
    int kept = static_cast<int>(read < length ? read : length);
    if (kept >= LicenceLineCapacity) kept = WholeCharacterLength(whole.get(), LicenceLineCapacity - 1);
    std::memcpy(line, whole.get(), kept);
    line[kept] = '\0';
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        PaintOptionCheckBox(window, dc);
        EndPaint(window, &paint);
    }
    return 0;
}

}  // namespace

// Labels are disabled in the templates but draw like enabled controls: the disabled state is not
// looked at. The focus rectangle is drawn for every action, so a focus-only request toggles it.
void DrawOwnerControl(const DRAWITEMSTRUCT* item) {
    if (item->CtlType != ODT_BUTTON) return;
    const ControlCaption caption = CaptionOfControl(static_cast<int>(item->CtlID), Setup.WizardPage);
    if (caption.Source == CaptionSource::Nothing) return;
    if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) PaintControlFace(*item, caption);
    if (item->itemState & ODS_FOCUS) DrawFocus(item->hDC, ControlFocusRect(ToPixelRect(item->rcItem)));
}

// Lines have no selection colour and no focus rectangle; an item past the list's end (an empty
// list asks for item -1) gets the fill alone.
void DrawLicenceLine(const DRAWITEMSTRUCT* item, HWND dialog) {
    const HDC dc = item->hDC;
    const SavedDcState saved(dc);
    RECT box = item->rcItem;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    FillRect(dc, &box, SystemBrush(COLOR_WINDOW));
    const HWND list = GetDlgItem(dialog, IDC_LICENCE_CN);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count <= 0 || item->itemID >= static_cast<UINT>(count)) return;
    InflateRect(&box, -2, -2);
    char line[LicenceLineCapacity];
    ReadLicenceLine(list, item->itemID, line);
    DrawMixedText(dc, box.left, box.top, line);
}

void PaintOptionCheckBox(HWND window, HDC dc) {
    const bool ticked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    RECT client;
    GetClientRect(window, &client);
    const CheckBoxLayout layout = LayOutCheckBox(ToPixelRect(client));
    const RECT fill = ToRect(layout.Fill);
    FillRect(dc, &fill, SystemBrush(COLOR_BTNFACE));
    UINT state = DFCS_BUTTONCHECK;
    if (ticked) state |= DFCS_CHECKED;
    if (!IsWindowEnabled(window)) state |= DFCS_INACTIVE;
    RECT box = ToRect(layout.Box);
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    char buffer[CaptionCapacity];
    const char* caption = CaptionOfCheckBox(GetDlgCtrlID(window));
    if (caption == nullptr) caption = ReadWindowCaption(window, buffer, CheckBoxTextLimit);
    const SIZE size = MeasureMixedText(dc, caption);
    DrawMixedText(dc, layout.Caption.X, layout.Caption.Y, caption);
    if (GetFocus() == window) DrawFocus(dc, CheckBoxFocusRect(layout.Caption, size.cx));
}

// The class procedure keeps mouse, keyboard, focus and BM_ messages but never sees WM_PAINT. It
// paints the plain box itself on a mouse press, so the press invalidates for a repaint of ours.
LRESULT CALLBACK CheckBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return OnPaint(window);
    case WM_LBUTTONDOWN: InvalidateRect(window, nullptr, TRUE); break;
    default: break;
    }
    return CallWindowProcA(Setup.ButtonClassProc, window, message, wParam, lParam);
}
