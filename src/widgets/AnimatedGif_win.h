#pragma once
// A child control that shows a GIF picture and plays its animation on the GUI thread, by a
// window timer of its own (the program starts no thread):
//
//   TAnimatedGif logo(panel, RECT{0, 0, 74, 74});
//   logo.LoadFromResource("LOGO_GIF");
//   logo.SetSpeed(75);
//   logo.SetOnWrapAnimation([&] { replay.CycleEnded(); });
//   logo.Start();
//
// It never loops by itself: at the end of each cycle it shows the first frame, stops and
// raises OnWrapAnimation; a handler that calls Start plays one more cycle. Transparent
// pixels show the button face colour. A missing or damaged picture shows nothing (and
// starts nothing). Dialog templates can name the window class; Attach gives the control of
// such a window.
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/WindowHandle_win.h"
#include "widgets/Animation.h"
#include "widgets/GifPicture.h"

namespace tgl {

inline constexpr const char* AnimatedGifClass = "TglAnimatedGif";
// Sent to the control: the frame shown in the low word, 1 in the high word while animating.
inline constexpr UINT AnimatedGifStateMessage = WM_USER + 0x47;

// Registers the window class, for dialog templates that name it.
void RegisterAnimatedGifClass();

class TAnimatedGif : public TAnimatable {
public:
  // A new child of `parent` at `bounds` (the parent's client coordinates), with control ID
  // `id`; destroyed with this object.
  TAnimatedGif(HWND parent, const RECT& bounds, int id = 0);
  // The control of a window of this class made elsewhere, which stays its maker's.
  static TAnimatedGif Attach(HWND window);
  TAnimatedGif(TAnimatedGif&&) noexcept = default;
  TAnimatedGif& operator=(TAnimatedGif&&) noexcept = default;

  HWND Handle() const { return FHandle; }

  // Shows the picture of a resource of the program file (resource type "GIF" unless given);
  // false, and no picture, when it is missing or damaged. Stops any animation.
  bool LoadFromResource(const char* name, const char* type = "GIF");
  // Shows this picture, or nothing; stops any animation.
  void SetPicture(std::optional<TGifPicture> picture);
  bool HasPicture() const;
  int FrameCount() const;
  int Frame() const;

  // Plays from the frame shown; nothing happens without a picture or while it plays.
  void Start() override;
  // Stops on the frame shown.
  void Stop();
  bool IsAnimating() const override;
  // Percent of the picture's own speed (75: three quarters of it).
  void SetSpeed(int percent);

  void SetOnWrapAnimation(std::function<void()> handler);
  void SetOnClick(std::function<void()> handler);

private:
  TAnimatedGif(HWND window, bool owned);
  TWindowHandle FOwned;  // empty for a window made elsewhere
  HWND FHandle;
};

}  // namespace tgl
