#pragma once
// The tray icon offers no menu while a dialog of the main window runs, and gets it back
// however the dialog ends: the window must not come up behind the dialog.
#include "ui/MainForm.h"

namespace tgl {

class TTesmoraGLxForm::TTrayMenuLock {
public:
  explicit TTrayMenuLock(TTesmoraGLxForm& form) : Form(form) {
    if (Form.TrayMenuLocks++ == 0) Form.FView.SetTrayMenu(false);
  }
  ~TTrayMenuLock() {
    if (--Form.TrayMenuLocks == 0) Form.FView.SetTrayMenu(true);
  }
  TTrayMenuLock(const TTrayMenuLock&) = delete;
  TTrayMenuLock& operator=(const TTrayMenuLock&) = delete;

private:
  TTesmoraGLxForm& Form;
};

}  // namespace tgl
