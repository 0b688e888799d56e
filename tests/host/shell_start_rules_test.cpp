// The start-up's system facts and the main loop's Enter-key rule.
#include <gtest/gtest.h>

#include "shell/enter_key.h"
#include "shell/system_facts.h"

namespace {

struct ChineseCase {
    unsigned short LanguageId;
    unsigned int MaxCharSize;
    bool CodePageRead;
    int Expected;
};

TEST(ShellStartSystemFacts, SystemChineseFollowsLanguageAndCodePage)
{
    const ChineseCase cases[] = {
        {0x0404, 2, true, 2},  // Taiwan
        {0x0804, 2, true, 1},  // PRC
        {0x0C04, 2, true, 2},  // Hong Kong
        {0x1004, 2, true, 1},  // Singapore
        {0x1404, 2, true, 2},  // Macau
        {0x0409, 2, true, 0},  // English on a double-byte code page
        {0x0411, 2, true, 0},  // Japanese
        {0x0804, 1, true, 0},  // PRC on a single-byte code page
        {0x0404, 1, true, 0},
        {0x0804, 0, true, 0},
        {0x0804, 2, false, 0},  // code page not readable: single-byte
        {0x0004, 2, true, 1},   // neutral Chinese: bit 10 clear
        {0x7C04, 2, true, 2},   // bit 10 set
        {0x0C05, 2, true, 0},   // primary language 5 with Traditional's sub-language bits
    };
    for (const ChineseCase& c : cases) {
        SystemQueries queries{true, 2, 5, c.CodePageRead, c.MaxCharSize, c.LanguageId};
        EXPECT_EQ(c.Expected, DecideSystemFacts(queries).SystemChinese)
            << std::hex << "language 0x" << c.LanguageId << " MaxCharSize " << c.MaxCharSize;
    }
}

TEST(ShellStartSystemFacts, VersionFactsOnlyFromASuccessfulQuery)
{
    struct VersionCase {
        bool Read;
        unsigned long Platform, Major;
        int Nt, Is3;
    } cases[] = {
        {true, 2, 3, 1, 1},   // NT 3.51
        {true, 2, 10, 1, 0},  // NT family today
        {true, 1, 4, 0, 0},   // Windows 9x
        {true, 0, 3, 0, 1},   // Win32s on 3.1
        {false, 2, 3, 0, 0},  // the query failed: both stay 0
    };
    for (const VersionCase& c : cases) {
        const SystemFacts facts = DecideSystemFacts({c.Read, c.Platform, c.Major, true, 2, 0x0804});
        EXPECT_EQ(c.Nt, facts.PlatformIsNt) << c.Platform << "/" << c.Major << "/" << c.Read;
        EXPECT_EQ(c.Is3, facts.MajorVersionIs3) << c.Platform << "/" << c.Major << "/" << c.Read;
    }
}

TEST(ShellStartEnterKey, PushTypeButtonsAreClickedAndTheKeyDropped)
{
    struct EnterCase {
        FocusFacts Focus;
        int Command;
        bool KeyGoesOn;
    } cases[] = {
        {{true, true, "Button", 0x5001000B, 3}, 3, false},        // owner-drawn Back
        {{true, true, "BUTTON", 0x50010000, 1003}, 1003, false},  // push button
        {{true, true, "button", 0x00000001, 7}, 7, false},        // default push button
        {{true, true, "Button", 0x50010023, 1004}, 1004, false},  // check box with BS_LEFTTEXT
        {{true, true, "Button", 0x50010007, 12}, 12, false},      // group box is not a check box
        {{true, true, "Button", 0x50014003, 1004}, 1001, true},   // auto check box
        {{true, true, "Button", 0x00000002, 1010}, 1001, true},
        {{true, true, "Button", 0x00000004, 20}, 1001, true},
        {{true, true, "Button", 0x00000005, 21}, 1001, true},
        {{true, true, "Button", 0x00000006, 22}, 1001, true},
        {{true, true, "Button", 0x00000009, 23}, 1001, true},
        {{true, true, "Edit", 0x50810080, 1002}, 1001, true},
        {{true, true, "ComboBox", 0x50010000, 1018}, 1001, true},
        {{true, true, "Buttons", 0x0000000B, 30}, 1001, true},  // only the whole name counts
        {{true, true, "butto", 0x0000000B, 31}, 1001, true},
        {{true, false, "Button", 0x0000000B, 32}, 1001, true},  // class name not readable
        {{false, false, "", 0, 0}, 1001, true},                 // nothing has the focus
    };
    for (const EnterCase& c : cases) {
        const EnterKeyOutcome outcome = DecideEnterKey(c.Focus);
        EXPECT_EQ(c.Command, outcome.Command) << c.Focus.ClassName << " style " << std::hex << c.Focus.Style;
        EXPECT_EQ(c.KeyGoesOn, outcome.KeyGoesOn) << c.Focus.ClassName << " style " << std::hex << c.Focus.Style;
    }
}

}  // namespace
