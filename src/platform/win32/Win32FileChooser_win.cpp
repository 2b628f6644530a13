#include "platform/win32/Win32FileChooser_win.h"

#include <commdlg.h>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "platform/win32/ModalOwner_win.h"
#include "platform/win32/Module_win.h"

namespace tgl {
namespace {

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::optional<std::string> TWin32FileChooser::ChooseFileToOpen(const TFileChoice& choice) {
  return Choose(choice, false);
}

std::optional<std::string> TWin32FileChooser::ChooseFileToSave(const TFileChoice& choice) {
  return Choose(choice, true);
}

// The Explorer-style dialogs of Windows 98 and 2000 can be resized without being asked;
// Windows 95's cannot be at all, so the flag that asks for it is left out.
std::optional<std::string> TWin32FileChooser::Choose(const TFileChoice& choice, bool save) const {
  char fileName[MAX_PATH] = {};
  choice.FileName.copy(fileName, sizeof fileName - 1);
  std::string filter = SystemFilter(choice.Filter);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = ModalOwner(Owner);
  dialog.lpstrFilter = choice.Filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName;
  dialog.nMaxFile = sizeof fileName;
  dialog.lpstrTitle = TextOrNull(choice.Title);
  dialog.lpstrDefExt = TextOrNull(choice.DefaultExtension);
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  dialog.Flags |= save ? OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN : OFN_FILEMUSTEXIST;
  if (!choice.ResolveShortcuts) dialog.Flags |= OFN_NODEREFERENCELINKS;

  // Loaded for the dialog only: a library the program holds from its start costs memory for
  // its whole run (under Wine some 600 KB), and most runs never choose a file.
  TModule library("comdlg32.dll");
  using TChooseFile = BOOL(WINAPI*)(OPENFILENAMEA*);
  auto choose = library.Function<TChooseFile>(save ? "GetSaveFileNameA" : "GetOpenFileNameA");
  auto lastError = library.Function<DWORD(WINAPI*)()>("CommDlgExtendedError");
  if (!choose || !lastError) throw EError("The file dialog failed (comdlg32.dll cannot be loaded).");
  if (choose(&dialog)) return std::string(fileName);
  // Cancel leaves no error behind; anything else kept the dialog from opening or closing.
  DWORD error = lastError();
  if (error == 0) return std::nullopt;
  throw EError(Format("The file dialog failed (error %s).", {std::to_string(error)}));
}

}  // namespace tgl
