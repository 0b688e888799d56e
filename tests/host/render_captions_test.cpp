// The caption table: texts, placement and frames by control id, and 1001 following the page.
#include <gtest/gtest.h>

#include <string>

#include "render/captions.h"
#include "resource_ids.h"
#include "shell/wizard_state.h"

namespace {

constexpr auto Centred = CaptionPlacement::Centred;
constexpr auto Left = CaptionPlacement::Left;

struct CaptionCase {
    int Id;
    const char* Text;  // null: the window text
    CaptionPlacement Placement;
    bool RaisedFrame;
};

const CaptionCase CaptionCases[] = {
    {IDOK, "确认 OK", Centred, true},
    {IDCANCEL, "取消 Cancel", Centred, true},
    {IDC_BACK, "退一步 Back", Centred, true},
    {IDYES, "是 Yes", Centred, true},
    {IDNO, "否 No", Centred, true},
    {IDC_NEXT, "下一步 Next", Centred, true},
    {IDC_BROWSE, "改变 Browse ....", Centred, true},
    {IDC_INSTALL_DIR_LABEL, "安装路径： (Install Path)", Left, false},
    {IDC_DIRECTORIES_LABEL, "路径 (Directories):", Left, false},
    {IDC_BANNER_PRODUCT, "《柯尔伍》沃卡里", Centred, false},
    {IDC_DRIVES_LABEL, "磁盘 (Drives):", Left, false},
    {IDC_BANNER_EDITION, "中文版", Centred, false},
    {IDC_BANNER_SETUP, "安装程序", Centred, false},
    {IDC_MSG_TEXT, nullptr, Centred, false},
    {IDC_LANGUAGE_LABEL, "User Interface Language 用户界面语言", Centred, false},
    {IDC_WAIT_SLOT, "", Left, false},
    {0, nullptr, Centred, true},
    {4, nullptr, Centred, true},
    {IDC_LICENCE_CN, nullptr, Centred, true},
    {65535, nullptr, Centred, true},
};

TEST(Captions, ByControlId) {
    for (const CaptionCase& c : CaptionCases) {
        SCOPED_TRACE(c.Id);
        const ControlCaption caption = CaptionOfControl(c.Id, PageOptions);
        if (c.Text == nullptr) {
            EXPECT_EQ(caption.Source, CaptionSource::WindowText);
        } else {
            EXPECT_EQ(caption.Source, CaptionSource::Fixed);
            EXPECT_EQ(std::string(caption.Text), c.Text);
        }
        EXPECT_EQ(caption.Placement, c.Placement);
        EXPECT_EQ(caption.RaisedFrame, c.RaisedFrame);
        EXPECT_EQ(caption.DefaultFrame, c.Id == IDC_NEXT);
    }
}

TEST(Captions, BlankBannerIsNeverPainted) {
    EXPECT_EQ(CaptionOfControl(IDC_BANNER_BLANK, PageOptions).Source, CaptionSource::Nothing);
}

TEST(Captions, NextBecomesInstallOnTheLicencePageOnly) {
    for (int page : {-1, 0, 1, 2, 3, 98, 99}) {
        const ControlCaption caption = CaptionOfControl(IDC_NEXT, page);
        EXPECT_EQ(std::string(caption.Text), page == PageLicence ? "同意/安装 Agree/Install" : "下一步 Next") << page;
        EXPECT_TRUE(caption.DefaultFrame);
    }
    EXPECT_EQ(std::string(CaptionOfControl(IDC_BACK, PageLicence).Text), "退一步 Back");
}

TEST(Captions, OptionCheckBoxes) {
    EXPECT_EQ(std::string(CaptionOfCheckBox(IDC_DESKTOP_ICON)), "建立桌面图标？  (Place an icon on Desktop)");
    EXPECT_EQ(std::string(CaptionOfCheckBox(IDC_AUTOSTART)), "开机时自动启动？(Auto-start on boot)");
    EXPECT_EQ(CaptionOfCheckBox(IDC_ENGLISH), nullptr);
}

}  // namespace
