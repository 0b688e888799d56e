// Template 114 as stored in the program: header, and every control in tab order.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

// Reads the words of an extended dialog template.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* bytes) : bytes_(bytes) {}
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    // A string or, after 0xFFFF, an ordinal written as "#n".
    std::string StringOrOrdinal()
    {
        const WORD first = Word();
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        std::string text;
        for (WORD c = first; c != 0; c = Word()) text += c < 0x80 ? static_cast<char>(c) : '?';
        return text;
    }
    void AlignToDword() { offset_ = (offset_ + 3) & ~static_cast<size_t>(3); }

private:
    template <typename T> T Take()
    {
        T value;
        std::memcpy(&value, bytes_ + offset_, sizeof value);
        offset_ += sizeof value;
        return value;
    }
    const BYTE* bytes_;
    size_t offset_ = 0;
};

struct TemplateItem {
    int Id;
    const char* Class;
    DWORD Style;
    DWORD ExStyle;
    short X, Y, Width, Height;
    const char* Title = nullptr;  // checked where the text is shown or names a resource
};

// windres stores the class names as written, not as the predefined class ordinals.
const char* Button = "BUTTON";
const char* Edit = "EDIT";
const char* Static = "STATIC";
const char* ListBox = "LISTBOX";
const char* ComboBox = "COMBOBOX";

constexpr DWORD Child = WS_CHILD;
constexpr DWORD Shown = WS_CHILD | WS_VISIBLE;
constexpr DWORD OwnerDrawnLabel = Shown | WS_DISABLED | BS_OWNERDRAW;

const TemplateItem Expected[] = {
    {IDC_INSTALL_DIR, Edit, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 167, 43, 169, 12},
    {IDC_ENGLISH, Button, Child | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX, 0, 160, 154, 141, 16, "English"},
    {IDC_LICENCE_EN, Edit, Child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_READONLY | ES_MULTILINE, 0, 141, 11,
     296, 137},
    {IDC_LICENCE_CN, ListBox,
     Child | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOSEL | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED |
         LBS_NOTIFY,
     0, 136, 10, 316, 139},
    {IDC_BROWSE, Button, Shown | WS_TABSTOP | BS_OWNERDRAW, 0, 338, 42, 76, 16},
    {IDC_DESKTOP_ICON, Button, Shown | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX, 0, 167, 80, 220, 16},
    {IDC_AUTOSTART, Button, Shown | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX, 0, 167, 104, 220, 16},
    {IDC_INSTALL_DIR_LABEL, Button, OwnerDrawnLabel, 0, 167, 22, 188, 16},
    {IDC_BACK, Button, Shown | WS_TABSTOP | BS_OWNERDRAW, 0, 158, 176, 68, 16},
    {IDC_NEXT, Button, Shown | WS_TABSTOP | BS_OWNERDRAW, 0, 234, 176, 106, 16},
    {IDCANCEL, Button, Shown | WS_TABSTOP | BS_OWNERDRAW, 0, 348, 176, 68, 16},
    {IDC_BANNER_NAME, Static, Shown | WS_GROUP | SS_CENTER, 0, 8, 123, 112, 8, "Vocalith"},
    {IDC_BANNER_ICON, Static, Shown | SS_ICON, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, 51, 16, 20, 20, "#103"},
    {IDC_DIVIDER, Static, Shown | WS_BORDER, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 130, 22, 1, 178},
    {IDC_BANNER_INSTALLER, Static, Shown | WS_GROUP | SS_CENTER, 0, 8, 135, 112, 8, "Installer"},
    {IDC_BANNER_PRODUCT, Button, OwnerDrawnLabel, 0, 8, 62, 112, 16},
    {IDC_BANNER_EDITION, Button, OwnerDrawnLabel, 0, 8, 80, 112, 16},
    {IDC_BANNER_SETUP, Button, OwnerDrawnLabel, 0, 8, 98, 112, 16},
    {IDC_LANGUAGE_LABEL, Button, Child | WS_DISABLED | BS_OWNERDRAW, 0, 155, 80, 230, 16},
    {IDC_LANGUAGE, ComboBox, Child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST, 0,
     170, 62, 228, 136},
    {IDC_BANNER_BLANK, Button, OwnerDrawnLabel, 0, 8, 150, 112, 16},
    {IDC_WAIT_SLOT, Button, Child | WS_DISABLED | BS_OWNERDRAW, 0, 142, 174, 181, 16},
    {IDC_WEB_ADDRESS, Static, Shown | WS_GROUP | SS_CENTER, 0, 2, 205, 143, 8, "http://www.kelvu.example"},
    {IDC_PROGRESS, "MSCTLS_PROGRESS32", Child | WS_BORDER | PBS_SMOOTH, 0, 150, 195, 294, 14},
};

const BYTE* WizardTemplate()
{
    HRSRC found = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WIZARD), MAKEINTRESOURCEA(5));
    if (!found) return nullptr;
    return static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleA(nullptr), found)));
}

TEST(WizardTemplate, HeaderAsTheWizardNeedsIt)
{
    const BYTE* bytes = WizardTemplate();
    ASSERT_NE(nullptr, bytes);
    TemplateReader reader(bytes);
    EXPECT_EQ(1, reader.Word());
    EXPECT_EQ(0xFFFF, reader.Word()) << "an extended template";
    reader.Dword();  // help id
    EXPECT_EQ(0u, reader.Dword()) << "no extended style";
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT),
              reader.Dword());
    EXPECT_EQ(sizeof Expected / sizeof Expected[0], reader.Word());
    EXPECT_EQ(30, reader.Short());
    EXPECT_EQ(14, reader.Short());
    EXPECT_EQ(455, reader.Short());
    EXPECT_EQ(217, reader.Short());
    EXPECT_EQ("", reader.StringOrOrdinal()) << "no menu";
    EXPECT_EQ("", reader.StringOrOrdinal()) << "the dialog class";
    EXPECT_EQ("Vocalith Installer", reader.StringOrOrdinal());
    EXPECT_EQ(8, reader.Word());
    EXPECT_EQ(0, reader.Word()) << "weight";
    EXPECT_EQ(0, reader.Byte()) << "italic";
    EXPECT_EQ(1, reader.Byte()) << "character set";
    EXPECT_EQ("MS Sans Serif", reader.StringOrOrdinal());
}

TEST(WizardTemplate, ControlsInTabOrder)
{
    const BYTE* bytes = WizardTemplate();
    ASSERT_NE(nullptr, bytes);
    TemplateReader reader(bytes);
    for (int i = 0; i < 3; ++i) reader.Dword();
    reader.Dword();
    const WORD count = reader.Word();
    for (int i = 0; i < 4; ++i) reader.Short();
    for (int i = 0; i < 3; ++i) reader.StringOrOrdinal();
    reader.Word();
    reader.Word();
    reader.Word();
    reader.StringOrOrdinal();

    ASSERT_EQ(sizeof Expected / sizeof Expected[0], count);
    for (const TemplateItem& want : Expected) {
        reader.AlignToDword();
        reader.Dword();  // help id
        const DWORD exStyle = reader.Dword();
        const DWORD style = reader.Dword();
        const short x = reader.Short(), y = reader.Short(), width = reader.Short(), height = reader.Short();
        const DWORD id = reader.Dword();
        const std::string className = reader.StringOrOrdinal();
        const std::string title = reader.StringOrOrdinal();
        const WORD extra = reader.Word();
        for (WORD i = 0; i < extra; ++i) reader.Byte();

        SCOPED_TRACE("control " + std::to_string(want.Id));
        EXPECT_EQ(static_cast<DWORD>(want.Id), id);
        EXPECT_EQ(want.Class, className);
        EXPECT_EQ(want.Style, style) << std::hex << want.Style << " vs " << style;
        EXPECT_EQ(want.ExStyle, exStyle);
        EXPECT_EQ(want.X, x);
        EXPECT_EQ(want.Y, y);
        EXPECT_EQ(want.Width, width);
        EXPECT_EQ(want.Height, height);
        if (want.Title) {
            EXPECT_EQ(want.Title, title);
        }
    }
}

}  // namespace
