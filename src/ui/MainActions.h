#pragma once
// The actions of the main window: each command has one, and the toolbar buttons, the menu
// items and the keys of the game list run the command through it, so a disabled action
// does nothing whichever way it is triggered.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tgl {

enum class TMainAction {
  maNew,       // ActionNew
  maExecute,   // ExecuteAction: Run, or Apply on the Default entry
  maDefault,   // DefaultAction
  maRegistry,  // RegistryAction
  maEdit,      // EditAction
  maDelete,    // DeleteAction
  maAbout,     // AboutAction
  maOptions,   // OptionsAction
};

inline constexpr int MainActionCount = 8;

struct TActionDefinition {
  TMainAction Action;
  std::string_view Name;
  std::string_view Caption;
  std::string_view Hint;
  int ImageIndex;  // in ImageListStandart
};

inline constexpr std::array<TActionDefinition, MainActionCount> MainActions{{
    {TMainAction::maNew, "ActionNew", "New", "Create run profile for new program", 0},
    {TMainAction::maExecute, "ExecuteAction", "Run", "Apply settings and run program", 1},
    {TMainAction::maDefault, "DefaultAction", "Default",
     "Load default configuration for current program", 3},
    {TMainAction::maRegistry, "RegistryAction", "Registry",
     "Upload current registry settings to Game Launcher", 4},
    {TMainAction::maEdit, "EditAction", "Edit", "Edit game properties", 8},
    {TMainAction::maDelete, "DeleteAction", "Delete", "Delete game profile", 6},
    {TMainAction::maAbout, "AboutAction", "About", "About this program", 7},
    {TMainAction::maOptions, "OptionsAction", "Options", "Configure program", 5},
}};

// The table lists the actions in the order of the enumeration.
constexpr const TActionDefinition& DefinitionOf(TMainAction action) {
  return MainActions[static_cast<size_t>(action)];
}

// ExecuteAction on the Default entry.
inline constexpr std::string_view ApplyCaption = "Apply";
inline constexpr int ApplyImageIndex = 2;

// What an action shows now; the selection of a game changes it.
struct TActionState {
  bool Enabled = true;
  std::string Caption;
  int ImageIndex = 0;
  friend bool operator==(const TActionState&, const TActionState&) = default;
};

// The buttons of both toolbars, left to right; nullopt stands for a separator.
inline constexpr std::array<std::optional<TMainAction>, 11> ToolbarButtons{
    TMainAction::maExecute, std::nullopt,          TMainAction::maNew,
    TMainAction::maEdit,    TMainAction::maDelete, std::nullopt,
    TMainAction::maDefault, TMainAction::maRegistry, std::nullopt,
    TMainAction::maOptions, TMainAction::maAbout};

}  // namespace tgl
