#pragma once
// An image list of the common controls, destroyed with this object; movable, never copied.
//
//   TImageList standard = TImageList::FromBitmap("IMAGELIST_STANDART", 16);
//   menu.SetImages(standard.Get());
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tgl {

class TImageList {
public:
  // The images of a bitmap resource of the program file: a strip of images `width` pixels
  // wide and as high as the bitmap, whose pure magenta (255, 0, 255) is transparent.
  // Error: "Cannot load the images %s".
  static TImageList FromBitmap(const char* resource, int width);

  explicit TImageList(HIMAGELIST list = nullptr) : FList(list) {}
  ~TImageList() {
    if (FList) ::ImageList_Destroy(FList);
  }
  TImageList(TImageList&& other) noexcept : FList(std::exchange(other.FList, nullptr)) {}
  TImageList& operator=(TImageList&& other) noexcept {
    if (this != &other) {
      if (FList) ::ImageList_Destroy(FList);
      FList = std::exchange(other.FList, nullptr);
    }
    return *this;
  }
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  HIMAGELIST Get() const { return FList; }
  int Count() const { return FList ? ::ImageList_GetImageCount(FList) : 0; }

private:
  HIMAGELIST FList;
};

}  // namespace tgl
