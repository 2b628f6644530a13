#pragma once
// A GIF picture decoded into whole frames: every frame is the full logical screen as it
// looks once that frame has been drawn over what its predecessors left, so a viewer only
// ever copies one frame to the screen.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tgl {

struct TGifFrame {
  // Width × Height pixels, rows top down, 4 bytes each: red, green, blue, alpha. Alpha is
  // 0 where the picture is transparent and 255 everywhere else.
  std::vector<uint8_t> Pixels;
  // How long the frame stays, in milliseconds, as the file gives it (0 when it gives none).
  uint32_t DelayMs = 0;
};

struct TGifPicture {
  int Width = 0;
  int Height = 0;
  std::vector<TGifFrame> Frames;  // never empty in a decoded picture
};

// What a picture may cost, so a small damaged or hostile file cannot make the program
// allocate without end: the logical screen, the number of frames, and all frames together.
inline constexpr int MaxGifPixels = 1024 * 1024;
inline constexpr size_t MaxGifFrames = 1024;
inline constexpr size_t MaxGifBytes = 16 * 1024 * 1024;

// Decodes a GIF file (87a or 89a) held in memory. A file that is damaged anywhere (cut
// short, a broken block or raster, no frame at all, a logical screen without area) or that
// exceeds the limits above gives nullopt: no picture, never part of one.
std::optional<TGifPicture> DecodeGif(std::string_view bytes);

}  // namespace tgl
