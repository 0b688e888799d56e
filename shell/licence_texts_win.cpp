// The licence texts: item 124 as owner-drawn list lines, item 161 into the read-only edit box.
#include "shell/licence_texts_win.h"

#include <zlib.h>

#include "install/payload_buffers.h"
#include "install/payload_store_win.h"
#include "resources/resource_ids.h"
#include "shell/licence_lines.h"
#include "shell/message_box_win.h"
#include "shell/setup_state_win.h"
#include "shell/work_buffer.h"

namespace {

void AddChineseLines(HWND wizard, char* text)
{
    const char* lines[LicenceLineLimit];
    const int count = SplitLicenceLines(text, lines, LicenceLineLimit);
    // An earlier attempt may have stopped after this list was filled: never add the lines twice.
    SendDlgItemMessageA(wizard, IDC_LICENCE_CN, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i)
        SendDlgItemMessageA(wizard, IDC_LICENCE_CN, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines[i]));
}

// Returns false when loading has to stop.
bool LoadOne(HWND wizard, unsigned short item)
{
    WorkBuffer buffer(LicenceBufferSize);
    if (!buffer.Bytes()) {
        ShowMessage(OutOfMemoryMessage, MessageOk, Setup.WizardWindow);
        return false;
    }
    unsigned long length = 0;
    if (InflatePayload(item, buffer.Bytes(), LicenceTextCapacity, &length) != Z_OK) return false;
    char* text = reinterpret_cast<char*>(buffer.Bytes());
    text[length] = '\0';
    if (item == PAYLOAD_LICENCE_CN)
        AddChineseLines(wizard, text);
    else
        SendDlgItemMessageA(wizard, IDC_LICENCE_EN, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return true;
}

}  // namespace

bool LoadLicenceTexts(HWND wizard)
{
    if (!LoadOne(wizard, PAYLOAD_LICENCE_CN) || !LoadOne(wizard, PAYLOAD_LICENCE_EN)) return false;
    Setup.LicenceLoaded = 1;
    return true;
}
