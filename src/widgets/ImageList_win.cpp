#include "widgets/ImageList_win.h"

#include <string>

#include "base/Errors.h"
#include "widgets/GdiObjects_win.h"

namespace tgl {

TImageList TImageList::FromBitmap(const char* resource, int width) {
  const std::string failure = std::string("Cannot load the images ") + resource;
  // A bitmap in the screen's own format: the list then maps its colours as the screen
  // shows them, in 256 colours as in true colour.
  TGdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  BITMAP size{};
  if (!bitmap || !::GetObjectA(bitmap.Get(), sizeof size, &size) || width <= 0) throw EError(failure);
  const int count = size.bmWidth / width;
  HIMAGELIST list = ::ImageList_Create(width, size.bmHeight, ILC_COLORDDB | ILC_MASK, count, 0);
  if (!list) list = ::ImageList_Create(width, size.bmHeight, ILC_COLOR | ILC_MASK, count, 0);
  TImageList images(list);
  if (!list || ::ImageList_AddMasked(list, bitmap.Get(), RGB(255, 0, 255)) < 0) throw EError(failure);
  return images;
}

}  // namespace tgl
