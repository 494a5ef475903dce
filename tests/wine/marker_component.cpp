// SPDX-License-Identifier: GPL-3.0-or-later
// A component whose DllRegisterServer appends a line to "<its path>.registered".
#include <windows.h>

#include <cstdio>

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this module, as the linker places it

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  wchar_t path[MAX_PATH + 16] = {};
  const DWORD length = GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
  if (length == 0) return E_FAIL;
  lstrcpyW(path + length, L".registered");
  FILE* note = _wfopen(path, L"a");
  if (note == nullptr) return E_FAIL;
  const bool written = std::fputs("registered\n", note) >= 0;
  return std::fclose(note) == 0 && written ? S_OK : E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() { return S_OK; }
