// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in "regsvr32.exe" planted where a bare name would find it (beside
// Dialnote.exe, in the current folder): if it is ever started, it leaves a
// note beside itself saying with what command line.
#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*line*/, int /*show*/) {
  wchar_t path[MAX_PATH + 32] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  while (length > 0 && path[length - 1] != L'\\') --length;
  lstrcpyW(path + length, L"planted-regsvr32-ran.txt");
  HANDLE note = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (note != INVALID_HANDLE_VALUE) {
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(note, line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr);
    WriteFile(note, "\r\n", 2, &written, nullptr);
    CloseHandle(note);
  }
  return 0;
}
