/* The resources of TesmoraGL.exe that the program names: shared by the resource script
   and the C++ code. Images come from tools/draw-images (resources/images). */
#pragma once

#define IDI_PROGRAM 1 /* the program's icon; Explorer shows the first one */
#define IDI_TRAY 2    /* the notification-area icon */

#ifndef RC_INVOKED
namespace tgl {

inline constexpr const char* LogoResource = "LOGO_GIF";                 /* type "GIF" */
inline constexpr const char* StandardImagesResource = "IMAGELIST_STANDART"; /* 16 x 16 */
inline constexpr const char* IdleImagesResource = "IMAGELIST_IDLE";     /* 38 x 15 */
inline constexpr const char* HotImagesResource = "IMAGELIST_HIGH";      /* 38 x 15 */
inline constexpr const char* BandBitmapResource = "BAND_BACKGROUND";
inline constexpr int StandardImageWidth = 16;
inline constexpr int ToolbarImageWidth = 38;

}  // namespace tgl
#endif
