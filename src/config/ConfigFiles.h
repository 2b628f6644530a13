#pragma once
// Where configuration texts come from: a file in the program folder wins over the embedded
// text of the same name, and the embedded texts can be exported for the user to edit.
#include <memory>
#include <optional>
#include <string>

#include "base/StringList.h"
#include "config/CustomIniFile.h"

namespace tgl {

bool ResourceExists(const std::string& name);

// What a configuration file name reaches: the disk file of that name in ProgramDir (letter
// case ignored) when it exists, otherwise the embedded text named by the file name without
// its extension, which may not exist either.
struct TConfigSource {
  std::string DiskPath;  // empty when there is no disk file
  std::string ResourceName;

  // The same for every name that reaches the same disk file or the same embedded text, and
  // empty for a name that reaches neither. Paths are compared as Windows resolves them:
  // "/" and "\" alike, "." and ".." steps and dots and blanks at the ends of folder names
  // left out, letter case ignored. Short 8.3 names and links are not recognised.
  std::string Identity() const;
};
// `fileName` is a bare file name with its extension ("Cards.CFG").
TConfigSource FindConfigFile(const std::string& fileName);
// What a load of `source` would read, in a few bytes: its identity and, for a disk file,
// the size and checksum of its content now. A source with the same fingerprint later reads
// the same text. Nothing when the disk file cannot be read.
std::optional<std::string> ContentFingerprint(const TConfigSource& source);

// A reader of what FindConfigFile finds; with neither file nor text, an empty reader. A disk
// reader reads the file anew at every operation, so it sees the file change.
std::unique_ptr<TCustomIniFile> OpenConfigFile(const std::string& fileName);
// A reader over the content as it is now, read once and answering every lookup from memory:
// the reader for loading a whole file.
std::unique_ptr<TCustomIniFile> ReadConfigFile(const TConfigSource& source);
std::unique_ptr<TCustomIniFile> ReadConfigFile(const std::string& fileName);

// Writes the embedded text `name` to ProgramDir + name + ".Cfg"; false when there is no
// embedded text of that name. Error: "Cannot create file %s".
bool ExportConfigFile(const std::string& name);
// The catalogue, then every tuning definition file its [Files] and [FilesNT] lines name.
void ExportAllConfigFiles();
// Runs the export the first command-line argument asks for; true when one was done.
bool HandleExportCommand(const TStrings& arguments);

}  // namespace tgl
