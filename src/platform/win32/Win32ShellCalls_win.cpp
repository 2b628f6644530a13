#include "platform/win32/Win32ShellCalls_win.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {
namespace {

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// COM for the calls of one function; undone only when this call did it.
class TComScope {
public:
  TComScope() : Initialized(SUCCEEDED(::CoInitialize(nullptr))) {}
  ~TComScope() {
    if (Initialized) ::CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

private:
  bool Initialized;
};

// Holds one reference of a COM object.
template <typename TInterface>
class TComRef {
public:
  TComRef() = default;
  ~TComRef() {
    if (Object) Object->Release();
  }
  TComRef(TComRef&& other) noexcept : Object(other.Object) { other.Object = nullptr; }
  TComRef& operator=(TComRef&& other) noexcept {
    std::swap(Object, other.Object);
    return *this;
  }
  TComRef(const TComRef&) = delete;
  TComRef& operator=(const TComRef&) = delete;
  TInterface* operator->() const { return Object; }
  void** Out() { return reinterpret_cast<void**>(&Object); }
  explicit operator bool() const { return Object != nullptr; }

private:
  TInterface* Object = nullptr;
};

std::wstring WideOf(const std::string& text) {
  int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

}  // namespace

int TWin32ShellCalls::Execute(const TShellCommand& command) {
  HINSTANCE result = ::ShellExecuteA(command.OwnedByMainWindow ? MainWindow : nullptr,
                                     TextOrNull(command.Verb), command.File.c_str(),
                                     TextOrNull(command.Parameters), TextOrNull(command.Directory),
                                     command.ShowCommand);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

// The index alone: asking for the icon too would hand out an icon to destroy.
int TWin32ShellCalls::FileIconIndex(const std::string& path, bool large) {
  SHFILEINFOA info{};
  UINT flags = SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
  if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags)) return 0;
  return info.iIcon;
}

// One call gives the icon and its index. The icon is the caller's to destroy: whatever the
// shell handed out is owned at once, also when the call reports a failure.
std::unique_ptr<TFileIcon> TWin32ShellCalls::LargeFileIcon(const std::string& path) {
  SHFILEINFOA info{};
  DWORD_PTR found = ::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info,
                                     SHGFI_ICON | SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
  auto icon = std::make_unique<TWin32FileIcon>(info.hIcon, info.iIcon);
  if (!found || !icon->Handle()) return nullptr;
  return icon;
}

void TWin32ShellCalls::CreateShortcut(const std::string& linkPath, const TShellLink& link) {
  TComScope com;
  TComRef<IShellLinkA> shellLink;
  TComRef<IPersistFile> file;
  // __uuidof, not CLSID_/IID_ constants: those live in one object of the import library that
  // carries every identifier Windows defines, some 35 KB of the program.
  bool made =
      SUCCEEDED(::CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER,
                                   __uuidof(IShellLinkA), shellLink.Out())) &&
      SUCCEEDED(shellLink->SetPath(link.Target.c_str())) &&
      SUCCEEDED(shellLink->SetArguments(link.Arguments.c_str())) &&
      SUCCEEDED(shellLink->SetWorkingDirectory(link.WorkingDirectory.c_str())) &&
      SUCCEEDED(shellLink->SetDescription(link.Description.c_str())) &&
      (link.IconFile.empty() ||
       SUCCEEDED(shellLink->SetIconLocation(link.IconFile.c_str(), link.IconIndex))) &&
      SUCCEEDED(shellLink->QueryInterface(__uuidof(IPersistFile), file.Out())) &&
      SUCCEEDED(file->Save(WideOf(linkPath).c_str(), TRUE));
  if (!made) throw EError(Format(ShortcutFailedText, {linkPath}));
}

}  // namespace tgl
