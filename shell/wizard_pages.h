// The wizard's decisions: which controls each page shows, what each command does, the language list.
#pragma once

// How a page leaves one control.
enum class PageShow {
    Hidden,
    Shown,
    IfEnglishChecked,    // the English licence follows check box 1010
    IfEnglishUnchecked,  // the Chinese licence is its opposite
    BackRule,            // Back: see ResolvePageControl
};

enum PageKind : int { KindOptions = 0, KindLanguage = 1, KindLicence = 2, PageKindCount = 3 };

struct PageControl {
    int ControlId;
    bool AfterLicenceLoad;  // applied only once the licence texts are in place
    PageShow ByKind[PageKindCount];
};

extern const PageControl PageTable[];
extern const int PageTableSize;

bool PageNeedsLicence(int page);

struct ControlChange {
    bool Applies;        // false: the control keeps its state
    bool Visible;
    bool SetsEnabled;
    bool Enabled;
};

// wizardPage is SetupState's page; page the one being displayed.
ControlChange ResolvePageControl(const PageControl& row, int page, int wizardPage, bool englishChecked);

enum class CommandAction {
    None,
    MovePage,       // WizardPage = NewPage, then display it
    DisplayPage,    // display NewPage, WizardPage unchanged
    Install,        // the install command
    Quit,           // WizardPage = PageQuit
    Browse,         // the folder chooser
    RepaintControl, // invalidate the commanding control without erasing
};

struct CommandStep {
    CommandAction Action;
    int NewPage;
    bool CheckEnglishFirst;  // Next from the language page checks 1010 before moving
};

CommandStep DecideCommand(int controlId, int wizardPage);

// Values of UiLanguage; only the first three are offered in the language list.
constexpr int UiLanguageCount = 4;
constexpr int OfferedUiLanguages[] = {0, 1, 2};
const char* UiLanguageName(int language);
