// A stand-in for a game: it writes how it was started into marker.txt beside itself (its
// command line, then its working folder, one line each) and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path, length);
  file = file.substr(0, file.rfind('\\') + 1) + "marker.txt";
  char folder[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, folder);
  std::string text = std::string("ARGS ") + ::GetCommandLineA() + "\r\nCWD " + folder + "\r\n";
  HANDLE handle = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  ::CloseHandle(handle);
  return 0;
}
