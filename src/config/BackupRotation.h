#pragma once
// The last copies of a file, kept beside it as "<file>.1" (the newest) up to "<file>.5":
// before the first write of a program run the file is copied to ".1", older copies moving
// up one number and the oldest dropped. Every step leaves whole files behind: a copy is
// written as ReplaceFileContent writes, and the copies move by renaming, so a crash at any
// point loses at most the copy being made, never the file nor an older copy.
#include <optional>
#include <string>

namespace tgl {

class TBackupRotation {
public:
  static constexpr int DefaultCopies = 5;

  explicit TBackupRotation(std::string path, int copies = DefaultCopies);

  // The first call copies the file as described above; the later calls of the same object
  // do nothing. Nothing is copied for a file that is missing or cannot be read, nor when
  // the newest copy already holds the same bytes (a run that crashed between the copy and
  // its write, or a run that wrote nothing new). Error: "Unable to write to %s" for a
  // copy that cannot be written; the file itself is untouched then.
  void BeforeWrite();
  bool Done() const { return Copied; }
  // The file the copies are made of.
  const std::string& Path() const { return FilePath; }

  // "<file>.n".
  std::string CopyName(int number) const;

private:
  std::string FilePath;
  int Copies;
  bool Copied = false;
};

// The copies of Games.CFG kept beside it, made before the run's first write of the file
// (config/IniFile.h). Part of the start-up state: the program sets it at start-up, and
// whatever resets Startup() resets this too; without it nothing is copied.
std::optional<TBackupRotation>& GamesBackup();

}  // namespace tgl
