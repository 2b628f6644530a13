// Feeds arbitrary bytes to the GIF decoder. A picture it accepts must keep its limits and
// be whole: every frame as large as the logical screen, alpha all or nothing; and the
// animation of its delays must play one cycle and come to rest on the first frame.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "widgets/Animation.h"
#include "widgets/GifPicture.h"

namespace {

using namespace tgl;

class TManualClock : public TClock {
public:
  uint32_t Milliseconds() const override { return Now; }
  uint32_t Now = 0;
};

void CheckPicture(const TGifPicture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0 || int64_t(picture.Width) * picture.Height > MaxGifPixels)
    std::abort();
  if (picture.Frames.empty() || picture.Frames.size() > MaxGifFrames) std::abort();
  const size_t frameBytes = size_t(picture.Width) * picture.Height * 4;
  if (frameBytes * picture.Frames.size() > MaxGifBytes) std::abort();
  for (const TGifFrame& frame : picture.Frames) {
    if (frame.Pixels.size() != frameBytes) std::abort();
    for (size_t alpha = 3; alpha < frame.Pixels.size(); alpha += 4)
      if (frame.Pixels[alpha] != 0 && frame.Pixels[alpha] != 255) std::abort();
  }
}

void CheckOneCycle(const TGifPicture& picture) {
  TManualClock clock;
  TAnimation animation(clock);
  std::vector<uint32_t> delays;
  for (const TGifFrame& frame : picture.Frames) delays.push_back(frame.DelayMs);
  animation.SetFrames(delays);
  animation.SetSpeed(75);
  int wraps = 0;
  animation.OnWrap = [&] { ++wraps; };
  animation.Start();
  for (size_t frame = 0; frame < delays.size(); ++frame) {
    clock.Now += animation.TimeToNextFrame();
    animation.Advance();
  }
  if (wraps != 1 || animation.IsAnimating() || animation.Frame() != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<TGifPicture> picture = DecodeGif(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!picture) return 0;
  CheckPicture(*picture);
  CheckOneCycle(*picture);
  return 0;
}
