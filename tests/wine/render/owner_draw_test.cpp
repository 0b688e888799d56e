// The owner-drawn buttons and labels, licence lines and option check boxes, painted into DIB sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/mixed_text_win.h"
#include "render/owner_draw_win.h"
#include "render_canvas.h"
#include "resources/resource_ids.h"
#include "shell/setup_state_win.h"

namespace {

const COLORREF Untouched = RGB(255, 0, 255);
// Wide enough for every caption in the memory DC's default font, which is wider than a dialog's.
const RECT Item = {10, 10, 250, 36};
const int ItemWidth = Item.right - Item.left;

class OwnerDrawTest : public testing::Test {
protected:
    OwnerDrawTest()
        : image_(NoiseFontImage()), font_(image_),
          parent_(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 700, 200, nullptr, nullptr, nullptr, nullptr)) {}
    ~OwnerDrawTest() override {
        DestroyWindow(parent_);
        ::Setup.WizardPage = PageOptions;
    }
    void SetUp() override {
        ASSERT_TRUE(font_.Built());
        ASSERT_NE(parent_, nullptr);
        face_ = GetSysColor(COLOR_BTNFACE);
        light_ = GetSysColor(COLOR_BTNHIGHLIGHT);
        dark_ = GetSysColor(COLOR_BTNSHADOW);
        ASSERT_TRUE(face_ != light_ && face_ != dark_ && light_ != dark_ && dark_ != RGB(0, 0, 0));
    }

    HWND Child(const char* className, int id, DWORD style, const char* text, int width = 114, int height = 26) {
        return CreateWindowA(className, text, WS_CHILD | style, 0, 0, width, height, parent_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HWND Button(int id, const char* text = "", int width = ItemWidth) {
        return Child("BUTTON", id, BS_OWNERDRAW, text, width);
    }

    static DRAWITEMSTRUCT Request(HWND button, int id, HDC dc, UINT action, UINT state, RECT rect = Item) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(id);
        item.itemAction = action;
        item.itemState = state;
        item.hwndItem = button;
        item.hDC = dc;
        item.rcItem = rect;
        return item;
    }

    // Paints control id with the given window text onto a fresh canvas.
    void PaintButton(DibCanvas& canvas, int id, const char* text, UINT action, UINT state, RECT rect = Item) {
        const HWND button = Button(id, text, rect.right - rect.left);
        const DRAWITEMSTRUCT item = Request(button, id, canvas.Dc(), action, state, rect);
        DrawOwnerControl(&item);
        DestroyWindow(button);
    }

    std::vector<unsigned char> image_;
    BuiltGlyphFont font_;
    HWND parent_;
    COLORREF face_ = 0, light_ = 0, dark_ = 0;
};

// Probes away from the caption: rim, outer and inner bevel on each side, and the face inside.
TEST_F(OwnerDrawTest, RaisedFrameBevelsAndRimInSystemColours) {
    struct Case {
        int Id;
        bool Pressed;
    };
    const LONG l = Item.left, t = Item.top, r = Item.right, b = Item.bottom;
    for (const Case& c : {Case{IDC_BROWSE, false}, Case{IDC_BROWSE, true}, Case{IDC_NEXT, false},
                          Case{IDC_NEXT, true}, Case{IDCANCEL, false}}) {
        SCOPED_TRACE(testing::Message() << c.Id << (c.Pressed ? " pressed" : ""));
        DibCanvas canvas(270, 50, Untouched);
        PaintButton(canvas, c.Id, "", ODA_DRAWENTIRE, c.Pressed ? ODS_SELECTED : 0);
        const bool isDefault = c.Id == IDC_NEXT;
        const COLORREF first = c.Pressed ? dark_ : light_;
        const COLORREF second = c.Pressed ? light_ : dark_;
        const COLORREF black = RGB(0, 0, 0);
        struct Probe {
            const char* Where;
            LONG X, Y;
            COLORREF Expected;
        };
        const Probe probes[] = {
            {"left rim", l, t + 4, isDefault ? black : face_},
            {"left bevel", l + 1, t + 4, first},
            {"left inner bevel", l + 2, t + 4, first},
            {"top rim", l + 5, t, isDefault ? black : face_},
            {"top bevel", l + 5, t + 1, first},
            {"top inner bevel", l + 5, t + 2, first},
            {"right rim", r - 1, t + 4, isDefault ? black : second},
            {"right bevel", r - 2, t + 4, isDefault ? black : second},
            {"right inner bevel", r - 3, t + 4, second},
            {"bottom rim", l + 5, b - 1, isDefault ? black : second},
            {"bottom bevel", l + 5, b - 2, isDefault ? black : second},
            {"bottom inner bevel", l + 5, b - 3, second},
            {"face", l + 4, t + 4, face_},
        };
        for (const Probe& p : probes) EXPECT_EQ(canvas.Pixel(p.X, p.Y), p.Expected) << p.Where;
        EXPECT_TRUE(canvas.OnlyInside(Item, Untouched));
    }
}

TEST_F(OwnerDrawTest, LabelsHaveNoFrame) {
    DibCanvas canvas(270, 50, Untouched);
    PaintButton(canvas, IDC_BANNER_EDITION, "", ODA_DRAWENTIRE, 0);
    for (POINT p : {POINT{10, 14}, POINT{11, 14}, POINT{15, 11}, POINT{248, 14}, POINT{249, 14}, POINT{15, 35}}) {
        EXPECT_EQ(canvas.Pixel(p.x, p.y), face_) << p.x << "," << p.y;
    }
}

// Centred buttons shift their caption by (2, 1) when pressed; labels start at the left edge.
TEST_F(OwnerDrawTest, CaptionPlacedByTableAndPressedState) {
    struct Case {
        int Id;
        const char* Caption;
        std::uint16_t FirstGlyph;
        bool Centred;
        bool Pressed;
    };
    const Case cases[] = {
        {IDC_BROWSE, "改变 Browse ....", 0xB8C4, true, false},
        {IDC_BROWSE, "改变 Browse ....", 0xB8C4, true, true},
        {IDC_INSTALL_DIR_LABEL, "安装路径： (Install Path)", 0xB0B2, false, false},
        {IDC_BANNER_EDITION, "中文版", 0xD6D0, true, false},
        {4242, "确认 mine", 0xC8B7, true, false},  // any other id shows its window text
        {IDC_MSG_TEXT, "确认 mine", 0xC8B7, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Id << (c.Pressed ? " pressed" : ""));
        DibCanvas canvas(270, 50, Untouched);
        const int width = MeasureMixedText(canvas.Dc(), c.Caption).cx;
        PaintButton(canvas, c.Id, "确认 mine", ODA_DRAWENTIRE, c.Pressed ? ODS_SELECTED : 0);
        int x = Item.left + (c.Centred ? (ItemWidth - width) / 2 : 0);
        int y = Item.top + 5;
        if (c.Pressed) x += 2, y += 1;
        EXPECT_TRUE(GlyphDrawnAt(canvas, image_, x, y, c.FirstGlyph, face_));
    }
}

TEST_F(OwnerDrawTest, NextReadsAgreeInstallOnTheLicencePage) {
    for (int page : {PageOptions, PageLanguage, PageLicence, PageInstalling}) {
        ::Setup.WizardPage = page;
        const char* caption = page == PageLicence ? "同意/安装 Agree/Install" : "下一步 Next";
        DibCanvas canvas(270, 50, Untouched);
        const int x = Item.left + (ItemWidth - MeasureMixedText(canvas.Dc(), caption).cx) / 2;
        PaintButton(canvas, IDC_NEXT, "", ODA_DRAWENTIRE, 0);
        EXPECT_TRUE(GlyphDrawnAt(canvas, image_, x, Item.top + 5, page == PageLicence ? 0xCDAC : 0xCFC2, face_))
            << page;
    }
}

TEST_F(OwnerDrawTest, BlankBannerPaintsNothingAndWaitOnlyItsFill) {
    DibCanvas canvas(270, 50, Untouched);
    PaintButton(canvas, IDC_BANNER_BLANK, "text", ODA_DRAWENTIRE, ODS_FOCUS);
    PaintButton(canvas, IDC_BANNER_BLANK, "text", ODA_FOCUS, ODS_FOCUS);
    EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 0, 0}, Untouched));

    PaintButton(canvas, IDC_WAIT_SLOT, "text", ODA_DRAWENTIRE, 0);
    DibCanvas expected(270, 50, Untouched);
    expected.FillArea(Item, face_);
    EXPECT_TRUE(canvas.SameAs(expected));
}

TEST_F(OwnerDrawTest, FocusRectangleForEveryActionAndOnlyWithTheFocus) {
    DibCanvas expected(270, 50, Untouched);
    const RECT focus = {Item.left + 24, Item.top + 3, Item.right - 24, Item.bottom - 3};
    DrawFocusRect(expected.Dc(), &focus);

    DibCanvas canvas(270, 50, Untouched);
    PaintButton(canvas, IDC_BACK, "", ODA_FOCUS, ODS_FOCUS);
    EXPECT_TRUE(canvas.SameAs(expected));

    DibCanvas unfocused(270, 50, Untouched);
    PaintButton(unfocused, IDC_BACK, "", ODA_FOCUS, 0);
    EXPECT_TRUE(unfocused.OnlyInside(RECT{0, 0, 0, 0}, Untouched));

    // Over a full paint the rectangle inverts what is there: drawn again, it leaves the plain paint.
    DibCanvas plain(270, 50, Untouched);
    PaintButton(plain, IDC_BACK, "", ODA_DRAWENTIRE, 0);
    DibCanvas focused(270, 50, Untouched);
    PaintButton(focused, IDC_BACK, "", ODA_DRAWENTIRE, ODS_FOCUS);
    EXPECT_FALSE(focused.SameAs(plain));
    DrawFocusRect(focused.Dc(), &focus);
    EXPECT_TRUE(focused.SameAs(plain));
}

TEST_F(OwnerDrawTest, OnlyButtonRequestsArePainted) {
    DibCanvas canvas(270, 50, Untouched);
    const HWND button = Button(IDC_BACK);
    DRAWITEMSTRUCT item = Request(button, IDC_BACK, canvas.Dc(), ODA_DRAWENTIRE, ODS_FOCUS);
    item.CtlType = ODT_STATIC;
    DrawOwnerControl(&item);
    EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 0, 0}, Untouched));
}

TEST_F(OwnerDrawTest, LeavesTheDcAsItFoundIt) {
    DibCanvas canvas(270, 50, Untouched);
    const HDC dc = canvas.Dc();
    const HPEN pen = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
    const HGDIOBJ original = SelectObject(dc, pen);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(0, 0, 0));
    for (int id : {IDC_NEXT, IDC_BACK, IDC_INSTALL_DIR_LABEL}) {
        PaintButton(canvas, id, "", ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen) << id;
        EXPECT_EQ(GetBkMode(dc), OPAQUE) << id;
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0)) << id;
    }
    SelectObject(dc, original);
    DeleteObject(pen);
}

// A window text over the limit loses the character that the limit splits; a naive cut would pair
// the lone lead byte with the terminator and draw one more glyph.
TEST_F(OwnerDrawTest, WindowTextCaptionIsCutAt79BytesOnACharacterBoundary) {
    const std::string before(78, 'i');
    const RECT wide = {0, 0, 500, 26};
    DibCanvas cut(500, 30, Untouched), whole(500, 30, Untouched), naive(500, 30, Untouched);
    PaintButton(cut, IDC_MSG_TEXT, (before + "啊zz").c_str(), ODA_DRAWENTIRE, 0, wide);
    PaintButton(whole, IDC_MSG_TEXT, before.c_str(), ODA_DRAWENTIRE, 0, wide);
    PaintButton(naive, IDC_MSG_TEXT, (before + "\xB0").c_str(), ODA_DRAWENTIRE, 0, wide);
    EXPECT_TRUE(cut.SameAs(whole));
    EXPECT_FALSE(cut.SameAs(naive));

    DibCanvas exact(500, 30, Untouched), exactExpected(500, 30, Untouched);
    PaintButton(exact, 4242, (std::string(77, 'i') + "啊zz").c_str(), ODA_DRAWENTIRE, 0, wide);
    PaintButton(exactExpected, 4242, (std::string(77, 'i') + "啊").c_str(), ODA_DRAWENTIRE, 0, wide);
    EXPECT_TRUE(exact.SameAs(exactExpected));
}

class LicenceLineTest : public OwnerDrawTest {
protected:
    void SetUp() override {
        OwnerDrawTest::SetUp();
        list_ = Child("LISTBOX", IDC_LICENCE_CN, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOSEL, "", 316, 139);
        ASSERT_NE(list_, nullptr);
        window_ = GetSysColor(COLOR_WINDOW);
    }
    void AddLine(const std::string& line) {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    void Paint(DibCanvas& canvas, UINT index, RECT rect) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_LISTBOX;
        item.CtlID = IDC_LICENCE_CN;
        item.itemID = index;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = ODS_FOCUS | ODS_SELECTED;
        item.hwndItem = list_;
        item.hDC = canvas.Dc();
        item.rcItem = rect;
        DrawLicenceLine(&item, parent_);
    }
    HWND list_ = nullptr;
    COLORREF window_ = 0;
};

TEST_F(LicenceLineTest, LineDrawnTwoPixelsInInBlackOnTheWindowColour) {
    AddLine("啊确 licence");
    DibCanvas canvas(320, 40, Untouched);
    const HDC dc = canvas.Dc();
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, RGB(0, 255, 0));
    SetBkMode(dc, OPAQUE);
    const RECT line = {10, 10, 300, 33};
    Paint(canvas, 0, line);
    EXPECT_TRUE(GlyphDrawnAt(canvas, image_, 12, 12, 0xB0A1, window_));
    EXPECT_TRUE(GlyphDrawnAt(canvas, image_, 28, 12, 0xC8B7, window_));
    EXPECT_TRUE(canvas.OnlyInside(line, Untouched));
    EXPECT_EQ(canvas.Pixel(10, 10), window_);
    EXPECT_EQ(canvas.Pixel(299, 32), window_);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 255, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
}

TEST_F(LicenceLineTest, ItemsPastTheEndGetTheFillOnly) {
    const RECT line = {10, 10, 300, 33};
    DibCanvas expected(320, 40, Untouched);
    expected.FillArea(line, window_);
    for (int lines : {0, 1}) {
        if (lines == 1) AddLine("啊确 licence");
        for (UINT index : {static_cast<UINT>(-1), static_cast<UINT>(lines)}) {
            DibCanvas canvas(320, 40, Untouched);
            Paint(canvas, index, line);
            EXPECT_TRUE(canvas.SameAs(expected)) << lines << " lines, item " << index;
        }
    }
}

// 'a' and 130 double-byte characters: 261 bytes. The line keeps 259 bytes, 'a' and 129 of them.
TEST_F(LicenceLineTest, LongLineIsCutBeforeTheSplitCharacter) {
    std::string longLine = "a";
    for (int i = 0; i < 130; ++i) longLine += "啊";
    AddLine(longLine);
    const RECT line = {0, 0, 2200, 23};
    DibCanvas canvas(2200, 24, Untouched);
    Paint(canvas, 0, line);

    DibCanvas expected(2200, 24, Untouched);
    expected.FillArea(line, window_);
    SetBkColor(expected.Dc(), window_);
    DrawMixedText(expected.Dc(), 2, 2, longLine.substr(0, 259).c_str());
    EXPECT_TRUE(canvas.SameAs(expected));
    DrawMixedText(expected.Dc(), 2, 2, longLine.substr(0, 261).c_str());
    EXPECT_FALSE(canvas.SameAs(expected));
}

class CheckBoxTest : public OwnerDrawTest {
protected:
    HWND CheckBox(int id, const char* text = "", int width = 330) {
        return Child("BUTTON", id, BS_AUTOCHECKBOX | BS_NOTIFY, text, width, 26);
    }
};

TEST_F(CheckBoxTest, BoxAndCaptionAtTheirPlaces) {
    const HWND box = CheckBox(IDC_DESKTOP_ICON, "template text");
    DibCanvas plain(340, 30, Untouched);
    PaintOptionCheckBox(box, plain.Dc());
    EXPECT_TRUE(GlyphDrawnAt(plain, image_, 32, 1, 0xBDA8, face_));  // 建
    EXPECT_EQ(plain.Pixel(0, 0), face_);
    EXPECT_EQ(plain.Pixel(339, 27), Untouched);
    EXPECT_EQ(plain.Pixel(331, 27), face_);

    const RECT boxRect = {2, 4, 17, 18};
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    DibCanvas ticked(340, 30, Untouched);
    PaintOptionCheckBox(box, ticked.Dc());
    EXPECT_TRUE(DifferOnlyInside(plain, ticked, boxRect));

    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    EnableWindow(box, FALSE);
    DibCanvas disabled(340, 30, Untouched);
    PaintOptionCheckBox(box, disabled.Dc());
    EXPECT_TRUE(DifferOnlyInside(plain, disabled, boxRect));

    const HWND autostart = CheckBox(IDC_AUTOSTART);
    DibCanvas second(340, 30, Untouched);
    PaintOptionCheckBox(autostart, second.Dc());
    EXPECT_TRUE(GlyphDrawnAt(second, image_, 32, 1, 0xBFAA, face_));  // 开
}

TEST_F(CheckBoxTest, OtherCheckBoxesShowTheirWindowTextCutAt126Bytes) {
    const std::string before(125, 'i');
    DibCanvas cut(640, 30, Untouched), whole(640, 30, Untouched);
    PaintOptionCheckBox(CheckBox(4343, (before + "啊zz").c_str(), 600), cut.Dc());
    PaintOptionCheckBox(CheckBox(4344, before.c_str(), 600), whole.Dc());
    EXPECT_TRUE(cut.SameAs(whole));

    DibCanvas chinese(640, 30, Untouched);
    PaintOptionCheckBox(CheckBox(4345, "确认"), chinese.Dc());
    EXPECT_TRUE(GlyphDrawnAt(chinese, image_, 32, 1, 0xC8B7, face_));
}

// Copies what the window shows on screen.
void CaptureWindow(HWND window, DibCanvas& canvas) {
    const HDC screen = GetDC(window);
    BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
}

// The class procedure keeps the clicking; the painting on screen is PaintOptionCheckBox's.
TEST_F(CheckBoxTest, SubclassedBoxPaintsItselfAndStillToggles) {
    const HWND top = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 60, nullptr, nullptr, nullptr,
                                   nullptr);
    const HWND box = CreateWindowA("BUTTON", "template text", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 330, 26,
                                   top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DESKTOP_ICON)), nullptr,
                                   nullptr);
    ASSERT_NE(box, nullptr);
    ::Setup.ButtonClassProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckBoxProc)));
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    DibCanvas shown(330, 26, Untouched), painted(330, 26, Untouched);
    CaptureWindow(box, shown);
    PaintOptionCheckBox(box, painted.Dc());
    EXPECT_TRUE(shown.SameAs(painted));

    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    RECT update;
    EXPECT_TRUE(GetUpdateRect(box, &update, FALSE));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    UpdateWindow(box);
    DibCanvas shownTicked(330, 26, Untouched), paintedTicked(330, 26, Untouched);
    CaptureWindow(box, shownTicked);
    PaintOptionCheckBox(box, paintedTicked.Dc());
    EXPECT_TRUE(shownTicked.SameAs(paintedTicked));
    EXPECT_FALSE(shownTicked.SameAs(shown));

    DestroyWindow(top);
    ::Setup.ButtonClassProc = nullptr;
}

}  // namespace
