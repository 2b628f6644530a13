#include "support/ScratchFolder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

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

TScratchFolder::TScratchFolder(const std::string& parent) {
  ::mkdir(parent.c_str(), 0755);
  std::string pattern = parent + "/tesmoragl-test-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  FolderPath = pattern + "/";
}

TScratchFolder::~TScratchFolder() { RemoveTree(FolderPath.substr(0, FolderPath.size() - 1)); }

std::string TScratchFolder::Read(const std::string& name) const { return ReadBytes(FolderPath + name); }

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

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace tgl::test
