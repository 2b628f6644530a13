// Decoding the program's animated logo, as the about box does each time it opens.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "widgets/GifPicture.h"

namespace tgl::bench {
namespace {

std::string LogoBytes() {
  std::ifstream file(std::string(TGL_SOURCE_DIR) + "/resources/images/Logo.gif", std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void DecodeLogo(benchmark::State& state) {
  const std::string bytes = LogoBytes();
  size_t frames = 0;
  for (auto _ : state) {
    std::optional<TGifPicture> picture = DecodeGif(bytes);
    frames = picture ? picture->Frames.size() : 0;
    benchmark::DoNotOptimize(frames);
  }
  state.counters["frames"] = double(frames);
  state.counters["file_KB"] = double(bytes.size()) / 1e3;
}
BENCHMARK(DecodeLogo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tgl::bench
