// The rule that turns version, code-page and language queries into the recorded system facts.
#include "shell/system_facts.h"

namespace {

constexpr unsigned long PlatformWin32Nt = 2;
constexpr unsigned short LanguageChinese = 4;
constexpr unsigned short PrimaryLanguageMask = 0x3FF;
// Bit 10 is the low bit of the sub-language: the odd sub-languages (Taiwan, Hong Kong, Macau)
// write Traditional characters.
constexpr unsigned short TraditionalBit = 0x400;

}  // namespace

SystemFacts DecideSystemFacts(const SystemQueries& queries)
{
    SystemFacts facts{0, 0, 0};
    if (queries.VersionRead) {
        facts.PlatformIsNt = queries.PlatformId == PlatformWin32Nt ? 1 : 0;
        facts.MajorVersionIs3 = queries.MajorVersion == 3 ? 1 : 0;
    }
    // A code page we cannot ask about is treated as single-byte: Chinese shortcut names would
    // not survive it.
    const bool multiByte = queries.CodePageRead && queries.MaxCharSize > 1;
    if (multiByte && (queries.LanguageId & PrimaryLanguageMask) == LanguageChinese)
        facts.SystemChinese = (queries.LanguageId & TraditionalBit) ? 2 : 1;
    return facts;
}
