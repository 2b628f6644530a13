#pragma once
// The real file system, counting the files written and the files read, to see how often an
// operation goes to the disk.
#include <string>

#include "platform/posix/PosixFileSystem.h"

namespace tgl::test {

class TCountingFileSystem : public TPosixFileSystem {
public:
  bool ReadFileInto(const std::string& path, size_t maxBytes, std::string& content) const override {
    ++Reads;
    return TPosixFileSystem::ReadFileInto(path, maxBytes, content);
  }
  // A comparison with the file's content reads it too.
  std::optional<bool> FileHolds(const std::string& path, std::string_view bytes) const override {
    ++Reads;
    return TPosixFileSystem::FileHolds(path, bytes);
  }
  void WriteFile(const std::string& path, std::string_view bytes) override {
    ++Writes;
    TPosixFileSystem::WriteFile(path, bytes);
  }
  mutable int Reads = 0;
  int Writes = 0;
};

}  // namespace tgl::test
