// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for Dialnote.exe or a planted regsvr32.exe: started.txt beside it gets its command
// line and, on a line of its own, its current folder.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  wchar_t* folder_end = std::wcsrchr(path, L'\\');
  if (length == 0 || length >= MAX_PATH || folder_end == nullptr) return 1;
  std::wcscpy(folder_end + 1, L"started.txt");
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, folder);
  FILE* file = _wfopen(path, L"wb");
  if (file == nullptr) return 1;
  std::fprintf(file, "%s\n%s", GetCommandLineA(), folder);
  return std::fclose(file) == 0 ? 0 : 1;
}
