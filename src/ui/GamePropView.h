#pragma once
// The game properties dialog as its logic (TGamePropDlg) sees it: the three edits by their
// role, the program file's icon, the file chooser and the modal run. The Win32 dialog
// implements it over real windows; the tests implement it with plain fields and a script.
//
// Only the logic decides: the view shows what it is told and raises the logic's handlers
// of its events.
#include <memory>
#include <string>

#include "platform/ShellCalls.h"
#include "ui/ModalResult.h"

namespace tgl {

class TGamePropDlg;

class TGamePropView {
public:
  virtual ~TGamePropView() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  // FilenameEdit, NameEdit, ParametersEdit and WaitForEdit. They may be set before the window appears,
  // and they keep the texts they held when it closed.
  virtual std::string FilenameText() const = 0;
  virtual void SetFilenameText(const std::string& text) = 0;
  virtual std::string NameText() const = 0;
  virtual void SetNameText(const std::string& text) = 0;
  virtual std::string ParametersText() const = 0;
  virtual void SetParametersText(const std::string& text) = 0;
  virtual std::string WaitForProgramText() const = 0;
  virtual void SetWaitForProgramText(const std::string& text) = 0;
  // NameEdit gets the focus, or has it first when the window has yet to appear.
  virtual void FocusNameEdit() = 0;
  // Image1 shows the icon, or nothing for nullptr; it frees the icon it showed before.
  virtual void ShowIcon(std::unique_ptr<TFileIcon> icon) = 0;
  // Shows the window until it closes, and how it closed. Meanwhile it raises the dialog's
  // FormShow as the window appears, FormCloseQuery before it closes with OK (it stays open
  // when that says no), GetFilenameButtonClick for "..." and FilenameEditExit when the
  // focus leaves the file edit.
  virtual TModalResult ShowModal(TGamePropDlg& dialog) = 0;
};

}  // namespace tgl
