#pragma once
// Takes a fuzz input apart into the choices a target makes: small numbers and texts, each
// drawn from the front of the input. An input that runs out gives zeros and empty texts,
// so every input is a valid script.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tgl::fuzz {

class TFuzzInput {
public:
  TFuzzInput(const uint8_t* data, size_t size)
      : Rest(reinterpret_cast<const char*>(data), size) {}
  explicit TFuzzInput(std::string_view bytes) : Rest(bytes) {}

  bool Empty() const { return Rest.empty(); }
  uint8_t Byte() {
    if (Rest.empty()) return 0;
    auto byte = static_cast<uint8_t>(Rest.front());
    Rest.remove_prefix(1);
    return byte;
  }
  // One length byte, then up to that many bytes.
  std::string Text() { return std::string(Take(Byte())); }
  // The first `count` bytes, or what is left.
  std::string_view Take(size_t count) {
    std::string_view taken = Rest.substr(0, count);
    Rest.remove_prefix(taken.size());
    return taken;
  }
  // Everything not yet taken.
  std::string_view Remainder() const { return Rest; }

private:
  std::string_view Rest;
};

}  // namespace tgl::fuzz
