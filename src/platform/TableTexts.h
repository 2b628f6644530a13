#pragma once
// Embedded texts served from a table compiled into the program: the native build's stand-in
// for Win32 resources, generated from the same files so both builds read the same bytes.
#include <span>
#include <string_view>

#include "platform/EmbeddedTexts.h"

namespace tgl {

struct TEmbeddedEntry {
  std::string_view Name;
  std::string_view Bytes;
};

class TTableTexts : public TEmbeddedTexts {
public:
  explicit TTableTexts(std::span<const TEmbeddedEntry> entries) : Entries(entries) {}
  std::optional<std::string_view> Find(const std::string& name) const override;

private:
  std::span<const TEmbeddedEntry> Entries;
};

// The program's own texts (generated at build time in the native build).
std::span<const TEmbeddedEntry> BuiltInTexts();

}  // namespace tgl
