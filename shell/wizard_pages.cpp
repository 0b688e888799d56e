// The page table, the command transitions and the language names of the wizard.
#include "shell/wizard_pages.h"

#include "resources/resource_ids.h"
#include "shell/wizard_state.h"

namespace {

using S = PageShow;

}  // namespace

// Columns: options page (and every page other than 1 and 2), language page, licence page.
const PageControl PageTable[] = {
    {IDC_ENGLISH, false, {S::Hidden, S::Hidden, S::Shown}},
    {IDC_DESKTOP_ICON, false, {S::Shown, S::Hidden, S::Hidden}},
    {IDC_AUTOSTART, false, {S::Shown, S::Hidden, S::Hidden}},
    {IDC_INSTALL_DIR, false, {S::Shown, S::Hidden, S::Hidden}},
    {IDC_INSTALL_DIR_LABEL, false, {S::Shown, S::Hidden, S::Hidden}},
    {IDC_BROWSE, false, {S::Shown, S::Hidden, S::Hidden}},
    {IDC_LANGUAGE_LABEL, false, {S::Hidden, S::Shown, S::Hidden}},
    {IDC_LANGUAGE, false, {S::Hidden, S::Shown, S::Hidden}},
    {IDC_LICENCE_EN, true, {S::Hidden, S::Hidden, S::IfEnglishChecked}},
    {IDC_LICENCE_CN, true, {S::Hidden, S::Hidden, S::IfEnglishUnchecked}},
    {IDC_BACK, true, {S::BackRule, S::BackRule, S::BackRule}},
};
const int PageTableSize = static_cast<int>(sizeof PageTable / sizeof PageTable[0]);

namespace {

// Pages other than 1 and 2 display like the options page.
PageKind KindOfPage(int page)
{
    if (page == PageLanguage) return KindLanguage;
    if (page == PageLicence) return KindLicence;
    return KindOptions;
}

}  // namespace

bool PageNeedsLicence(int page)
{
    return KindOfPage(page) == KindLicence;
}

ControlChange ResolvePageControl(const PageControl& row, int page, int wizardPage, bool englishChecked)
{
    switch (row.ByKind[KindOfPage(page)]) {
    case S::Hidden:
        return {true, false, false, false};
    case S::Shown:
        return {true, true, false, false};
    case S::IfEnglishChecked:
        return {true, englishChecked, false, false};
    case S::IfEnglishUnchecked:
        return {true, !englishChecked, false, false};
    case S::BackRule:
        // While installing (or quitting) Back is left as the install command put it.
        if (wizardPage < PageOptions || wizardPage >= PageInstalling) return {false, false, false, false};
        return {true, page != PageOptions, true, page != PageOptions};
    }
    return {false, false, false, false};
}

CommandStep DecideCommand(int controlId, int wizardPage)
{
    switch (controlId) {
    case IDC_BACK:
        if (wizardPage > PageOptions) return {CommandAction::MovePage, wizardPage - 1, false};
        return {CommandAction::None, wizardPage, false};
    case IDC_NEXT:
        if (wizardPage < PageLicence) return {CommandAction::MovePage, wizardPage + 1, wizardPage == PageLanguage};
        return {CommandAction::Install, wizardPage, false};
    case IDCANCEL:
        return {CommandAction::Quit, PageQuit, false};
    case IDC_BROWSE:
        return {CommandAction::Browse, wizardPage, false};
    case IDC_DESKTOP_ICON:
    case IDC_AUTOSTART:
        return {CommandAction::RepaintControl, wizardPage, false};
    case IDC_ENGLISH:
        return {CommandAction::DisplayPage, PageLicence, false};
    default:
        return {CommandAction::None, wizardPage, false};
    }
}

const char* UiLanguageName(int language)
{
    static const char* const names[UiLanguageCount] = {
        "English", "Chinese(Simplified)", "Chinese(Traditional)", "German"};
    if (language < 0 || language >= UiLanguageCount) return "";
    return names[language];
}
