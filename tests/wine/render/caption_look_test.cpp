// Paints every caption of the wizard, message box and folder chooser onto one sheet and saves it as
// render_captions.png in the current folder, for a person to look at.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "png_file.h"
#include "render/glyph_font.h"
#include "render/owner_draw_win.h"
#include "render_canvas.h"
#include "resources/resource_ids.h"
#include "shell/messages.h"
#include "shell/setup_state_win.h"

namespace {

// The font image named by VOCALITH_FONT_IMAGE, else the build's ChnBmp.bin, else noise. The image
// fills the front of the buffer; the rest stays blank, as cells of all 1 bits draw nothing.
std::vector<unsigned char> LookFontImage() {
    std::string path;
    if (const char* named = std::getenv("VOCALITH_FONT_IMAGE")) {
        path = named;
    } else {
        path = std::string("Z:") + VOCALITH_BUILD_FONT_IMAGE;
    }
    std::vector<unsigned char> image(static_cast<std::size_t>(GlyphPageBytes) * GlyphPageCount, 0xFF);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return NoiseFontImage();
    const std::size_t read = std::fread(image.data(), 1, image.size(), file);
    std::fclose(file);
    return read > 0 ? image : NoiseFontImage();
}

struct SheetItem {
    int Id;
    int Page;
    RECT Rect;
};

TEST(CaptionLook, SavesThePaintedCaptions) {
    const std::vector<unsigned char> image = LookFontImage();
    const BuiltGlyphFont font(image);
    ASSERT_TRUE(font.Built());
    const HWND parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    DibCanvas sheet(600, 400, GetSysColor(COLOR_BTNFACE));
    const HDC dc = sheet.Dc();
    const HFONT dialogFont =
        CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    const HGDIOBJ previousFont = SelectObject(dc, dialogFont);

    const SheetItem items[] = {
        {IDC_BACK, PageLanguage, {10, 10, 112, 36}},
        {IDC_NEXT, PageOptions, {122, 10, 281, 36}},
        {IDCANCEL, PageOptions, {291, 10, 393, 36}},
        {IDC_BROWSE, PageOptions, {403, 10, 517, 36}},
        {IDC_NEXT, PageLicence, {122, 46, 281, 72}},
        {IDOK, PageOptions, {291, 46, 393, 72}},
        {IDYES, PageOptions, {403, 46, 490, 72}},
        {IDNO, PageOptions, {500, 46, 587, 72}},
        {IDC_INSTALL_DIR_LABEL, PageOptions, {10, 82, 292, 108}},
        {IDC_LANGUAGE_LABEL, PageOptions, {250, 82, 595, 108}},
        {IDC_BANNER_PRODUCT, PageOptions, {10, 118, 178, 144}},
        {IDC_BANNER_EDITION, PageOptions, {10, 148, 178, 174}},
        {IDC_BANNER_SETUP, PageOptions, {10, 178, 178, 204}},
        {IDC_DIRECTORIES_LABEL, PageOptions, {200, 118, 390, 144}},
        {IDC_DRIVES_LABEL, PageOptions, {400, 118, 590, 144}},
        {IDC_MSG_TEXT, PageOptions, {200, 150, 590, 190}},
    };
    for (const SheetItem& item : items) {
        const HWND button = CreateWindowA("BUTTON", OutOfMemoryMessage.Chinese, WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.Id)), nullptr,
                                          nullptr);
        ::Setup.WizardPage = item.Page;
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_BUTTON;
        request.CtlID = static_cast<UINT>(item.Id);
        request.itemAction = ODA_DRAWENTIRE;
        request.itemState = item.Id == IDC_BACK ? ODS_FOCUS : 0;
        request.hwndItem = button;
        request.hDC = dc;
        request.rcItem = item.Rect;
        DrawOwnerControl(&request);
        DestroyWindow(button);
    }
    ::Setup.WizardPage = PageOptions;

    int y = 215;
    for (int id : {IDC_DESKTOP_ICON, IDC_AUTOSTART}) {
        const HWND box = CreateWindowA("BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 330, 26, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        if (id == IDC_AUTOSTART) SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
        SetViewportOrgEx(dc, 12, y, nullptr);
        PaintOptionCheckBox(box, dc);
        SetViewportOrgEx(dc, 0, 0, nullptr);
        DestroyWindow(box);
        y += 32;
    }

    const HWND list = CreateWindowA("LISTBOX", "", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0, 316, 139,
                                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LICENCE_CN)), nullptr,
                                    nullptr);
    for (const char* line : {"最终用户许可协议：请仔细阅读。", "本软件受著作权法保护，版权所有。"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
    for (UINT index = 0; index < 2; ++index) {
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_LISTBOX;
        request.CtlID = IDC_LICENCE_CN;
        request.itemID = index;
        request.itemAction = ODA_DRAWENTIRE;
        request.hwndItem = list;
        request.hDC = dc;
        request.rcItem = RECT{10, 290 + 23 * static_cast<LONG>(index), 400, 313 + 23 * static_cast<LONG>(index)};
        DrawLicenceLine(&request, parent);
    }

    SelectObject(dc, previousFont);
    DeleteObject(dialogFont);
    DestroyWindow(parent);
    EXPECT_TRUE(WritePngFile("render_captions.png", sheet.Width(), sheet.Height(), sheet.Rgb()));
}

}  // namespace
