#pragma once
// A library loaded for as long as this object lives. Movable, never copied, so it is
// released once.
#include <windows.h>

#include <utility>

namespace tgl {

class TModule {
public:
  explicit TModule(const char* fileName) : Handle(::LoadLibraryA(fileName)) {}
  ~TModule() {
    if (Handle) ::FreeLibrary(Handle);
  }
  TModule(TModule&& other) noexcept : Handle(std::exchange(other.Handle, nullptr)) {}
  TModule& operator=(TModule&& other) noexcept {
    if (this != &other) {
      if (Handle) ::FreeLibrary(Handle);
      Handle = std::exchange(other.Handle, nullptr);
    }
    return *this;
  }
  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  explicit operator bool() const { return Handle != nullptr; }

  // The exported function of that name as the given function type; nullptr when missing.
  template <class TFunction>
  TFunction Function(const char* name) const {
    if (!Handle) return nullptr;
    FARPROC address = ::GetProcAddress(Handle, name);
    // Through the generic function type, so the compiler accepts the change of signature.
    return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(address));
  }

private:
  HMODULE Handle;
};

}  // namespace tgl
