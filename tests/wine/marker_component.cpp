// SPDX-License-Identifier: GPL-3.0-or-later
// A component whose DllRegisterServer appends a line to "<its path>.registered".
#include <windows.h>

namespace {
HMODULE self = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  wchar_t path[MAX_PATH + 16] = {};
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0) return E_FAIL;
  lstrcpyW(path + length, L".registered");
  HANDLE note = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (note == INVALID_HANDLE_VALUE) return E_FAIL;
  DWORD written = 0;
  WriteFile(note, "registered\r\n", 12, &written, nullptr);
  CloseHandle(note);
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() { return S_OK; }
