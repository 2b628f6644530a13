#pragma once
// The layout of the game properties dialog TGamePropDlg, in pixels of its client area.
#include "ui/DialogLayout.h"

namespace tgl::GamePropLayout {

inline constexpr int ClientWidth = 432;
// The original controls fill 155 pixels; "Wait for program" below the parameters adds 30.
inline constexpr int ClientHeight = 185;

enum : int {
  FilenameLabel = 100,
  FilenameEdit,
  GetFilenameButton,
  NameLabel,
  NameEdit,
  ParametersLabel,
  ParametersEdit,
  Panel1,
  Image1,
  WaitForLabel,
  WaitForEdit,
};

using enum TDialogItemKind;

inline constexpr TDialogItem Items[] = {
    {FilenameLabel, dkLabel, "Application &file", 8, 8, 200, 13},
    {FilenameEdit, dkEdit, "", 8, 24, 337, 21,
     "Application file name with full path to it"},
    {GetFilenameButton, dkButton, "...", 349, 23, 23, 23,
     "Click this button to browse for application file"},
    {NameLabel, dkLabel, "Application &title", 8, 52, 200, 13},
    {NameEdit, dkEdit, "", 8, 68, 364, 21,
     "Name that will be included in list of supported games"},
    {ParametersLabel, dkLabel, "&Parameters", 8, 96, 200, 13},
    {ParametersEdit, dkEdit, "", 8, 112, 244, 21,
     "Command line parameters used when launching game"},
    {WaitForLabel, dkLabel, "&Wait for program", 8, 140, 200, 13},
    {WaitForEdit, dkEdit, "", 8, 156, 244, 21,
     "Program file that the game's launcher starts: settings are restored when it ends"},
    {OKButtonId, dkDefaultButton, "OK", 268, 122, 75, 25},
    {CancelButtonId, dkButton, "Cancel", 349, 122, 75, 25},
    {Panel1, dkBevel, "", 384, 16, 40, 40},
    {Image1, dkIcon, "", 388, 20, 32, 32},
};

inline constexpr TDialogLayout Layout{ClientWidth, ClientHeight, Items};

}  // namespace tgl::GamePropLayout
