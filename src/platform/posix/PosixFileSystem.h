#pragma once
// Real files through POSIX calls: the native build's file system.
#include "platform/FileSystem.h"

namespace tgl {

class TPosixFileSystem : public TFileSystem {
public:
  std::string FindFile(const std::string& folder, const std::string& name) const override;
  bool FileExists(const std::string& path) const override;
  bool PathExists(const std::string& path) const override;
  bool IsReadOnly(const std::string& path) const override;
  bool ReadFileInto(const std::string& path, size_t maxBytes, std::string& content) const override;
  std::optional<bool> FileHolds(const std::string& path, std::string_view bytes) const override;
  void WriteFile(const std::string& path, std::string_view bytes) override;
  void AppendToFile(const std::string& path, std::string_view bytes) override;
  bool CanReplaceInOneStep() const override { return true; }
  bool ReplaceInOneStep(const std::string& source, const std::string& target) override;
  bool RenameFile(const std::string& source, const std::string& target) override;
  bool RemoveFile(const std::string& path) noexcept override;
};

}  // namespace tgl
