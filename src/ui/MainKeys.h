#pragma once
// The keys of the main window's commands. The game list has its own keys for the commands
// on its games (Enter, Ins, Del, F2: GamesListKeyDown); every command also has a Ctrl key
// that works wherever the focus is in the window, except Delete, whose Del belongs to the
// list alone. The keys are written beside the game list menu's items and in the toolbar's
// tooltips, so users find them where they look.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/ListViewControl.h"
#include "ui/MainActions.h"

namespace tgl {

inline constexpr int vkF1 = 0x70;

struct TActionKeys {
  TMainAction Action;
  std::string_view ListKey;       // the game list's key, as the menu writes it; empty: none
  int ShortcutKey;                // virtual-key code held with Ctrl; 0: none
  std::string_view ShortcutName;  // as the tooltip writes it
};

inline constexpr std::array<TActionKeys, MainActionCount> MainActionKeys{{
    {TMainAction::maNew, "Ins", 'N', "Ctrl+N"},
    {TMainAction::maExecute, "Enter", 'R', "Ctrl+R"},
    {TMainAction::maDefault, "", 'D', "Ctrl+D"},
    {TMainAction::maRegistry, "", 'U', "Ctrl+U"},  // "Upload current registry settings"
    {TMainAction::maEdit, "F2", 'E', "Ctrl+E"},
    {TMainAction::maDelete, "Del", 0, ""},
    {TMainAction::maAbout, "", vkF1, "Ctrl+F1"},  // F1 alone opens the user's guide
    {TMainAction::maOptions, "", 'O', "Ctrl+O"},
}};

// The table lists the actions in the order of the enumeration.
constexpr const TActionKeys& KeysOf(TMainAction action) {
  return MainActionKeys[static_cast<size_t>(action)];
}

// The action of a key pressed with Ctrl alone; nullopt for any other key or modifier (the
// card box's Ctrl+Alt+I among them).
std::optional<TMainAction> ActionOfShortcut(int key, TShiftState shift);

// F1 alone: the user's guide, in the main window and its dialogs.
bool IsHelpKey(int key, TShiftState shift);

// "Enter, Ctrl+R": the keys of an action, the list's first.
std::string KeysText(TMainAction action);

// The toolbar's tooltip of an action: its hint and its keys, "Configure program (Ctrl+O)".
std::string TooltipText(TMainAction action);

// The game list menu's item of an action: its caption with its first letter as the
// mnemonic, and the list's key after a tab: "&Run\tEnter", "&Apply\tEnter".
std::string MenuItemText(TMainAction action, std::string_view caption);

}  // namespace tgl
