#include "ui/win32/MainFonts_win.h"

namespace tgl {

TFont MakeFont(const char* face, int height, bool bold) {
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  ::lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return TFont(::CreateFontIndirectA(&font));
}

}  // namespace tgl
