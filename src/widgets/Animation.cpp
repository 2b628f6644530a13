#include "widgets/Animation.h"

#include <algorithm>

namespace tgl {

void TAnimation::SetFrames(std::vector<uint32_t> delaysMs) {
  FDelays = std::move(delaysMs);
  FFrame = 0;
  FRunning = false;
}

void TAnimation::SetSpeed(int percent) { FSpeed = std::max(percent, 1); }

uint32_t TAnimation::FrameDuration(size_t frame) const {
  uint32_t delay = FDelays.at(frame);
  if (delay < ShortestDelayMs) delay = DefaultDelayMs;
  uint64_t scaled = uint64_t(delay) * NormalSpeed / static_cast<uint32_t>(FSpeed);
  return static_cast<uint32_t>(std::clamp<uint64_t>(scaled, 1, UINT32_MAX / 2));
}

void TAnimation::Start() {
  if (FRunning || FDelays.empty()) return;
  FRunning = true;
  FFrameStart = FClock.Milliseconds();
}

void TAnimation::Stop() { FRunning = false; }

bool TAnimation::Advance() {
  if (!FRunning) return false;
  const uint32_t now = FClock.Milliseconds();
  bool moved = false;
  // Unsigned differences stay right when the tick count wraps around.
  while (FRunning && now - FFrameStart >= FrameDuration(FFrame)) {
    FFrameStart += FrameDuration(FFrame);
    moved = true;
    if (++FFrame < FDelays.size()) continue;
    FFrame = 0;
    FRunning = false;
    // A copy, so a handler may replace the handler while it runs.
    if (auto handler = OnWrap) handler();
    // A handler that started it again has begun a fresh cycle at the clock's time.
    break;
  }
  return moved;
}

uint32_t TAnimation::TimeToNextFrame() const {
  if (!FRunning) return 0;
  uint32_t shown = FClock.Milliseconds() - FFrameStart;
  uint32_t duration = FrameDuration(FFrame);
  return shown >= duration ? 0 : duration - shown;
}

void TReplayRule::Trigger() {
  if (!FAnimation.IsAnimating())
    FAnimation.Start();
  else
    FReplay = true;
}

void TReplayRule::CycleEnded() {
  if (!FReplay) return;
  FReplay = false;
  FAnimation.Start();
}

}  // namespace tgl
