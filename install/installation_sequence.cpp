// The installation sequence over the catalogue, the settings update and the shortcuts.
#include "install/installation_sequence.h"

#include "install/shortcut_names.h"
#include "install/shortcut_plan.h"

namespace {

constexpr const char* ProductProgram = "Vocalith.exe";
constexpr const char* UninstallerProgram = "VocalithUnInstall.exe";

}  // namespace

int RunInstallationSequence(InstallationSteps& steps, const InstallationChoices& choices)
{
    // Every file is tried even after one failed, so the product is as complete as it can be; but a
    // missing file must not be reported as success. Without the font file nothing else is done.
    int result = 1;
    for (std::size_t i = 0; i < CatalogueRowCount; ++i) {
        const CatalogueRow& row = Catalogue[i];
        if (row.Action == CatalogueAction::SetProgress) {
            steps.SetProgress(row.Position);
            continue;
        }
        if (steps.Extract(row)) continue;
        if (IsDecidingRow(row)) return 0;
        result = 0;
    }

    steps.UpdateSetting();

    const ShortcutNames& names = ShortcutNamesFor(choices.SystemChinese);
    const ShortcutEntry groupLinks[] = {
        {names.Product, ProductProgram},
        {names.Uninstall, UninstallerProgram},
        {nullptr, nullptr},
    };
    steps.MakeGroup(names.Product, groupLinks, FolderPrograms);
    steps.SetProgress(94);

    if (choices.WantDesktopIcon) steps.MakeDesktopLink(ProductProgram, names.Product);
    if (choices.WantAutoStart) {
        const ShortcutEntry startupLinks[] = {
            {names.Product, ProductProgram},
            {nullptr, nullptr},
        };
        steps.MakeGroup(nullptr, startupLinks, FolderStartup);
    }
    steps.SetProgress(97);
    steps.SetProgress(100);
    return result;
}
