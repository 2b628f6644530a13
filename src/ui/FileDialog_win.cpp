#include "ui/FileDialog_win.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "app/Errors.h"

namespace tgl {
namespace {

// The record as Windows 95 and NT4 know it: the fields after lpTemplateName are newer.
constexpr DWORD OpenFileNameV4Size = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);

}  // namespace

bool ExecuteFileOpenDialog(HWND owner, const TFileDialogRequest& request, std::string& fileName) {
  std::string filter = SystemFilter(request.Filter);
  std::vector<char> name(MAX_PATH * 2, '\0');
  OPENFILENAMEA open{};
  open.lStructSize = OpenFileNameV4Size;
  open.hwndOwner = owner;
  open.lpstrFilter = filter.c_str();
  open.nFilterIndex = 1;
  open.lpstrFile = name.data();
  open.nMaxFile = static_cast<DWORD>(name.size());
  open.lpstrTitle = request.Title.c_str();
  open.lpstrDefExt = request.DefaultExt.empty() ? nullptr : request.DefaultExt.c_str();
  open.Flags = OFN_EXPLORER;
  if (request.HideReadOnly) open.Flags |= OFN_HIDEREADONLY;
  if (request.PathMustExist) open.Flags |= OFN_PATHMUSTEXIST;
  if (request.FileMustExist) open.Flags |= OFN_FILEMUSTEXIST;
  if (request.NoDereferenceLinks) open.Flags |= OFN_NODEREFERENCELINKS;
  if (request.EnableSizing) open.Flags |= OFN_ENABLESIZING;
  if (::GetOpenFileNameA(&open)) {
    fileName = name.data();
    return true;
  }
  if (DWORD error = ::CommDlgExtendedError())
    throw EError("The file chooser failed (error " + std::to_string(error) + ")");
  return false;
}

}  // namespace tgl
