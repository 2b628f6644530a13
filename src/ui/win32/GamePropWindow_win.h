#pragma once
// The game properties dialog's window: TGamePropView over a layout dialog. The edits keep
// their texts in fields while the window is not there, so the logic may fill them before
// it appears and read them after it closed. Image1 shows the icon the shell handed out and
// frees it when it shows another or goes.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "ui/GamePropView.h"
#include "ui/win32/LayoutDialog_win.h"

namespace tgl {

class TGamePropWindow : public TGamePropView, private TLayoutDialog {
public:
  explicit TGamePropWindow(HWND owner);
  ~TGamePropWindow() override;

  void SetCaption(const std::string& caption) override { Caption = caption; }
  std::string FilenameText() const override;
  void SetFilenameText(const std::string& text) override;
  std::string NameText() const override;
  void SetNameText(const std::string& text) override;
  std::string ParametersText() const override;
  void SetParametersText(const std::string& text) override;
  std::string WaitForProgramText() const override;
  void SetWaitForProgramText(const std::string& text) override;
  void FocusNameEdit() override;
  void ShowIcon(std::unique_ptr<TFileIcon> icon) override;
  TModalResult ShowModal(TGamePropDlg& dialog) override;

private:
  bool OnInit() override;
  void OnCommand(int id, int code) override;
  bool CanClose() override;
  void OnEnd(TModalResult result) override;
  std::string Text(int edit) const;
  void SetText(int edit, const std::string& text);

  HWND Owner;
  TGamePropDlg* Logic = nullptr;
  std::string Caption = "Program properties";
  // FilenameEdit, NameEdit, ParametersEdit while the window is not there.
  std::array<std::string, 4> Texts;
  bool NameFocusFirst = false;
  std::unique_ptr<TFileIcon> Icon;
};

}  // namespace tgl
