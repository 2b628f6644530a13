// A stand-in for a game: it writes how it was started into marker.txt beside itself (its
// command line, then its working folder, one line each) and ends. While marker.wait lies
// beside it, it keeps running until a test deletes that file (for at most two minutes), as
// a game being played does.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path, length);
  std::string folderOfExe = file.substr(0, file.rfind('\\') + 1);
  file = folderOfExe + "marker.txt";
  char folder[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, folder);
  std::string text = std::string("ARGS ") + ::GetCommandLineA() + "\r\nCWD " + folder + "\r\n";
  HANDLE handle = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  ::CloseHandle(handle);
  std::string wait = folderOfExe + "marker.wait";
  for (int tick = 0; tick < 1200 && ::GetFileAttributesA(wait.c_str()) != INVALID_FILE_ATTRIBUTES;
       ++tick)
    ::Sleep(100);
  return 0;
}
