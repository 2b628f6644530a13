#include "widgets/AnimatedGif_win.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "platform/win32/WindowClass_win.h"
#include "widgets/Clock.h"
#include "widgets/ControlClass_win.h"
#include "widgets/GdiObjects_win.h"
#include "widgets/Guarded_win.h"

namespace tgl {
namespace {

const UINT_PTR FrameTimer = 1;
const UINT ShortestTimer = 10;  // what Windows' timers resolve at best

class TTickClock : public TClock {
public:
  uint32_t Milliseconds() const override { return ::GetTickCount(); }
};

// What one control window holds; made with the window and freed with it.
struct TGifControl {
  explicit TGifControl(HWND window) : Window(window) {
    Animation.OnWrap = [this] {
      if (auto handler = OnWrap) handler();
    };
  }
  // The window is still there when its object goes: its timer goes with it.
  ~TGifControl() { ::KillTimer(Window, FrameTimer); }
  TGifControl(const TGifControl&) = delete;
  TGifControl& operator=(const TGifControl&) = delete;

  HWND Window;
  TTickClock Clock;
  TAnimation Animation{Clock};
  std::optional<TGifPicture> Picture;
  std::function<void()> OnWrap;
  std::function<void()> OnClick;
  bool Pressed = false;

  void SetPicture(std::optional<TGifPicture> picture) {
    Stop();
    Picture = std::move(picture);
    std::vector<uint32_t> delays;
    if (Picture)
      for (const TGifFrame& frame : Picture->Frames) delays.push_back(frame.DelayMs);
    Animation.SetFrames(std::move(delays));
    ::InvalidateRect(Window, nullptr, TRUE);
  }

  void ArmTimer() {
    if (Animation.IsAnimating())
      ::SetTimer(Window, FrameTimer, std::max<UINT>(Animation.TimeToNextFrame(), ShortestTimer), nullptr);
    else
      ::KillTimer(Window, FrameTimer);
  }

  void Start() {
    Animation.Start();
    ArmTimer();
  }

  void Stop() {
    Animation.Stop();
    ::KillTimer(Window, FrameTimer);
  }

  void OnTimer() {
    ::KillTimer(Window, FrameTimer);
    const size_t shown = Animation.Frame();
    // The wrap handler may start the next cycle; the timer follows whatever it decided.
    Animation.Advance();
    if (Animation.Frame() != shown) ::InvalidateRect(Window, nullptr, FALSE);
    ArmTimer();
  }

  // The frame over the face colour, centred; the rest of the control in the face colour.
  void Paint() {
    TPaintScope paint(Window);
    RECT client;
    ::GetClientRect(Window, &client);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    if (!Picture) {
      ::FillRect(paint.Dc(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
      return;
    }
    const int width = Picture->Width, height = Picture->Height;
    const std::vector<uint8_t>& rgba = Picture->Frames[Animation.Frame()].Pixels;
    std::vector<uint8_t> bgrx(rgba.size());
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
      const bool opaque = rgba[i + 3] != 0;
      bgrx[i] = opaque ? rgba[i + 2] : GetBValue(face);
      bgrx[i + 1] = opaque ? rgba[i + 1] : GetGValue(face);
      bgrx[i + 2] = opaque ? rgba[i] : GetRValue(face);
      bgrx[i + 3] = 0;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int left = (client.right - width) / 2, top = (client.bottom - height) / 2;
    ::StretchDIBits(paint.Dc(), left, top, width, height, 0, 0, width, height, bgrx.data(), &info,
                    DIB_RGB_COLORS, SRCCOPY);
    // Around the picture, without painting over it (no flicker while it plays).
    const RECT picture{left, top, left + width, top + height};
    const RECT bands[] = {{client.left, client.top, client.right, picture.top},
                          {client.left, picture.bottom, client.right, client.bottom},
                          {client.left, picture.top, picture.left, picture.bottom},
                          {picture.right, picture.top, client.right, picture.bottom}};
    for (const RECT& band : bands)
      if (band.right > band.left && band.bottom > band.top)
        ::FillRect(paint.Dc(), &band, ::GetSysColorBrush(COLOR_BTNFACE));
  }

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_TIMER:
        if (wParam == FrameTimer) CallGuarded([&] { OnTimer(); });
        return 0;
      case WM_LBUTTONDOWN:
        Pressed = true;
        ::SetCapture(Window);
        return 0;
      case WM_LBUTTONUP: {
        if (!Pressed) return 0;
        Pressed = false;
        ::ReleaseCapture();
        RECT client;
        ::GetClientRect(Window, &client);
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (::PtInRect(&client, at))
          CallGuarded([&] {
            if (auto handler = OnClick) handler();
          });
        return 0;
      }
      case WM_CAPTURECHANGED:
        Pressed = false;
        return 0;
      case AnimatedGifStateMessage:
        return MAKELRESULT(Animation.Frame(), Animation.IsAnimating() ? 1 : 0);
      default:
        return ::DefWindowProcA(Window, message, wParam, lParam);
    }
  }
};

TGifControl& ControlOf(HWND window) {
  auto* control = ControlObject<TGifControl>(window);
  if (!control) throw EError("Not an animated picture");
  return *control;
}

std::optional<std::string_view> ResourceBytes(const char* name, const char* type) {
  HRSRC resource = ::FindResourceA(nullptr, name, type);
  HGLOBAL loaded = resource ? ::LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  // Resources of the program file stay mapped for the life of the process.
  return std::string_view(static_cast<const char*>(bytes), ::SizeofResource(nullptr, resource));
}

}  // namespace

void RegisterAnimatedGifClass() {
  RegisterWindowClass({.Name = AnimatedGifClass,
                       .Procedure = &ControlWindowProc<TGifControl>,
                       .RefusedText = "Cannot register the animated picture class"});
}

TAnimatedGif::TAnimatedGif(HWND window, bool owned)
    : FOwned(owned ? window : nullptr), FHandle(window) {
  ControlOf(window);  // refuses a window of another class
}

TAnimatedGif::TAnimatedGif(HWND parent, const RECT& bounds, int id) : FHandle(nullptr) {
  RegisterAnimatedGifClass();
  HWND window = ::CreateWindowExA(0, AnimatedGifClass, "", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                  nullptr);
  if (!window) throw EError("Cannot create the animated picture");
  FOwned = TWindowHandle(window);
  FHandle = window;
}

TAnimatedGif TAnimatedGif::Attach(HWND window) { return TAnimatedGif(window, false); }

bool TAnimatedGif::LoadFromResource(const char* name, const char* type) {
  std::optional<std::string_view> bytes = ResourceBytes(name, type);
  SetPicture(bytes ? DecodeGif(*bytes) : std::nullopt);
  return HasPicture();
}

void TAnimatedGif::SetPicture(std::optional<TGifPicture> picture) { ControlOf(FHandle).SetPicture(std::move(picture)); }

bool TAnimatedGif::HasPicture() const { return ControlOf(FHandle).Picture.has_value(); }

int TAnimatedGif::FrameCount() const { return static_cast<int>(ControlOf(FHandle).Animation.FrameCount()); }

int TAnimatedGif::Frame() const { return static_cast<int>(ControlOf(FHandle).Animation.Frame()); }

void TAnimatedGif::Start() { ControlOf(FHandle).Start(); }

void TAnimatedGif::Stop() { ControlOf(FHandle).Stop(); }

bool TAnimatedGif::IsAnimating() const { return ControlOf(FHandle).Animation.IsAnimating(); }

void TAnimatedGif::SetSpeed(int percent) { ControlOf(FHandle).Animation.SetSpeed(percent); }

void TAnimatedGif::SetOnWrapAnimation(std::function<void()> handler) { ControlOf(FHandle).OnWrap = std::move(handler); }

void TAnimatedGif::SetOnClick(std::function<void()> handler) { ControlOf(FHandle).OnClick = std::move(handler); }

}  // namespace tgl
