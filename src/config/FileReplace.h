#pragma once
// Writing a whole file so that a crash at any moment leaves either its previous content or
// the new one, never a part: the bytes go to a file beside it, flushed to the disk, which
// then takes its place. The helper names end in ".tgl-new" and ".tgl-old", names that
// belong to this program.
#include <string>
#include <string_view>

namespace tgl {

// Error: "Unable to write to %s" naming `path`; the previous content is then untouched
// and no helper file is left behind.
void ReplaceFileContent(const std::string& path, std::string_view bytes);

// The file a ReplaceFileContent that was interrupted may have left: never in place, so
// safe to remove.
std::string UnfinishedFileName(const std::string& path);

}  // namespace tgl
