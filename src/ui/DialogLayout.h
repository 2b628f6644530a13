#pragma once
// A dialog's controls as data, in pixels of its client area. The Win32 dialog creates them
// in this order, which is their tab order; the tests check where they lie.
#include <span>

namespace tgl {

enum class TDialogItemKind {
  dkLabel,          // static text; its "&" gives the control after it a mnemonic
  dkEdit,           // single-line edit
  dkButton,         // push button
  dkDefaultButton,  // the push button that Enter presses
  dkCheckBox,
  dkRadioButton,    // a choice of the radio group whose other choices it follows
  dkGroupBox,       // a frame with a caption around the controls after it
  dkBevel,          // a lowered frame
  dkIcon,           // a 32 x 32 icon; it lies inside the bevel before it
};

struct TDialogItem {
  int Id;
  TDialogItemKind Kind;
  const char* Caption;
  int Left;
  int Top;
  int Width;
  int Height;
  const char* Hint = nullptr;
};

struct TDialogLayout {
  int ClientWidth;
  int ClientHeight;
  std::span<const TDialogItem> Items;
};

// The control IDs of OK and Cancel, as the dialog manager knows them (IDOK, IDCANCEL).
inline constexpr int OKButtonId = 1;
inline constexpr int CancelButtonId = 2;

}  // namespace tgl
