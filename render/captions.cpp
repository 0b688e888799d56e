// The one table of captions: every bilingual text the painters put on a control.
#include "render/captions.h"

#include "resources/resource_ids.h"
#include "shell/wizard_state.h"

namespace {

struct CaptionEntry {
    int Id;
    CaptionSource Source;
    const char* Text;
    CaptionPlacement Placement;
    bool RaisedFrame;
};

constexpr auto Fixed = CaptionSource::Fixed;
constexpr auto Centred = CaptionPlacement::Centred;
constexpr auto Left = CaptionPlacement::Left;

constexpr const char NextCaption[] = "下一步 Next";
constexpr const char InstallCaption[] = "同意/安装 Agree/Install";

// IDC_NEXT's text follows the page, see CaptionOfControl.
constexpr CaptionEntry Captions[] = {
    {IDOK, Fixed, "确认 OK", Centred, true},
    {IDCANCEL, Fixed, "取消 Cancel", Centred, true},
    {IDC_BACK, Fixed, "退一步 Back", Centred, true},
    {IDYES, Fixed, "是 Yes", Centred, true},
    {IDNO, Fixed, "否 No", Centred, true},
    {IDC_NEXT, Fixed, NextCaption, Centred, true},
    {IDC_BROWSE, Fixed, "改变 Browse ....", Centred, true},
    {IDC_INSTALL_DIR_LABEL, Fixed, "安装路径： (Install Path)", Left, false},
    {IDC_DIRECTORIES_LABEL, Fixed, "路径 (Directories):", Left, false},
    {IDC_BANNER_PRODUCT, Fixed, "《柯尔伍》沃卡里", Centred, false},
    {IDC_DRIVES_LABEL, Fixed, "磁盘 (Drives):", Left, false},
    {IDC_BANNER_EDITION, Fixed, "中文版", Centred, false},
    {IDC_BANNER_SETUP, Fixed, "安装程序", Centred, false},
    {IDC_MSG_TEXT, CaptionSource::WindowText, nullptr, Centred, false},
    {IDC_LANGUAGE_LABEL, Fixed, "User Interface Language 用户界面语言", Centred, false},
    {IDC_BANNER_BLANK, CaptionSource::Nothing, nullptr, Left, false},
    {IDC_WAIT_SLOT, Fixed, "", Left, false},
};

constexpr CaptionEntry OtherControl = {0, CaptionSource::WindowText, nullptr, Centred, true};

}  // namespace

ControlCaption CaptionOfControl(int id, int wizardPage) {
    CaptionEntry entry = OtherControl;
    for (const CaptionEntry& candidate : Captions) {
        if (candidate.Id == id) entry = candidate;
    }
    if (id == IDC_NEXT && wizardPage == PageLicence) entry.Text = InstallCaption;
    return ControlCaption{entry.Source, entry.Text, entry.Placement, entry.RaisedFrame,
                          entry.RaisedFrame && id == DefaultCommand};
}

const char* CaptionOfCheckBox(int id) {
    switch (id) {
    case IDC_DESKTOP_ICON: return "建立桌面图标？  (Place an icon on Desktop)";
    case IDC_AUTOSTART: return "开机时自动启动？(Auto-start on boot)";
    default: return nullptr;
    }
}
