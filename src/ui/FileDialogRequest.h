#pragma once
// What a file chooser is asked to show: its title, its filter, the extension it adds to a
// name typed without one, and its options. The dialogs' logic fills it; the Win32 layer
// shows the system's Open dialog from it (ui/FileDialog_win.h).
#include <string>
#include <string_view>

namespace tgl {

struct TFileDialogRequest {
  std::string Title;
  // Pairs of a description and its patterns, the parts separated by "|":
  // "Executable (*.exe)|*.exe|All files (*.*)|*.*".
  std::string Filter;
  // Without a dot: the chooser puts one before it.
  std::string DefaultExt;
  bool HideReadOnly = false;
  bool PathMustExist = false;
  bool FileMustExist = false;
  // A shortcut is chosen as the shortcut file, not as the file it leads to.
  bool NoDereferenceLinks = false;
  // The user may resize the chooser (not on Windows 95, whose chooser cannot).
  bool EnableSizing = false;
};

// The filter as the system takes it: every part ended by a zero character, and one more
// zero at the end.
std::string SystemFilter(std::string_view filter);

}  // namespace tgl
