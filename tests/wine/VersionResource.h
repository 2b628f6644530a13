#pragma once
// The version resource of a Windows program, read from its file as Explorer's Version tab
// reads it: the fixed file and product versions and the strings of its first string table.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tgl::wine {

struct TVersionResource {
  std::array<uint16_t, 4> FileVersion{};     // 1, 0, 3, 0
  std::array<uint16_t, 4> ProductVersion{};
  std::map<std::string, std::string> Strings;  // "ProductVersion" -> "1.0.3"
};

// nullopt when `peFile` is no PE file or carries no version resource.
std::optional<TVersionResource> ReadVersionResource(const std::string& peFile);

}  // namespace tgl::wine
