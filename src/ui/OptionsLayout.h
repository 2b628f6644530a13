#pragma once
// The layout of the options dialog TOptionsDlg, in pixels of its client area. The choices
// of a radio group follow its frame, and their IDs follow the frame's: the choice of index
// i has the ID of the frame + 1 + i.
#include "ui/DialogLayout.h"

namespace tgl::OptionsLayout {

inline constexpr int ClientWidth = 280;
// The original controls fill 327 pixels; the group "After the game" below them adds 48.
inline constexpr int ClientHeight = 375;

enum : int {
  ConfirmationsGroup = 100,
  ConfirmDeleteCheck,
  ConfirmDefaultCheck,
  ConfirmRegistryCheck,
  ApplicationsRadio = 110,
  SaveRadioGroup = 120,
  LaunchRadio = 130,
  ToolbarRadio = 140,
  AutoRunCheck = 150,
  WarningsGroup = 160,
  WarnRegistryCheck,
  AfterGameGroup = 170,
  RestoreCheck,
};

// The ID of a radio group's choice.
constexpr int ChoiceId(int radioGroup, int index) { return radioGroup + 1 + index; }

using enum TDialogItemKind;

inline constexpr TDialogItem Items[] = {
    {ConfirmationsGroup, dkGroupBox, "Confirmations", 8, 6, 264, 82},
    {ConfirmDeleteCheck, dkCheckBox, "Confirm &deletion", 18, 24, 246, 17},
    {ConfirmDefaultCheck, dkCheckBox, "Confirm upload de&fault settings", 18, 44, 246, 17},
    {ConfirmRegistryCheck, dkCheckBox, "Confirm upload from re&gistry ", 18, 64, 246, 17},
    {ApplicationsRadio, dkGroupBox, "Show applications as", 8, 94, 128, 62},
    {ChoiceId(ApplicationsRadio, 0), dkRadioButton, "&Icons", 18, 112, 110, 17},
    {ChoiceId(ApplicationsRadio, 1), dkRadioButton, "&List", 18, 132, 110, 17},
    {SaveRadioGroup, dkGroupBox, "Save settings ", 144, 94, 128, 62},
    {ChoiceId(SaveRadioGroup, 0), dkRadioButton, "&Auto saving", 154, 112, 110, 17},
    {ChoiceId(SaveRadioGroup, 1), dkRadioButton, "&Confirm saving", 154, 132, 110, 17},
    {LaunchRadio, dkGroupBox, "On game launch", 8, 162, 128, 82},
    {ChoiceId(LaunchRadio, 0), dkRadioButton, "Stay &normal", 18, 180, 110, 17},
    {ChoiceId(LaunchRadio, 1), dkRadioButton, "&Minimize", 18, 200, 110, 17},
    {ChoiceId(LaunchRadio, 2), dkRadioButton, "E&xit", 18, 220, 110, 17},
    {ToolbarRadio, dkGroupBox, "Toolbar style", 144, 162, 128, 62},
    {ChoiceId(ToolbarRadio, 0), dkRadioButton, "G&eneric", 154, 180, 110, 17},
    {ChoiceId(ToolbarRadio, 1), dkRadioButton, "IE &Style", 154, 200, 110, 17},
    {AutoRunCheck, dkCheckBox, "&Run on Windows start", 146, 228, 126, 17},
    {WarningsGroup, dkGroupBox, "Warnings", 8, 250, 264, 42},
    {WarnRegistryCheck, dkCheckBox, "&Warn on wrong value readed from registry ", 18, 268, 246, 17},
    {AfterGameGroup, dkGroupBox, "After the game", 8, 298, 264, 42},
    {RestoreCheck, dkCheckBox, "Restore driver se&ttings when the game ends", 18, 316, 246, 17},
    {OKButtonId, dkDefaultButton, "OK", 116, 345, 75, 25},
    {CancelButtonId, dkButton, "Cancel", 197, 345, 75, 25},
};

inline constexpr TDialogLayout Layout{ClientWidth, ClientHeight, Items};

}  // namespace tgl::OptionsLayout
