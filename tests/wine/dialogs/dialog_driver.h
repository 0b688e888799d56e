// Answers the dialogs that a call under test opens, from inside their modal loops.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Every dialog window that is activated while a driver exists, and did not exist before it, is
// handed once to the handler as soon as its modal loop runs (its WM_INITDIALOG is over). The
// handler reads it and ends it, e.g. by posting a command.
class DialogDriver {
public:
    using Handler = std::function<void(HWND)>;
    explicit DialogDriver(Handler handler);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    int DialogsSeen() const;
};

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// A child's rectangle in its parent's client coordinates, as MoveWindow placed it.
RECT ChildRect(HWND child);
void PostCommand(HWND dialog, int id);
