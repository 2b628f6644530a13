#pragma once
// The version of the common controls (comctl32.dll) in use, looked up at run time: Windows
// 95 came with 4.00, which has no rebar, flat toolbars or hot images; Internet Explorer 3
// brought 4.70 and Internet Explorer 4 and Windows 98 4.71 and 4.72. A feature that needs a
// newer version checks it here and falls back to what 4.00 offers.
namespace tgl {

struct TCommonControlsVersion {
  int Major = 4;
  int Minor = 0;
  bool AtLeast(int major, int minor) const { return Major > major || (Major == major && Minor >= minor); }
};

// Loads the common controls for the program's process and gives their version.
TCommonControlsVersion CommonControlsVersion();

}  // namespace tgl
