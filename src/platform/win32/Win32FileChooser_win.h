#pragma once
// The common file dialogs of comdlg32, Explorer-style, owned by the main window once it
// exists, or by the program's dialog that is open over it. The library is loaded for each
// dialog. OPENFILENAMEA is filled in its
// Windows 95 size, which every later Windows takes.
#include <windows.h>

#include "platform/FileChooser.h"

namespace tgl {

class TWin32FileChooser : public TFileChooser {
public:
  std::optional<std::string> ChooseFileToOpen(const TFileChoice& choice) override;
  std::optional<std::string> ChooseFileToSave(const TFileChoice& choice) override;
  // The window that owns the dialogs from now on; none before the main window exists.
  void SetOwner(HWND owner) { Owner = owner; }

private:
  std::optional<std::string> Choose(const TFileChoice& choice, bool save) const;

  HWND Owner = nullptr;
};

}  // namespace tgl
