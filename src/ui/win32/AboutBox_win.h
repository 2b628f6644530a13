#pragma once
// The about box `TAboutBox`: the program title, its version line, a few words on what it
// does, links to the home page and the support address, and the animated logo, which is
// loaded anew and played once each time the box opens. One call shows it:
//
//   TAboutBox::Execute(mainWindow);   // modal; returns when OK or Esc closed it
#include <windows.h>

namespace tgl {

class TAboutBox {
public:
  // Error: "Cannot show the about box" when the dialog cannot be made.
  static void Execute(HWND owner);
};

}  // namespace tgl
