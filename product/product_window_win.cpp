// Window class, static text child and message loop shared by Vocalith.exe and its uninstaller.
#include "product_window_win.h"

namespace {

constexpr char ClassName[] = "VocalithProductWindow";
constexpr int TextId = 100;
constexpr int Margin = 16;
constexpr int ProductIconId = 1;  // product.rc

LRESULT OnCreate(HWND window, const CREATESTRUCTA* create) {
  RECT client;
  GetClientRect(window, &client);
  const HWND text = CreateWindowExA(0, "STATIC", static_cast<const char*>(create->lpCreateParams),
                                    WS_CHILD | WS_VISIBLE | SS_LEFT, Margin, Margin, client.right - 2 * Margin,
                                    client.bottom - 2 * Margin, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(TextId)),
                                    create->hInstance, nullptr);
  if (!text) return -1;
  SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return 0;
}

LRESULT CALLBACK ProductWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int RunProductWindow(HINSTANCE instance, const char* title, const char* text) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ProductWndProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ProductIconId));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = ClassName;
  if (!RegisterClassA(&windowClass)) return 1;

  const HWND window = CreateWindowExA(0, ClassName, title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 420, 140, nullptr, nullptr, instance,
                                      const_cast<char*>(text));
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
