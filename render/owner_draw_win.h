// Painters of the owner-drawn buttons, labels, licence lines and option check boxes.
#pragma once
#include <windows.h>

void DrawOwnerControl(const DRAWITEMSTRUCT* item);
void DrawLicenceLine(const DRAWITEMSTRUCT* item, HWND dialog);
void PaintOptionCheckBox(HWND window, HDC dc);
LRESULT CALLBACK CheckBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
