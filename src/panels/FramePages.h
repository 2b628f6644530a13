#pragma once
// The page control of the two-page frames and its pages. The page control fills the frame
// and shows its first page; each page covers the page control's display area.
#include <string_view>

#include "panels/FrameComponent.h"

namespace tgl {

inline constexpr std::string_view PageControlName = "PageControl1";
inline constexpr std::string_view DirectXSheet = "DirectXSheet";
inline constexpr std::string_view OpenGLSheet = "OpenGLSheet";
inline constexpr std::string_view GlideSheet = "GlideSheet";

// A page's place in the page control with one row of tabs; the user interface puts it in
// the display area that its page control really has.
inline constexpr TBounds SheetBounds{4, 24, 435, 249};

constexpr TFrameComponent PageControl() {
  return {PageControlName, cmPageControl, "", "", 0, FrameBounds, true, true};
}

constexpr TFrameComponent TabSheet(std::string_view name, std::string_view caption,
                                   int imageIndex) {
  return {name, cmTabSheet, PageControlName, caption, 0, SheetBounds, true, false, imageIndex};
}

}  // namespace tgl
