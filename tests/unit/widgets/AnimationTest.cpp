// Animation timing on a clock moved by hand: frames follow their delays at the chosen
// speed, a cycle ends on the first frame with the wrap event and no loop, and the replay
// rule plays once per trigger with at most one more cycle queued.
#include <gtest/gtest.h>

#include "widgets/Animation.h"

namespace tgl::test {
namespace {

class TFakeClock : public TClock {
public:
  uint32_t Milliseconds() const override { return Now; }
  uint32_t Now = 1000;
};

class AnimationTest : public ::testing::Test {
protected:
  AnimationTest() {
    Animation.SetFrames({100, 200, 300});  // one cycle: 600 ms at normal speed
    Animation.OnWrap = [this] {
      ++Wraps;
      Rule.CycleEnded();
    };
  }
  // Moves the clock on in steps of `step` ms, as a timer would, for `total` ms.
  void Run(uint32_t total, uint32_t step = 10) {
    for (uint32_t passed = 0; passed < total; passed += step) {
      Clock.Now += step;
      Animation.Advance();
    }
  }

  TFakeClock Clock;
  TAnimation Animation{Clock};
  TReplayRule Rule{Animation};
  int Wraps = 0;
};

TEST_F(AnimationTest, FramesFollowTheirDelaysAndTheCycleEndsOnTheFirstFrame) {
  Animation.Start();
  EXPECT_TRUE(Animation.IsAnimating());
  EXPECT_EQ(Animation.TimeToNextFrame(), 100u);
  Clock.Now += 99;
  EXPECT_FALSE(Animation.Advance());
  EXPECT_EQ(Animation.TimeToNextFrame(), 1u);
  Clock.Now += 1;
  EXPECT_TRUE(Animation.Advance());
  EXPECT_EQ(Animation.Frame(), 1u);
  EXPECT_EQ(Animation.TimeToNextFrame(), 200u);
  Clock.Now += 499;
  Animation.Advance();
  EXPECT_EQ(Animation.Frame(), 2u);
  EXPECT_EQ(Wraps, 0);
  Clock.Now += 1;
  EXPECT_TRUE(Animation.Advance());
  EXPECT_EQ(Animation.Frame(), 0u);
  EXPECT_FALSE(Animation.IsAnimating());
  EXPECT_EQ(Wraps, 1);
  // It does not loop by itself.
  Run(2000);
  EXPECT_EQ(Wraps, 1);
  EXPECT_EQ(Animation.Frame(), 0u);
}

TEST_F(AnimationTest, SpeedStretchesEveryDelay) {
  const struct {
    int Speed;
    uint32_t Cycle;
  } cases[] = {{100, 600}, {75, 800}, {50, 1200}, {200, 300}, {0, 60000}};
  for (const auto& c : cases) {
    Animation.SetSpeed(c.Speed);
    Wraps = 0;
    Animation.Start();
    Run(c.Cycle - 10);
    EXPECT_EQ(Wraps, 0) << "speed " << c.Speed;
    Run(10);
    EXPECT_EQ(Wraps, 1) << "speed " << c.Speed;
  }
}

TEST_F(AnimationTest, FramesWithoutAUsableDelayShowForATenthOfASecond) {
  Animation.SetFrames({0, 10, 20});
  EXPECT_EQ(Animation.FrameDuration(0), 100u);
  EXPECT_EQ(Animation.FrameDuration(1), 100u);
  EXPECT_EQ(Animation.FrameDuration(2), 20u);
}

TEST_F(AnimationTest, ALateTimerSkipsFramesButNeverPastTheEndOfTheCycle) {
  Animation.Start();
  Clock.Now += 350;
  EXPECT_TRUE(Animation.Advance());
  EXPECT_EQ(Animation.Frame(), 2u);
  EXPECT_EQ(Animation.TimeToNextFrame(), 250u);
  Rule.Trigger();  // one replay queued
  Clock.Now += 5000;
  Animation.Advance();
  EXPECT_EQ(Wraps, 1);
  // The replay starts at the clock's time, from the first frame.
  EXPECT_TRUE(Animation.IsAnimating());
  EXPECT_EQ(Animation.Frame(), 0u);
  EXPECT_EQ(Animation.TimeToNextFrame(), 100u);
}

TEST_F(AnimationTest, TheTickCountWrappingAroundChangesNothing) {
  Clock.Now = 0xFFFFFFFFu - 150;
  Animation.Start();
  Clock.Now += 250;  // wraps to 99
  Animation.Advance();
  EXPECT_EQ(Animation.Frame(), 1u);
  EXPECT_EQ(Animation.TimeToNextFrame(), 50u);
}

TEST_F(AnimationTest, StopKeepsTheFrameAndStartGoesOnFromIt) {
  Animation.Start();
  Run(150);
  Animation.Stop();
  EXPECT_FALSE(Animation.IsAnimating());
  Run(1000);
  EXPECT_EQ(Animation.Frame(), 1u);
  Animation.Start();
  Run(500);
  EXPECT_EQ(Wraps, 1);
}

TEST_F(AnimationTest, WithoutFramesNothingStarts) {
  Animation.SetFrames({});
  Rule.Trigger();
  EXPECT_FALSE(Animation.IsAnimating());
  EXPECT_FALSE(Animation.Advance());
  EXPECT_EQ(Animation.TimeToNextFrame(), 0u);
}

// The number of cycles played for triggers at these times (ms after the first trigger,
// which starts it) until everything has settled.
int CyclesFor(const std::vector<uint32_t>& triggers) {
  TFakeClock clock;
  TAnimation animation(clock);
  animation.SetFrames({100, 200, 300});
  TReplayRule rule(animation);
  int cycles = 0;
  animation.OnWrap = [&] {
    ++cycles;
    rule.CycleEnded();
  };
  const uint32_t start = clock.Now;
  for (uint32_t passed = 0; passed <= 10000; passed += 10) {
    clock.Now = start + passed;
    animation.Advance();
    for (uint32_t at : triggers)
      if (at == passed) rule.Trigger();
  }
  EXPECT_FALSE(animation.IsAnimating());
  EXPECT_FALSE(rule.ReplayPending());
  return cycles;
}

TEST(ReplayRule, EveryTriggerPlaysOnceAndTriggersDuringACycleAddExactlyOneMore) {
  const struct {
    const char* Name;
    std::vector<uint32_t> Triggers;
    int Cycles;
  } cases[] = {
      {"one trigger", {0}, 1},
      {"two far apart", {0, 3000}, 2},
      {"a second during the cycle", {0, 300}, 2},
      {"many during the cycle", {0, 10, 100, 300, 590}, 2},
      {"during the cycle and during the replay", {0, 300, 900}, 3},
      {"many during the cycle and many during the replay", {0, 50, 500, 700, 800, 1100}, 3},
      {"right at the end of the cycle", {0, 600}, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(CyclesFor(c.Triggers), c.Cycles) << c.Name;
}

}  // namespace
}  // namespace tgl::test
