// Screen capture of the e2e driver: a rectangle of the screen saved as a PNG file.
#pragma once
#include <windows.h>

bool SaveScreenPng(const wchar_t* path, RECT area);
