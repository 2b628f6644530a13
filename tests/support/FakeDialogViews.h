#pragma once
// The game properties and options dialogs as plain fields, for the tests of their logic. A
// test scripts the user: what the file chooser answers, and what the user does while the
// dialog is open (a function that edits the fields and names the button pressed). OK runs
// the dialog's FormCloseQuery as the window does; a refused OK asks the user again, so a
// script sees its own refusals.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/GamePropView.h"
#include "ui/OptionsView.h"

namespace tgl::test {

// What the game properties dialogs of one test showed and what their user does.
struct TGamePropScript {
  // Of the last dialog: the texts of its edits, as it closed or as they are now.
  std::string Caption;
  std::string Filename;
  std::string Name;
  std::string Parameters;
  std::string WaitForProgram;
  bool NameFocused = false;
  // The icon index Image1 shows; nullopt when it shows none.
  std::optional<int> IconShown;
  // The user while the dialog is open; nullptr: presses Cancel.
  std::function<TModalResult(TGamePropDlg&, TGamePropScript&)> User;
  int DialogsShown = 0;
  int OKRefused = 0;
};

// The user presses "...": a chooser cancelled changes nothing, as in the window.
void ClickGetFilenameButton(TGamePropDlg& dialog);

class TFakeGamePropView : public TGamePropView {
public:
  explicit TFakeGamePropView(TGamePropScript& script);
  void SetCaption(const std::string& caption) override { Script.Caption = caption; }
  std::string FilenameText() const override { return Script.Filename; }
  void SetFilenameText(const std::string& text) override { Script.Filename = text; }
  std::string NameText() const override { return Script.Name; }
  void SetNameText(const std::string& text) override { Script.Name = text; }
  std::string ParametersText() const override { return Script.Parameters; }
  void SetParametersText(const std::string& text) override { Script.Parameters = text; }
  std::string WaitForProgramText() const override { return Script.WaitForProgram; }
  void SetWaitForProgramText(const std::string& text) override { Script.WaitForProgram = text; }
  void FocusNameEdit() override { Script.NameFocused = true; }
  void ShowIcon(std::unique_ptr<TFileIcon> icon) override;
  TModalResult ShowModal(TGamePropDlg& dialog) override;

private:
  TGamePropScript& Script;
  std::unique_ptr<TFileIcon> Icon;
};

// What the options dialogs of one test showed and what their user does.
struct TOptionsScript {
  // What the last dialog's controls showed when it appeared, and hold now.
  TOptionsValues Shown;
  TOptionsValues Current;
  // The user while the dialog is open; nullptr: presses Cancel.
  std::function<TModalResult(TOptionsValues&)> User;
  int DialogsShown = 0;
};

class TFakeOptionsView : public TOptionsView {
public:
  explicit TFakeOptionsView(TOptionsScript& script) : Script(script) {}
  void ShowValues(const TOptionsValues& values) override {
    Script.Shown = values;
    Script.Current = values;
  }
  TOptionsValues Values() const override { return Script.Current; }
  TModalResult ShowModal(TOptionsDlg& dialog) override;

private:
  TOptionsScript& Script;
};

}  // namespace tgl::test
