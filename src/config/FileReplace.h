#pragma once
// Puts new content in the place of a file so that a crash or a full disk never leaves it
// half-written: the content goes to a file beside it first, which then takes the file's
// place. Where the system cannot replace a file in one step (Windows 9x), the old file is
// moved aside under a backup name until the new one is in place.
//
// Both side files carry names that belong to the program, so that no file of the user's
// is ever overwritten or removed, and only a replace of ours that provably stopped half-way
// is undone.
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace tgl {

// The new content, written beside the file before it takes the file's place.
std::string ReplacementFileName(const std::string& path);
// The old file while the new one moves in, where that takes two steps.
std::string BackupFileName(const std::string& path);

// False when the file could not be replaced; it then holds what it held before. A read-only
// file is never replaced.
bool ReplaceFileContent(TFileSystem& files, const std::string& path, std::string_view bytes);
// The same on the program's file system for files whose failure ends the operation.
// Error: "Unable to write to %s" naming `path`.
void ReplaceFileContentOrFail(const std::string& path, std::string_view bytes);

// Gives `source` the name `target`, replacing a file of that name (in one step where the
// system can); false when it failed. For files of the program's own, such as its copies.
bool MoveFileOver(TFileSystem& files, const std::string& source, const std::string& target);

// Undoes a replace that stopped between moving the old file aside and moving the new one
// in: the only moment at which the file is missing while both side files exist. The old
// content comes back; the new one, which no caller was told was saved, goes.
void RecoverInterruptedReplace(TFileSystem& files, const std::string& path);

}  // namespace tgl
