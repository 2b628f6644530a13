#pragma once
// The options dialog as its logic (TOptionsDlg) sees it: the values of its controls in and
// out, and the modal run. The Win32 dialog implements it over real windows; the tests with
// plain fields and a script.
#include "ui/ModalResult.h"

namespace tgl {

class TOptionsDlg;

// What the controls show. A radio group's index is -1 when none of its choices is checked.
struct TOptionsValues {
  bool ConfirmDelete = false;      // ConfirmDeleteCheck
  bool ConfirmDefault = false;     // ConfirmDefaultCheck
  bool ConfirmRegistry = false;    // ConfirmRegistryCheck
  int ApplicationsIndex = -1;      // ApplicationsRadio: Icons, List
  int SaveIndex = -1;              // SaveRadioGroup: Auto saving, Confirm saving
  int LaunchIndex = -1;            // LaunchRadio: Stay normal, Minimize, Exit
  int ToolbarIndex = -1;           // ToolbarRadio: Generic, IE Style
  bool AutoRun = false;            // AutoRunCheck
  bool AutoRunEnabled = true;      // whether the user may change AutoRunCheck
  bool WarnRegistry = false;       // WarnRegistryCheck
  bool RestoreDriverSettings = false;  // RestoreCheck
  friend bool operator==(const TOptionsValues&, const TOptionsValues&) = default;
};

class TOptionsView {
public:
  virtual ~TOptionsView() = default;
  virtual void ShowValues(const TOptionsValues& values) = 0;
  // What the controls hold now, or held when the window closed.
  virtual TOptionsValues Values() const = 0;
  // Shows the window until it closes, and how it closed; it raises the dialog's FormShow
  // as the window appears.
  virtual TModalResult ShowModal(TOptionsDlg& dialog) = 0;
};

}  // namespace tgl
