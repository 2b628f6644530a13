#include "ui/win32/GamePropWindow_win.h"

#include "platform/win32/Win32ShellCalls_win.h"
#include "ui/GamePropDlg.h"
#include "ui/GamePropLayout.h"

namespace tgl {
namespace {

using namespace GamePropLayout;

constexpr int EditIds[] = {FilenameEdit, NameEdit, ParametersEdit, WaitForEdit};

size_t SlotOf(int edit) {
  for (size_t slot = 0; slot < std::size(EditIds); ++slot)
    if (EditIds[slot] == edit) return slot;
  return 0;
}

}  // namespace

TGamePropWindow::TGamePropWindow(HWND owner) : TLayoutDialog(GamePropLayout::Layout), Owner(owner) {}

TGamePropWindow::~TGamePropWindow() = default;

std::string TGamePropWindow::Text(int edit) const {
  return Handle() ? ItemText(edit) : Texts[SlotOf(edit)];
}

void TGamePropWindow::SetText(int edit, const std::string& text) {
  Texts[SlotOf(edit)] = text;
  if (Handle()) SetItemText(edit, text);
}

std::string TGamePropWindow::FilenameText() const { return Text(FilenameEdit); }
void TGamePropWindow::SetFilenameText(const std::string& text) { SetText(FilenameEdit, text); }
std::string TGamePropWindow::NameText() const { return Text(NameEdit); }
void TGamePropWindow::SetNameText(const std::string& text) { SetText(NameEdit, text); }
std::string TGamePropWindow::ParametersText() const { return Text(ParametersEdit); }
void TGamePropWindow::SetParametersText(const std::string& text) {
  SetText(ParametersEdit, text);
}
std::string TGamePropWindow::WaitForProgramText() const { return Text(WaitForEdit); }
void TGamePropWindow::SetWaitForProgramText(const std::string& text) {
  SetText(WaitForEdit, text);
}

void TGamePropWindow::FocusNameEdit() {
  if (Handle())
    ::SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(NameEdit)), TRUE);
  else
    NameFocusFirst = true;
}

// The static shows the new icon before the old one is destroyed. Every icon in this program
// comes from TWin32ShellCalls, so it is a TWin32FileIcon.
void TGamePropWindow::ShowIcon(std::unique_ptr<TFileIcon> icon) {
  auto* shown = static_cast<TWin32FileIcon*>(icon.get());
  if (Handle())
    ::SendMessageA(Item(Image1), STM_SETICON,
                   reinterpret_cast<WPARAM>(shown ? shown->Handle() : nullptr), 0);
  Icon = std::move(icon);
}

TModalResult TGamePropWindow::ShowModal(TGamePropDlg& dialog) {
  Logic = &dialog;
  TModalResult result = RunModal(Owner);
  Logic = nullptr;
  return result;
}

bool TGamePropWindow::OnInit() {
  ::SetWindowTextA(Handle(), Caption.c_str());
  for (int edit : EditIds) SetItemText(edit, Texts[SlotOf(edit)]);
  if (Logic) Logic->FormShow();
  ShowIcon(std::move(Icon));
  ::SetFocus(Item(NameFocusFirst ? NameEdit : FilenameEdit));
  return false;
}

void TGamePropWindow::OnCommand(int id, int code) {
  if (!Logic) return;
  if (id == GetFilenameButton && code == BN_CLICKED) Logic->GetFilenameButtonClick();
  if (id == FilenameEdit && code == EN_KILLFOCUS) Logic->FilenameEditExit();
}

bool TGamePropWindow::CanClose() { return !Logic || Logic->FormCloseQuery(); }

// The texts stay readable after the window went; the icon is given back to the static's
// keeping no longer.
void TGamePropWindow::OnEnd(TModalResult) {
  for (int edit : EditIds) Texts[SlotOf(edit)] = ItemText(edit);
  ::SendMessageA(Item(Image1), STM_SETICON, 0, 0);
  Icon.reset();
}

}  // namespace tgl
