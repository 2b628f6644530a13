#include "VersionResource.h"

#include <fstream>
#include <iterator>
#include <string_view>

namespace tgl::wine {
namespace {

constexpr uint32_t ResourceTypeVersion = 16;
constexpr uint32_t FixedInfoSignature = 0xFEEF04BD;

// Little-endian reads that give 0 past the end, so damaged input ends the walk instead of
// reading outside the file.
class TBytes {
public:
  explicit TBytes(std::string_view bytes) : Bytes(bytes) {}
  uint32_t U16(size_t at) const { return Get(at, 2); }
  uint32_t U32(size_t at) const { return Get(at, 4); }
  size_t Size() const { return Bytes.size(); }
  std::string_view Sub(size_t at, size_t size) const {
    return at > Bytes.size() ? std::string_view() : Bytes.substr(at, size);
  }

private:
  uint32_t Get(size_t at, size_t size) const {
    if (at > Bytes.size() || Bytes.size() - at < size) return 0;
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(Bytes[at + i]);
    return value;
  }
  std::string_view Bytes;
};

// The file offset of the version resource's data and its size; nullopt when there is none.
std::optional<std::string_view> VersionData(const TBytes& file) {
  if (file.U16(0) != 0x5A4D) return std::nullopt;  // "MZ"
  const size_t pe = file.U32(0x3C);
  if (file.U32(pe) != 0x00004550) return std::nullopt;  // "PE\0\0"
  const size_t coff = pe + 4, optional = coff + 20;
  const size_t sections = file.U16(coff + 2), optionalSize = file.U16(coff + 16);
  const bool pe32Plus = file.U16(optional) == 0x20B;
  const size_t resourceDirectory = optional + (pe32Plus ? 112 : 96) + 2 * 8;
  const uint32_t resourceRva = file.U32(resourceDirectory);
  if (resourceRva == 0) return std::nullopt;

  // The section that holds the resources, to turn addresses into file offsets.
  const size_t sectionTable = optional + optionalSize;
  uint32_t sectionRva = 0, sectionOffset = 0;
  for (size_t i = 0; i < sections; ++i) {
    const size_t header = sectionTable + i * 40;
    const uint32_t rva = file.U32(header + 12), size = file.U32(header + 16);
    if (resourceRva >= rva && resourceRva < rva + size) {
      sectionRva = rva;
      sectionOffset = file.U32(header + 20);
    }
  }
  if (sectionOffset == 0) return std::nullopt;
  const size_t root = sectionOffset + (resourceRva - sectionRva);

  // Type 16, then the first name and the first language under it.
  size_t directory = root;
  for (int level = 0; level < 3; ++level) {
    const size_t entries = file.U16(directory + 12) + file.U16(directory + 14);
    size_t found = 0;
    for (size_t i = 0; i < entries && found == 0; ++i) {
      const size_t entry = directory + 16 + i * 8;
      if (level == 0 && file.U32(entry) != ResourceTypeVersion) continue;
      found = entry;
    }
    if (found == 0) return std::nullopt;
    const uint32_t target = file.U32(found + 4);
    directory = root + (target & 0x7FFFFFFF);
    if (level < 2 && !(target & 0x80000000)) return std::nullopt;
  }
  const uint32_t dataRva = file.U32(directory), dataSize = file.U32(directory + 4);
  return file.Sub(sectionOffset + (dataRva - sectionRva), dataSize);
}

size_t Aligned(size_t at) { return (at + 3) & ~size_t(3); }

// The UTF-16 text at `at` up to its zero, as bytes (the keys and values here are ASCII);
// `end` is set after the zero.
std::string TextAt(const TBytes& block, size_t at, size_t& end) {
  std::string text;
  while (at + 1 < block.Size() && block.U16(at) != 0) {
    text += static_cast<char>(block.U16(at));
    at += 2;
  }
  end = at + 2;
  return text;
}

// One block of the version data: wLength, wValueLength, wType, the key, the value, then
// the child blocks up to wLength. String values are collected with their keys.
void ReadBlock(const TBytes& data, size_t at, TVersionResource& resource, int depth) {
  const size_t length = data.U16(at), valueLength = data.U16(at + 2), type = data.U16(at + 4);
  if (length < 6 || at + length > data.Size() || depth > 4) return;
  size_t afterKey = 0;
  const std::string key = TextAt(data, at + 6, afterKey);
  const size_t value = Aligned(afterKey);
  size_t afterValue = value;
  if (type == 1 && valueLength > 0) {
    resource.Strings[key] = TextAt(data, value, afterValue);
    afterValue = value + valueLength * 2;
  } else {
    afterValue = value + valueLength;
    if (key == "VS_VERSION_INFO" && valueLength >= 52 && data.U32(value) == FixedInfoSignature) {
      for (int part = 0; part < 2; ++part) {
        resource.FileVersion[part * 2] = static_cast<uint16_t>(data.U16(value + 10 + part * 4));
        resource.FileVersion[part * 2 + 1] = static_cast<uint16_t>(data.U16(value + 8 + part * 4));
        resource.ProductVersion[part * 2] = static_cast<uint16_t>(data.U16(value + 18 + part * 4));
        resource.ProductVersion[part * 2 + 1] = static_cast<uint16_t>(data.U16(value + 16 + part * 4));
      }
    }
  }
  for (size_t child = Aligned(afterValue); child + 6 <= at + length;) {
    const size_t childLength = data.U16(child);
    if (childLength == 0) break;
    ReadBlock(data, child, resource, depth + 1);
    child = Aligned(child + childLength);
  }
}

}  // namespace

std::optional<TVersionResource> ReadVersionResource(const std::string& peFile) {
  std::ifstream stream(peFile, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
  const std::optional<std::string_view> data = VersionData(TBytes(bytes));
  if (!data) return std::nullopt;
  TVersionResource resource;
  ReadBlock(TBytes(*data), 0, resource, 0);
  if (resource.Strings.empty()) return std::nullopt;
  return resource;
}

}  // namespace tgl::wine
