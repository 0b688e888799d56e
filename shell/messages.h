// The texts of every message the user can see; each has a Chinese and an English line.
#pragma once

struct MessageText {
    const char* Chinese;
    const char* English;
};

enum MessageKind : int {
    MessageOk = 0,
    MessageOkCancel = 1,
    MessageYesNo = 4,
};

extern const MessageText OutOfMemoryMessage;
extern const char CannotCreateFolderText[];
extern const MessageText FolderRefusedMessage;
extern const MessageText SuccessMessage;
extern const MessageText PackageQuestionMessage;
extern const MessageText FailureMessage;
extern const MessageText StartMenuFailureMessage;
// Chinese line of the group-folder message: a format with one %s for the folder's full path.
extern const char GroupFolderFailureFormat[];
