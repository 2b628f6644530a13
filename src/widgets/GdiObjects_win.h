#pragma once
// Owners of GDI objects and device-context states, released in their destructors; movable,
// never copied, so each is released once.
#include <windows.h>

#include <utility>

namespace tgl {

// A font, brush, pen or bitmap made by the program, deleted with this object.
template <typename THandle>
class TGdiObject {
public:
  explicit TGdiObject(THandle handle = nullptr) : FHandle(handle) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(THandle handle = nullptr) {
    if (FHandle) ::DeleteObject(FHandle);
    FHandle = handle;
  }

private:
  THandle FHandle;
};

using TFont = TGdiObject<HFONT>;
using TBrush = TGdiObject<HBRUSH>;

// An object selected into a device context for the life of this scope.
class TSelection {
public:
  TSelection(HDC dc, HGDIOBJ object) : FDc(dc), FPrevious(object ? ::SelectObject(dc, object) : nullptr) {}
  ~TSelection() {
    if (FPrevious) ::SelectObject(FDc, FPrevious);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

private:
  HDC FDc;
  HGDIOBJ FPrevious;
};

// BeginPaint and EndPaint around the painting of one WM_PAINT.
class TPaintScope {
public:
  explicit TPaintScope(HWND window) : FWindow(window) { ::BeginPaint(window, &FPaint); }
  ~TPaintScope() { ::EndPaint(FWindow, &FPaint); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC Dc() const { return FPaint.hdc; }

private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
};

// A device context of the whole screen, for measuring text.
class TScreenDc {
public:
  TScreenDc() : FDc(::GetDC(nullptr)) {}
  ~TScreenDc() {
    if (FDc) ::ReleaseDC(nullptr, FDc);
  }
  TScreenDc(const TScreenDc&) = delete;
  TScreenDc& operator=(const TScreenDc&) = delete;
  HDC Get() const { return FDc; }

private:
  HDC FDc;
};

}  // namespace tgl
