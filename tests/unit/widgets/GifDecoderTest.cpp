// GIF decoding: frames composed over what went before (the three disposal methods and
// transparency), delays, and damaged or hostile files, which give no picture at all.
#include <gtest/gtest.h>

#include <array>

#include "GifBuilder.h"
#include "support/TestSupport.h"
#include "widgets/GifPicture.h"

namespace tgl::test {
namespace {

using TRgba = std::array<int, 4>;

TRgba PixelAt(const TGifPicture& picture, size_t frame, int x, int y) {
  const uint8_t* p = &picture.Frames.at(frame).Pixels.at((size_t(y) * picture.Width + x) * 4);
  return {p[0], p[1], p[2], p[3]};
}

// The colour of palette index i in TGifBuilder's palette, opaque.
TRgba Colour(int i) { return {i, (2 * i) & 0xFF, (3 * i) & 0xFF, 255}; }
const TRgba Transparent{0, 0, 0, 0};

TGifFramePlan Patch(int left, int top, int width, int height, uint8_t index, int disposal = 0,
                    int transparent = -1) {
  TGifFramePlan frame{left, top, width, height, {}, 5, disposal, transparent};
  frame.Indices.assign(size_t(width) * height, index);
  return frame;
}

TEST(GifDecoder, OurLogoIsAnAnimationOf74By74) {
  std::optional<TGifPicture> logo = DecodeGif(ResourceFileBytes("images/Logo.gif"));
  ASSERT_TRUE(logo);
  EXPECT_EQ(logo->Width, 74);
  EXPECT_EQ(logo->Height, 74);
  ASSERT_GE(logo->Frames.size(), 20u);
  uint32_t cycle = 0;
  for (const TGifFrame& frame : logo->Frames) {
    EXPECT_EQ(frame.Pixels.size(), 74u * 74u * 4u);
    EXPECT_GE(frame.DelayMs, 40u);
    cycle += frame.DelayMs;
  }
  // A few seconds: long enough to be seen, short enough not to distract.
  EXPECT_GE(cycle, 2000u);
  EXPECT_LE(cycle, 5000u);
  // It moves, and at rest (the first frame) the toolbar shows through its corners.
  EXPECT_NE(logo->Frames.front().Pixels, logo->Frames[logo->Frames.size() / 2].Pixels);
  EXPECT_EQ(PixelAt(*logo, 0, 0, 0)[3], 0);
  EXPECT_EQ(PixelAt(*logo, 0, 37, 37)[3], 255);
}

TEST(GifDecoder, FramesAreComposedOverTheirPredecessors) {
  TGifBuilder gif(4, 3);
  gif.Plain(10, 7)
      .Frame(Patch(1, 1, 2, 1, 20))
      .Frame(Patch(0, 0, 1, 1, 30, 0, /*transparent*/ 30))
      .Frame(Patch(3, 2, 1, 1, 40));
  std::optional<TGifPicture> picture = DecodeGif(gif.Bytes());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->Frames.size(), 4u);
  EXPECT_EQ(picture->Frames[0].DelayMs, 70u);
  EXPECT_EQ(picture->Frames[1].DelayMs, 50u);
  EXPECT_EQ(PixelAt(*picture, 0, 1, 1), Colour(10));
  EXPECT_EQ(PixelAt(*picture, 1, 1, 1), Colour(20));
  EXPECT_EQ(PixelAt(*picture, 1, 2, 1), Colour(20));
  EXPECT_EQ(PixelAt(*picture, 1, 3, 1), Colour(10));
  // A transparent pixel lets the frame below show.
  EXPECT_EQ(PixelAt(*picture, 2, 0, 0), Colour(10));
  EXPECT_EQ(PixelAt(*picture, 3, 3, 2), Colour(40));
  EXPECT_EQ(PixelAt(*picture, 3, 1, 1), Colour(20));
}

TEST(GifDecoder, DisposalRestoresTheBackgroundOrThePreviousPicture) {
  // Frame 1 draws on an empty (transparent) screen and is disposed to the background; frame
  // 3 is disposed to what was there before it, the picture of frame 2.
  TGifBuilder gif(3, 1);
  gif.Frame(Patch(0, 0, 1, 1, 11, 2))
      .Frame(Patch(1, 0, 1, 1, 12, 1))
      .Frame(Patch(2, 0, 1, 1, 13, 3))
      .Frame(Patch(0, 0, 1, 1, 14, 3))
      .Frame(Patch(1, 0, 1, 1, 15, 0));
  std::optional<TGifPicture> picture = DecodeGif(gif.Bytes());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->Frames.size(), 5u);
  EXPECT_EQ(PixelAt(*picture, 0, 0, 0), Colour(11));
  EXPECT_EQ(PixelAt(*picture, 0, 1, 0), Transparent);
  EXPECT_EQ(PixelAt(*picture, 1, 0, 0), Transparent);
  EXPECT_EQ(PixelAt(*picture, 1, 1, 0), Colour(12));
  EXPECT_EQ(PixelAt(*picture, 2, 2, 0), Colour(13));
  EXPECT_EQ(PixelAt(*picture, 3, 2, 0), Transparent);
  EXPECT_EQ(PixelAt(*picture, 3, 0, 0), Colour(14));
  EXPECT_EQ(PixelAt(*picture, 4, 0, 0), Transparent);
  EXPECT_EQ(PixelAt(*picture, 4, 1, 0), Colour(15));
}

TEST(GifDecoder, AFrameWithoutAreaLeavesThePictureAsItWas) {
  TGifBuilder gif(2, 2);
  gif.Plain(5).Frame(Patch(1, 1, 0, 0, 0)).Frame(Patch(0, 0, 2, 0, 0)).Frame(Patch(1, 0, 0, 2, 0));
  std::optional<TGifPicture> picture = DecodeGif(gif.Bytes());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->Frames.size(), 4u);
  for (size_t frame = 1; frame < 4; ++frame)
    EXPECT_EQ(picture->Frames[frame].Pixels, picture->Frames[0].Pixels) << frame;
}

TEST(GifDecoder, AFileCutShortAnywhereGivesNoPicture) {
  TGifBuilder gif(5, 4);
  gif.Plain(1).Frame(Patch(1, 1, 3, 2, 2)).Plain(3);
  const std::string bytes = gif.Bytes();
  ASSERT_TRUE(DecodeGif(bytes));
  for (size_t length = 0; length < bytes.size(); ++length)
    EXPECT_FALSE(DecodeGif(bytes.substr(0, length))) << "cut at " << length;
}

std::string WithWord(std::string bytes, size_t offset, int value) {
  bytes[offset] = char(value & 0xFF);
  bytes[offset + 1] = char(value >> 8);
  return bytes;
}

TEST(GifDecoder, DamagedOrHostileFilesGiveNoPicture) {
  TGifBuilder small(4, 4);
  small.Plain(1).Plain(2);
  const std::string good = small.Bytes();
  // Offsets: logical screen at 6, first image descriptor after header (13), palette (384)
  // and the graphic control extension (8).
  const size_t descriptor = 13 + 384 + 8;
  ASSERT_EQ(good[descriptor], 0x2C);
  std::string noTable = good;
  noTable[10] = 0;  // no global colour table: the palette bytes then read as blocks
  std::string badCode = good;
  badCode[descriptor + 12] = char(0xC8);  // a code far beyond the table right after the clear

  TGifBuilder noFrames(4, 4);
  std::string manyFramesOfALargeScreen;
  {
    TGifBuilder large(1024, 1024);
    TGifFramePlan dot = Patch(0, 0, 1, 1, 1);
    for (int i = 0; i < 5; ++i) large.Frame(dot);  // 5 × 4 MB is beyond the limit
    manyFramesOfALargeScreen = large.Bytes();
  }
  std::string tooManyFrames;
  {
    TGifBuilder tiny(1, 1);
    for (size_t i = 0; i <= MaxGifFrames; ++i) tiny.Plain(1);
    tooManyFrames = tiny.Bytes();
  }

  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"empty", ""},
      {"not a GIF", "GIF88a" + good.substr(6)},
      {"PNG signature", "\x89PNG\r\n\x1A\n" + good.substr(8)},
      {"zero width", WithWord(good, 6, 0)},
      {"zero height", WithWord(good, 8, 0)},
      {"huge declared size", WithWord(WithWord(good, 6, 65535), 8, 65535)},
      {"larger than the limit", WithWord(WithWord(good, 6, 1025), 8, 1024)},
      {"frame outside the screen", WithWord(good, descriptor + 5, 5)},
      {"frame beyond the screen", WithWord(good, descriptor + 1, 1)},
      {"no colour table", noTable},
      {"code beyond the table", badCode},
      {"unknown block", good.substr(0, descriptor - 8) + "\x55" + good.substr(descriptor - 8)},
      {"no trailer", small.Bytes(false)},
      {"no frames", noFrames.Bytes()},
      {"frames beyond the memory limit", manyFramesOfALargeScreen},
      {"more frames than the limit", tooManyFrames},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodeGif(c.Bytes)) << c.Name;
}

}  // namespace
}  // namespace tgl::test
