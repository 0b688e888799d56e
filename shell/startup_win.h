// The start-up of the setup: system facts, glyph font, the wizard, and the run as a whole.
#pragma once
#include <windows.h>

void RestrictDllSearchToSystem();
void RecordSystemFacts(HINSTANCE instance);
// The whole run after the DLL search is restricted; returns the exit code.
int RunSetup(HINSTANCE instance, HINSTANCE previousInstance);
