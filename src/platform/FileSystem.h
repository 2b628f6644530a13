#pragma once
// The program folder's files, the log and Games.CFG, seen through one seam: the Win32
// layer and the native build each provide it, and the tests point it at a scratch folder.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tgl {

class TFileSystem {
public:
  // The piece of a file FileHolds reads at a time.
  static constexpr size_t ComparedPieceSize = 65536;

  virtual ~TFileSystem() = default;

  // Path of the existing file `name` in `folder` (which ends with its separator), matched
  // without regard to letter case; empty when there is none.
  virtual std::string FindFile(const std::string& folder, const std::string& name) const = 0;
  virtual bool FileExists(const std::string& path) const = 0;
  // Whether anything carries this name: a file, or a folder or device that is not one.
  virtual bool PathExists(const std::string& path) const = 0;
  // Whether the file is marked read-only; false for a missing file.
  virtual bool IsReadOnly(const std::string& path) const = 0;
  // The file from its start, at most `maxBytes` of it, into `content`, whose memory is used
  // again: reading one large file over and over then costs no fresh memory, which on many
  // systems costs more than the read itself. False, with `content` empty, when the file is
  // missing or cannot be read.
  virtual bool ReadFileInto(const std::string& path, size_t maxBytes, std::string& content) const = 0;
  // Whether the file holds exactly `bytes`, told from its size or from a few small pieces
  // read one after the other: a large file that did not change costs no copy of it. nullopt
  // when the file is missing or cannot be read.
  virtual std::optional<bool> FileHolds(const std::string& path, std::string_view bytes) const {
    std::optional<std::string> content = ReadFile(path, bytes.size() + 1);
    if (!content) return std::nullopt;
    return *content == bytes;
  }
  // The same into a string of its own; nullopt when the file is missing or cannot be read.
  std::optional<std::string> ReadFile(const std::string& path, size_t maxBytes) const {
    std::string content;
    if (!ReadFileInto(path, maxBytes, content)) return std::nullopt;
    return content;
  }

  // Creates or replaces the file with exactly these bytes, flushed to the disk.
  // Error: "Cannot create file %s", or a write error naming the file.
  virtual void WriteFile(const std::string& path, std::string_view bytes) = 0;
  // Appends to the file, creating it when missing and never replacing it; the file is
  // held exclusively while it is written. Error: "Cannot create file %s".
  virtual void AppendToFile(const std::string& path, std::string_view bytes) = 0;

  // Whether ReplaceInOneStep is available (the NT family has it, Windows 9x has not).
  virtual bool CanReplaceInOneStep() const = 0;
  // Puts `source` in the place of `target`, replacing it when it exists, in one step; false
  // when it failed.
  virtual bool ReplaceInOneStep(const std::string& source, const std::string& target) = 0;
  // Gives `source` the name `target`, which must not exist; false when it failed.
  virtual bool RenameFile(const std::string& source, const std::string& target) = 0;
  // False when the file could not be removed.
  virtual bool RemoveFile(const std::string& path) noexcept = 0;
};

}  // namespace tgl
