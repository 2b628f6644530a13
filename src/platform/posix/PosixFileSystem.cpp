#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>
#include <cstdio>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {
namespace {

// Owns one descriptor; closes it on every path out.
class TDescriptor {
public:
  explicit TDescriptor(int fd) : Fd(fd) {}
  ~TDescriptor() {
    if (Fd >= 0) ::close(Fd);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return Fd; }
  bool IsOpen() const { return Fd >= 0; }

private:
  int Fd;
};

class TDirectory {
public:
  explicit TDirectory(const std::string& path) : Handle(::opendir(path.c_str())) {}
  ~TDirectory() {
    if (Handle) ::closedir(Handle);
  }
  TDirectory(const TDirectory&) = delete;
  TDirectory& operator=(const TDirectory&) = delete;
  DIR* Get() const { return Handle; }

private:
  DIR* Handle;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

[[noreturn]] void CannotCreate(const std::string& path) {
  throw EError(Format("Cannot create file %s", {path}));
}

}  // namespace

std::string TPosixFileSystem::FindFile(const std::string& folder, const std::string& name) const {
  if (FileExists(folder + name)) return folder + name;
  TDirectory directory(folder.empty() ? "." : folder);
  if (!directory.Get()) return {};
  while (dirent* entry = ::readdir(directory.Get()))
    if (SameText(entry->d_name, name) && FileExists(folder + entry->d_name))
      return folder + entry->d_name;
  return {};
}

bool TPosixFileSystem::FileExists(const std::string& path) const {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool TPosixFileSystem::PathExists(const std::string& path) const {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// Read-only as Windows sees a file on a Unix disk: nobody may write it. The permission of
// the user alone would not do, since root may write anything.
bool TPosixFileSystem::IsReadOnly(const std::string& path) const {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool TPosixFileSystem::ReadFileInto(const std::string& path, size_t maxBytes,
                                    std::string& content) const {
  content.clear();
  TDescriptor file(::open(path.c_str(), O_RDONLY));
  if (!file.IsOpen()) return false;
  struct stat info {};
  // One byte more than the file holds, so that its end shows without growing the buffer.
  size_t expected = ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode)
                        ? size_t(info.st_size) + 1
                        : size_t(65536);
  content.resize(std::min(expected, maxBytes));
  size_t filled = 0;
  for (;;) {
    if (filled == content.size()) {
      if (filled >= maxBytes) break;
      content.resize(std::min(maxBytes, filled + std::max<size_t>(filled, 65536)));
    }
    ssize_t count = ::read(file.Get(), content.data() + filled, content.size() - filled);
    if (count < 0) {
      content.clear();
      return false;
    }
    if (count == 0) break;
    filled += static_cast<size_t>(count);
  }
  content.resize(filled);
  return true;
}

std::optional<bool> TPosixFileSystem::FileHolds(const std::string& path,
                                                std::string_view bytes) const {
  TDescriptor file(::open(path.c_str(), O_RDONLY));
  if (!file.IsOpen()) return std::nullopt;
  struct stat info {};
  if (::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<size_t>(info.st_size) != bytes.size())
    return false;
  std::vector<char> piece(ComparedPieceSize);
  size_t compared = 0;
  for (;;) {
    ssize_t count = ::read(file.Get(), piece.data(), piece.size());
    if (count < 0) return std::nullopt;
    if (count == 0) return compared == bytes.size();
    const size_t read = static_cast<size_t>(count);
    if (read > bytes.size() - compared || std::memcmp(piece.data(), bytes.data() + compared, read) != 0)
      return false;
    compared += read;
  }
}

void TPosixFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  TDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
  if (!file.IsOpen()) CannotCreate(path);
  if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0)
    throw EError(Format("Unable to write to %s", {path}));
}

void TPosixFileSystem::AppendToFile(const std::string& path, std::string_view bytes) {
  TDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644));
  if (!file.IsOpen() || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) CannotCreate(path);
  if (!WriteAll(file.Get(), bytes)) throw EError(Format("Unable to write to %s", {path}));
}

bool TPosixFileSystem::ReplaceInOneStep(const std::string& source, const std::string& target) {
  return ::rename(source.c_str(), target.c_str()) == 0;
}

bool TPosixFileSystem::RenameFile(const std::string& source, const std::string& target) {
  return ::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0;
}

bool TPosixFileSystem::RemoveFile(const std::string& path) noexcept {
  return ::unlink(path.c_str()) == 0;
}

}  // namespace tgl
