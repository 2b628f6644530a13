#pragma once
// An open registry key that closes itself. Movable, never copied, so it is closed once.
#include <windows.h>

#include <utility>

namespace tgl {

class TRegKey {
public:
  TRegKey() = default;
  explicit TRegKey(HKEY key) : Key(key) {}
  ~TRegKey() { Close(); }
  TRegKey(TRegKey&& other) noexcept : Key(std::exchange(other.Key, nullptr)) {}
  TRegKey& operator=(TRegKey&& other) noexcept {
    if (this != &other) {
      Close();
      Key = std::exchange(other.Key, nullptr);
    }
    return *this;
  }
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;

  HKEY Get() const { return Key; }
  explicit operator bool() const { return Key != nullptr; }
  void Close() {
    if (Key) ::RegCloseKey(std::exchange(Key, nullptr));
  }
  [[nodiscard]] HKEY Detach() { return std::exchange(Key, nullptr); }

private:
  HKEY Key = nullptr;
};

}  // namespace tgl
