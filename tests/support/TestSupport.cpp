#include "support/TestSupport.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tgl::test {
namespace {

void RemoveTree(const std::string& path) {
  if (DIR* directory = ::opendir(path.c_str())) {
    while (dirent* entry = ::readdir(directory)) {
      std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      std::string child = path + "/" + name;
      if (entry->d_type == DT_DIR)
        RemoveTree(child);
      else
        ::unlink(child.c_str());
    }
    ::closedir(directory);
  }
  ::rmdir(path.c_str());
}

}  // namespace

TScratchFolder::TScratchFolder() {
  char pattern[] = "/tmp/tesmoragl-test-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  if (!made) throw std::runtime_error("cannot create a scratch folder");
  FolderPath = std::string(made) + "/";
}

TScratchFolder::~TScratchFolder() { RemoveTree(FolderPath.substr(0, FolderPath.size() - 1)); }

std::string TScratchFolder::Read(const std::string& name) const {
  std::ifstream file(FolderPath + name, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

void TScratchFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(FolderPath + name, std::ios::binary) << bytes;
}

bool TScratchFolder::Exists(const std::string& name) const {
  return ::access((FolderPath + name).c_str(), F_OK) == 0;
}

std::vector<std::string> TScratchFolder::FileNames() const {
  std::vector<std::string> names;
  if (DIR* directory = ::opendir(FolderPath.c_str())) {
    while (dirent* entry = ::readdir(directory))
      if (entry->d_type != DT_DIR) names.push_back(entry->d_name);
    ::closedir(directory);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TCoreTest::TCoreTest()
    : Scope(TPlatform{&FileSystem, &Texts, &Messages, &MemoryRegistry, &DisplayList}) {
  char* current = ::getcwd(nullptr, 0);
  PreviousWorkingDirectory = current ? current : "/";
  std::free(current);
  if (::chdir(Folder.Path().c_str()) != 0) throw std::runtime_error("cannot enter scratch folder");
  Startup() = TStartupState{};
  Startup().ProgramDir = Folder.Path();
}

TCoreTest::~TCoreTest() {
  Startup() = TStartupState{};
  if (::chdir(PreviousWorkingDirectory.c_str()) != 0) std::abort();
}

std::string ResourceFileBytes(const std::string& fileName) {
  std::ifstream file(std::string(TGL_SOURCE_DIR) + "/resources/" + fileName, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace tgl::test
