#pragma once
// How a configuration file's bytes hold its text. The program holds every text in the ANSI
// code page; a file that Notepad saved as "Unicode" holds UTF-16 behind a byte order mark,
// in either byte order. Such a file is read through the system's code page and written back
// as it came, as the NT profile functions do.
#include <string>
#include <string_view>

namespace tgl {

enum class TTextEncoding { teAnsi, teUtf16LE, teUtf16BE };

struct TDecodedText {
  std::string Text;  // in the ANSI code page
  TTextEncoding Encoding = TTextEncoding::teAnsi;
  // Whether encoding Text again gives back the very bytes it came from. A Unicode file with
  // characters the code page lacks, or a damaged one, does not: writing it would lose them.
  bool Reversible = true;
};

TDecodedText DecodeText(std::string bytes);
std::string EncodeText(std::string_view text, TTextEncoding encoding);

}  // namespace tgl
