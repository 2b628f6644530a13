// GIF decoding with the single-header image loader of Debian's libstb-dev, cut down to its
// GIF decoder without file input (the bytes come from a resource). Its frame decoder is
// driven here, one frame at a time, rather than through its all-frames call: that call
// hands the "restore to previous" disposal a pointer in front of its own buffer, keeps the
// frames of a file that breaks half-way, and grows one buffer for all frames without a cap.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "widgets/GifPicture.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_SIMD
#define STBI_NO_FAILURE_STRINGS
// One thread decodes; thread-local storage would bring a run-time dependency Windows 95 lacks.
#define STBI_NO_THREAD_LOCALS
#define STBI_MAX_DIMENSIONS 65535
// Its internal checks stay on without pulling the C library's assert in.
#define STBI_ASSERT(condition) ((condition) ? (void)0 : std::abort())
#include <stb_image.h>

namespace tgl {
namespace {

constexpr size_t HeaderSize = 13;  // signature, logical screen size, flags, background, aspect
constexpr int ChannelCount = 4;

int ReadWord(std::string_view bytes, size_t offset) {
  return static_cast<uint8_t>(bytes[offset]) | static_cast<uint8_t>(bytes[offset + 1]) << 8;
}

// The decoder's state for one file; its buffers are freed with it.
class TGifState {
public:
  TGifState() { std::memset(&FState, 0, sizeof FState); }
  ~TGifState() {
    STBI_FREE(FState.out);
    STBI_FREE(FState.history);
    STBI_FREE(FState.background);
  }
  TGifState(const TGifState&) = delete;
  TGifState& operator=(const TGifState&) = delete;

  stbi__gif* Get() { return &FState; }

private:
  stbi__gif FState;
};

}  // namespace

std::optional<TGifPicture> DecodeGif(std::string_view bytes) {
  if (bytes.size() < HeaderSize || bytes.size() > static_cast<size_t>(INT32_MAX)) return std::nullopt;
  TGifPicture picture;
  picture.Width = ReadWord(bytes, 6);
  picture.Height = ReadWord(bytes, 8);
  if (picture.Width == 0 || picture.Height == 0 ||
      static_cast<int64_t>(picture.Width) * picture.Height > MaxGifPixels)
    return std::nullopt;
  const size_t frameBytes = static_cast<size_t>(picture.Width) * picture.Height * ChannelCount;

  stbi__context input;
  stbi__start_mem(&input, reinterpret_cast<const stbi_uc*>(bytes.data()), static_cast<int>(bytes.size()));
  TGifState state;
  const stbi_uc* twoBack = nullptr;
  for (;;) {
    int channels = 0;
    // The frame before the previous one, which "restore to previous" goes back to.
    stbi_uc* frame = stbi__gif_load_next(&input, state.Get(), &channels, ChannelCount,
                                         const_cast<stbi_uc*>(twoBack));
    if (!frame) return std::nullopt;
    // The decoder's mark for the trailer that ends the file.
    if (frame == reinterpret_cast<stbi_uc*>(&input)) break;
    if (picture.Frames.size() == MaxGifFrames || (picture.Frames.size() + 1) * frameBytes > MaxGifBytes)
      return std::nullopt;
    TGifFrame decoded;
    decoded.Pixels.assign(frame, frame + frameBytes);
    decoded.DelayMs = static_cast<uint32_t>(state.Get()->delay);
    picture.Frames.push_back(std::move(decoded));
    // Each frame's pixels stay where they are when the list of frames grows.
    twoBack = picture.Frames.size() >= 2 ? picture.Frames[picture.Frames.size() - 2].Pixels.data()
                                         : nullptr;
  }
  if (picture.Frames.empty()) return std::nullopt;
  return picture;
}

}  // namespace tgl
