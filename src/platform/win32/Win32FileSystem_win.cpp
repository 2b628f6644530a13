#include "platform/win32/Win32FileSystem_win.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "platform/win32/FileHandle_win.h"

namespace tgl {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(bytes.size() > 0x100000 ? 0x100000 : bytes.size());
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

[[noreturn]] void CannotCreate(const std::string& path) {
  throw EError(Format("Cannot create file %s", {path}));
}

}  // namespace

std::string TWin32FileSystem::FindFile(const std::string& folder, const std::string& name) const {
  // The Windows file system already ignores letter case.
  std::string path = folder + name;
  return FileExists(path) ? path : std::string();
}

bool TWin32FileSystem::FileExists(const std::string& path) const {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWin32FileSystem::PathExists(const std::string& path) const {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TWin32FileSystem::IsReadOnly(const std::string& path) const {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

bool TWin32FileSystem::ReadFileInto(const std::string& path, size_t maxBytes,
                                    std::string& content) const {
  content.clear();
  TFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return false;
  DWORD sizeHigh = 0;
  DWORD size = ::GetFileSize(file.Get(), &sizeHigh);
  // One byte more than the file holds, so that its end shows without growing the buffer.
  size_t expected = sizeHigh != 0 || size == INVALID_FILE_SIZE ? maxBytes : size_t(size) + 1;
  content.resize(std::min(expected, maxBytes));
  size_t filled = 0;
  // A read that fails half-way is a failure, not a shorter file: an edit of that part would
  // write it back as the whole file.
  for (;;) {
    if (filled == content.size()) {
      if (filled >= maxBytes) break;
      content.resize(std::min(maxBytes, filled + std::max<size_t>(filled, 65536)));
    }
    DWORD wanted = static_cast<DWORD>(std::min<size_t>(content.size() - filled, 0x1000000));
    DWORD count = 0;
    if (!::ReadFile(file.Get(), content.data() + filled, wanted, &count, nullptr)) {
      content.clear();
      return false;
    }
    if (count == 0) break;
    filled += count;
  }
  content.resize(filled);
  return true;
}

std::optional<bool> TWin32FileSystem::FileHolds(const std::string& path,
                                                std::string_view bytes) const {
  TFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return std::nullopt;
  DWORD sizeHigh = 0;
  DWORD size = ::GetFileSize(file.Get(), &sizeHigh);
  if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return std::nullopt;
  if (sizeHigh != 0 || size != bytes.size()) return false;
  std::vector<char> piece(ComparedPieceSize);
  size_t compared = 0;
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(file.Get(), piece.data(), static_cast<DWORD>(piece.size()), &count, nullptr))
      return std::nullopt;
    if (count == 0) return compared == bytes.size();
    if (count > bytes.size() - compared ||
        std::memcmp(piece.data(), bytes.data() + compared, count) != 0)
      return false;
    compared += count;
  }
}

void TWin32FileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  TFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) CannotCreate(path);
  if (!WriteAll(file.Get(), bytes) || !::FlushFileBuffers(file.Get()))
    throw EError(Format("Unable to write to %s", {path}));
}

void TWin32FileSystem::AppendToFile(const std::string& path, std::string_view bytes) {
  // Opened exclusively and created only when missing: an existing log is never replaced.
  TFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) CannotCreate(path);
  if (::SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      ::GetLastError() != NO_ERROR)
    throw EError(Format("Unable to write to %s", {path}));
  if (!WriteAll(file.Get(), bytes)) throw EError(Format("Unable to write to %s", {path}));
}

bool TWin32FileSystem::CanReplaceInOneStep() const {
  // The NT family replaces a file in one step; Windows 9x's MoveFileExA is a stub.
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool TWin32FileSystem::ReplaceInOneStep(const std::string& source, const std::string& target) {
  return ::MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool TWin32FileSystem::RenameFile(const std::string& source, const std::string& target) {
  return ::MoveFileA(source.c_str(), target.c_str()) != 0;
}

bool TWin32FileSystem::RemoveFile(const std::string& path) noexcept {
  return ::DeleteFileA(path.c_str()) != 0;
}

}  // namespace tgl
