#pragma once
// Owns one GDI object (font, brush, bitmap); movable, never copied, so it is deleted once.
#include <windows.h>

#include <utility>

namespace tgl {

template <class THandle>
class TGdiObject {
public:
  explicit TGdiObject(THandle handle = nullptr) : Handle(handle) {}
  ~TGdiObject() { Delete(); }
  TGdiObject(TGdiObject&& other) noexcept : Handle(std::exchange(other.Handle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Delete();
      Handle = std::exchange(other.Handle, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  THandle Get() const { return Handle; }

private:
  void Delete() {
    if (Handle) ::DeleteObject(Handle);
    Handle = nullptr;
  }
  THandle Handle;
};

using TFont = TGdiObject<HFONT>;

// A font of the given face and height in pixels (negative: the character height).
inline TFont CreateFont(const char* face, int height, bool bold) {
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return TFont(::CreateFontIndirectA(&font));
}

}  // namespace tgl
