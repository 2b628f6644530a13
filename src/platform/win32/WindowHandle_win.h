#pragma once
// Owns one window; movable, never copied, so it is destroyed exactly once. A window that
// went with its parent already is left alone.
#include <windows.h>

#include <utility>

namespace tgl {

class TWindowHandle {
public:
  explicit TWindowHandle(HWND window = nullptr) : Window(window) {}
  ~TWindowHandle() { Destroy(); }
  TWindowHandle(TWindowHandle&& other) noexcept : Window(std::exchange(other.Window, nullptr)) {}
  TWindowHandle& operator=(TWindowHandle&& other) noexcept {
    if (this != &other) {
      Destroy();
      Window = std::exchange(other.Window, nullptr);
    }
    return *this;
  }
  TWindowHandle(const TWindowHandle&) = delete;
  TWindowHandle& operator=(const TWindowHandle&) = delete;

  HWND Get() const { return Window; }
  [[nodiscard]] HWND Detach() { return std::exchange(Window, nullptr); }

private:
  void Destroy() {
    if (Window && ::IsWindow(Window)) ::DestroyWindow(Window);
    Window = nullptr;
  }
  HWND Window;
};

}  // namespace tgl
