// The program's own message loop with its Enter-key rule.
#pragma once
#include <windows.h>

// One fetched message: the Enter-key rule, then the dialog manager or translate and dispatch.
void HandleLoopMessage(MSG* message);
// Runs until WizardPage turns negative or WM_QUIT arrives.
void RunMainLoop();
