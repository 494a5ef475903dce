// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for Dialnote.exe or a planted regsvr32.exe: started.txt beside it gets its command
// line and, on a line of its own, its current folder.
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
