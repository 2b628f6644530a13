#pragma once
// Where configuration texts come from: a file in the program folder wins over the embedded
// text of the same name, and the embedded texts can be exported for the user to edit.
#include <memory>
#include <string>

#include "config/CustomIniFile.h"
#include "config/StringList.h"

namespace tgl {

bool ResourceExists(const std::string& name);

// `fileName` is a bare file name with its extension ("Cards.CFG"). The disk file of that
// name (letter case ignored) is read when it exists, otherwise the embedded text named by
// the file name without its extension; with neither, an empty reader. A disk reader reads
// the file anew at every operation, so it sees the file change.
std::unique_ptr<TCustomIniFile> OpenConfigFile(const std::string& fileName);
// The same content, read once, answering every lookup from memory: the reader for loading
// a whole file.
std::unique_ptr<TCustomIniFile> ReadConfigFile(const std::string& fileName);

// Writes the embedded text `name` to ProgramDir + name + ".Cfg"; false when there is no
// embedded text of that name. Error: "Cannot create file %s".
bool ExportConfigFile(const std::string& name);
// The catalogue, then every tuning definition file its [Files] and [FilesNT] lines name.
void ExportAllConfigFiles();
// Runs the export the first command-line argument asks for; true when one was done.
bool HandleExportCommand(const TStrings& arguments);

}  // namespace tgl
