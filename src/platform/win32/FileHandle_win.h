#pragma once
// Owns one kernel32 HANDLE; movable, never copied, so it is closed exactly once.
#include <windows.h>

#include <utility>

namespace tgl {

class TFileHandle {
public:
  explicit TFileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : Handle(handle) {}
  ~TFileHandle() { Close(); }
  TFileHandle(TFileHandle&& other) noexcept : Handle(std::exchange(other.Handle, INVALID_HANDLE_VALUE)) {}
  TFileHandle& operator=(TFileHandle&& other) noexcept {
    if (this != &other) {
      Close();
      Handle = std::exchange(other.Handle, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;

  bool IsValid() const { return Handle != INVALID_HANDLE_VALUE && Handle != nullptr; }
  HANDLE Get() const { return Handle; }

private:
  void Close() {
    if (IsValid()) ::CloseHandle(Handle);
    Handle = INVALID_HANDLE_VALUE;
  }
  HANDLE Handle;
};

}  // namespace tgl
