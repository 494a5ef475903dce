// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for Dialnote.exe beside dialnote.com in the Wine test, and for a
// planted regsvr32.exe: notes in started.txt, beside itself, that it was
// started, with what command line, and in which folder (a line of its own).
#include <windows.h>

#include <cstring>
#include <cwchar>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  wchar_t* folder_end = std::wcsrchr(path, L'\\');
  if (length == 0 || length >= MAX_PATH || folder_end == nullptr) return 1;
  std::wcscpy(folder_end + 1, L"started.txt");
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  char text[2 * MAX_PATH + 4096] = "";
  std::strncat(text, GetCommandLineA(), 4096);
  std::strcat(text, "\n");
  GetCurrentDirectoryA(MAX_PATH, text + std::strlen(text));
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  CloseHandle(file);
  return 0;
}
