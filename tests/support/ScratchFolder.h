#pragma once
// A folder that exists for one test and is removed with everything in it afterwards, with
// the few file operations the tests need. Shared by the unit tests and the Wine tests.
#include <string>
#include <vector>

namespace tgl::test {

class TScratchFolder {
public:
  // A new folder inside `parent`.
  explicit TScratchFolder(const std::string& parent = "/tmp");
  ~TScratchFolder();
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  // The folder with its trailing separator.
  const std::string& Path() const { return FolderPath; }
  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& bytes) const;
  bool Exists(const std::string& name) const;
  // The names of the files in it (not the folders), sorted.
  std::vector<std::string> FileNames() const;

private:
  std::string FolderPath;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

}  // namespace tgl::test
