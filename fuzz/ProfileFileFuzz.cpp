// Feeds arbitrary bytes to the reader of game profile files. A text is either refused with
// the profile error, or read into a profile that the writer turns into a text which reads
// back as the same profile.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "profiles/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tgl;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TGameProfile profile;
  try {
    profile = ParseProfileFile(text, "FUZZ");
  } catch (const EProfileFile&) {
    return 0;
  }
  try {
    if (ParseProfileFile(ProfileFileText(profile), "FUZZ") != profile) std::abort();
  } catch (const EProfileFile&) {
    std::abort();
  }
  return 0;
}
