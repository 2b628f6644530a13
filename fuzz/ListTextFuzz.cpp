// The list form of "Strings" and "Values" both ways. Any text reads as items that render
// to a text reading back as the same items; and any items, whatever bytes they hold (the
// input is taken apart into them), render to a text that reads back as those items.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzInput.h"
#include "options/ListText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tgl;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TStrings read = ReadListText(text);
  if (ReadListText(RenderListText(read)) != read) std::abort();

  fuzz::TFuzzInput input(data, size);
  TStrings items;
  while (!input.Empty()) items.push_back(input.Text());
  const std::string rendered = RenderListText(items);
  if (ReadListText(rendered) != items) std::abort();
  if (items.empty() != rendered.empty()) std::abort();
  return 0;
}
