#pragma once
// The CRC-32 of zip and PNG (reflected polynomial EDB88320, initial and final value
// FFFFFFFF), to tell a file that was cut or changed from the one that was written.
#include <cstdint>
#include <string_view>

namespace tgl {

uint32_t Crc32(std::string_view bytes);

}  // namespace tgl
