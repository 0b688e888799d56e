// The texts of every message the user can see (GB2312 bytes for the Chinese lines).
#include "shell/messages.h"

const MessageText OutOfMemoryMessage = {"内存不够。安装无法继续。", "Memory not enough!"};

#define CANNOT_CREATE_FOLDER "Cannot create folder!"

const char CannotCreateFolderText[] = CANNOT_CREATE_FOLDER;

const MessageText FolderRefusedMessage = {
    "无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。",
    CANNOT_CREATE_FOLDER " Please check folder path."};

const MessageText SuccessMessage = {"祝贺您：安装顺利完成！", "Congratulations! Installation Success!"};

const MessageText PackageQuestionMessage = {
    "下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)",
    "Now install speech module SAPI5.1 from Microsoft. (Install with Administrator Right is Recommended)"};

const MessageText FailureMessage = {
    "安装失败！请检查一下系统后，再重新安装。谢谢！",
    "Installation failed. Please check your system (quit all Kelvu applications) and try again."};

const MessageText StartMenuFailureMessage = {
    "无法在 Start 菜单中为本程序建立一个条目。很抱歉，只好请您以后自已建立了。",
    "Failed to create an entry on Start Menu."};

const char GroupFolderFailureFormat[] = "无法建目录(%s)!";
