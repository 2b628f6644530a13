#pragma once
// Writes small GIF files for the decoder's tests, frame by frame, so each test states the
// picture it means and can then damage the bytes where it wants. The raster data is
// stored the simplest way LZW allows: 8-bit codes, a clear code before every 126 pixels,
// so no code ever refers to the table and every byte is one pixel.
#include <cstdint>
#include <string>
#include <vector>

namespace tgl::test {

struct TGifFramePlan {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::vector<uint8_t> Indices;  // Width × Height palette indices, each below 126
  int DelayHundredths = 0;
  int Disposal = 0;              // 0 or 1 keep, 2 background, 3 previous
  int Transparent = -1;          // palette index drawn transparent, -1 for none
};

class TGifBuilder {
public:
  static constexpr uint8_t ClearCode = 128;
  static constexpr uint8_t EndCode = 129;

  TGifBuilder(int width, int height) : Width(width), Height(height) {}

  // Palette index i is the colour (i, 2i, 3i) modulo 256, so a pixel tells its index.
  TGifBuilder& Frame(const TGifFramePlan& frame) {
    Frames.push_back(frame);
    return *this;
  }
  // A frame covering the whole screen in one index.
  TGifBuilder& Plain(uint8_t index, int delayHundredths = 10) {
    TGifFramePlan frame;
    frame.Width = Width;
    frame.Height = Height;
    frame.Indices.assign(static_cast<size_t>(Width) * Height, index);
    frame.DelayHundredths = delayHundredths;
    return Frame(frame);
  }

  std::string Bytes(bool trailer = true) const {
    std::string out = "GIF89a";
    Word(out, Width);
    Word(out, Height);
    out += char(0x80 | 0x70 | 6);  // global table of 128 colours, 8 bits of colour resolution
    out += char(0);                // background index
    out += char(0);                // no aspect ratio
    for (int i = 0; i < 128; ++i) {
      out += char(i);
      out += char(2 * i);
      out += char(3 * i);
    }
    for (const TGifFramePlan& frame : Frames) {
      out += "\x21\xF9\x04";
      out += char(frame.Disposal << 2 | (frame.Transparent >= 0 ? 1 : 0));
      Word(out, frame.DelayHundredths);
      out += char(frame.Transparent >= 0 ? frame.Transparent : 0);
      out += char(0);
      out += char(0x2C);
      Word(out, frame.Left);
      Word(out, frame.Top);
      Word(out, frame.Width);
      Word(out, frame.Height);
      out += char(0);  // no local table, not interlaced
      out += char(7);  // LZW minimum code size: 8-bit codes
      Raster(out, frame.Indices);
    }
    if (trailer) out += char(0x3B);
    return out;
  }

  static std::string RasterCodes(const std::vector<uint8_t>& indices) {
    std::string codes;
    for (size_t i = 0; i < indices.size(); ++i) {
      if (i % 126 == 0) codes += char(ClearCode);
      codes += char(indices[i]);
    }
    if (indices.empty()) codes += char(ClearCode);
    codes += char(EndCode);
    return codes;
  }

private:
  static void Word(std::string& out, int value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
  }
  static void Raster(std::string& out, const std::vector<uint8_t>& indices) {
    std::string codes = RasterCodes(indices);
    for (size_t at = 0; at < codes.size(); at += 255) {
      std::string block = codes.substr(at, 255);
      out += char(block.size());
      out += block;
    }
    out += char(0);
  }

  int Width, Height;
  std::vector<TGifFramePlan> Frames;
};

}  // namespace tgl::test
