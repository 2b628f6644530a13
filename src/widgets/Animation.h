#pragma once
// The frame timing of an animated picture, apart from any window: which frame shows, when
// the next one is due, and the end of a cycle. It never loops by itself: when the last
// frame's time is up it shows the first frame again, stops, and raises OnWrap; a handler
// that starts it again plays one more cycle.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "widgets/Clock.h"

namespace tgl {

// What the rule that replays an animation needs of it.
class TAnimatable {
public:
  virtual ~TAnimatable() = default;
  virtual bool IsAnimating() const = 0;
  virtual void Start() = 0;
};

class TAnimation : public TAnimatable {
public:
  // The normal speed, in percent; 75 plays at three quarters of it.
  static constexpr int NormalSpeed = 100;
  // A frame without a delay, or one too short to see, shows this long (as browsers did).
  static constexpr uint32_t DefaultDelayMs = 100;
  static constexpr uint32_t ShortestDelayMs = 20;

  explicit TAnimation(const TClock& clock) : FClock(clock) {}

  // The frames' delays as the picture gives them; shows the first frame, stopped.
  void SetFrames(std::vector<uint32_t> delaysMs);
  size_t FrameCount() const { return FDelays.size(); }
  // Percent of the normal speed, 1 or more.
  void SetSpeed(int percent);
  int Speed() const { return FSpeed; }

  // Plays from the frame shown now; nothing happens without frames or when it runs already.
  void Start() override;
  // Stops on the frame shown now.
  void Stop();
  bool IsAnimating() const override { return FRunning; }
  size_t Frame() const { return FFrame; }

  // Catches up with the clock; true when another frame shows now. A late call skips the
  // frames whose time has passed, but never beyond the end of the cycle.
  bool Advance();
  // Milliseconds until the next frame is due (0 when overdue); only while animating.
  uint32_t TimeToNextFrame() const;
  // How long a frame shows at the current speed.
  uint32_t FrameDuration(size_t frame) const;

  // Raised at the end of each cycle, after the animation stopped on the first frame.
  std::function<void()> OnWrap;

private:
  const TClock& FClock;
  std::vector<uint32_t> FDelays;
  int FSpeed = NormalSpeed;
  size_t FFrame = 0;
  bool FRunning = false;
  uint32_t FFrameStart = 0;  // when the frame shown now began to show
};

// The rule that every trigger plays the animation once: a trigger starts it when it is
// still, and any number of triggers while it runs add exactly one more cycle. The owner
// calls CycleEnded from the animation's end-of-cycle event.
class TReplayRule {
public:
  explicit TReplayRule(TAnimatable& animation) : FAnimation(animation) {}
  void Trigger();
  void CycleEnded();
  bool ReplayPending() const { return FReplay; }

private:
  TAnimatable& FAnimation;
  bool FReplay = false;
};

}  // namespace tgl
