/* SPDX-License-Identifier: GPL-3.0-or-later
   The floor of a polling window's idle cost: a bare Win32 window, no Qt, with
   a window timer at the platform's shortest period (USER_TIMER_MINIMUM, 10 ms)
   and an empty handler, on the plainest message loop. bench/wine_idle.sh
   measures it in Dialnote.exe's place (DIALNOTE_EXE=...). */
#include <windows.h>

static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_TIMER) return 0;
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR line, int show) {
  (void)previous;
  (void)line;
  WNDCLASSW type = {0};
  type.lpfnWndProc = Procedure;
  type.hInstance = instance;
  type.lpszClassName = L"BareWindowTimer";
  RegisterClassW(&type);
  HWND window = CreateWindowExW(0, L"BareWindowTimer", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 320,
                                200, NULL, NULL, instance, NULL);
  ShowWindow(window, show);
  SetTimer(window, 1, USER_TIMER_MINIMUM, NULL);
  MSG message;
  while (GetMessageW(&message, NULL, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
