#pragma once
// The common file dialogs: the user picks a file to open or names one to save under. A
// dialog the user cancels gives nothing.
#include <optional>
#include <string>
#include <string_view>

namespace tgl {

struct TFileChoice {
  std::string Title;  // the dialog's caption
  // Pairs of a description and its patterns, each part ended by "|":
  // "Executable (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|All files (*.*)|*.*".
  std::string Filter;
  // Added to a name typed without an extension; without its dot ("exe").
  std::string DefaultExtension;
  // The name the dialog proposes; may be empty.
  std::string FileName;
  // A shortcut the user picks gives the file it points to; else the shortcut itself.
  bool ResolveShortcuts = true;
};

class TFileChooser {
public:
  virtual ~TFileChooser() = default;
  // The full name of an existing file the user picked; nullopt when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const TFileChoice& choice) = 0;
  // The full name the user gave, in an existing folder (an existing file only when the
  // user agreed to replace it); nullopt when cancelled.
  virtual std::optional<std::string> ChooseFileToSave(const TFileChoice& choice) = 0;
};

// A TFileChoice filter as the system's dialogs take it: every part ended by a zero
// character, and one more zero at the end.
std::string SystemFilter(std::string_view filter);

}  // namespace tgl
