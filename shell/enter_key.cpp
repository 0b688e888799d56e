// The Enter-key rule: a push-type button with the focus is clicked, everything else means Next.
#include "shell/enter_key.h"

#include "shell/wizard_state.h"

namespace {

bool EqualsIgnoringCase(const char* text, const char* lowerCase)
{
    for (; *text && *lowerCase; ++text, ++lowerCase) {
        char c = *text;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != *lowerCase) return false;
    }
    return *text == *lowerCase;
}

// Check boxes and radio buttons: the whole low style byte is compared, so BS_LEFTTEXT (0x20)
// or BS_OWNERDRAW (0x0B) make a button push-type.
bool IsCheckOrRadioStyle(unsigned long style)
{
    switch (style & 0xFF) {
    case 2:  // BS_CHECKBOX
    case 3:  // BS_AUTOCHECKBOX
    case 4:  // BS_RADIOBUTTON
    case 5:  // BS_3STATE
    case 6:  // BS_AUTO3STATE
    case 9:  // BS_AUTORADIOBUTTON
        return true;
    default:
        return false;
    }
}

bool IsPushTypeButton(const FocusFacts& focus)
{
    return focus.Exists && focus.ClassNameRead && focus.ClassName &&
           EqualsIgnoringCase(focus.ClassName, "button") && !IsCheckOrRadioStyle(focus.Style);
}

}  // namespace

EnterKeyOutcome DecideEnterKey(const FocusFacts& focus)
{
    if (IsPushTypeButton(focus)) return {focus.ControlId, false};
    return {DefaultCommand, true};
}
