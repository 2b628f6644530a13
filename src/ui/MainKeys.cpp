#include "ui/MainKeys.h"

namespace tgl {

std::optional<TMainAction> ActionOfShortcut(int key, TShiftState shift) {
  if (!shift.Ctrl || shift.Alt || shift.Shift || key == 0) return std::nullopt;
  for (const TActionKeys& keys : MainActionKeys)
    if (keys.ShortcutKey == key) return keys.Action;
  return std::nullopt;
}

bool IsHelpKey(int key, TShiftState shift) {
  return key == vkF1 && !shift.Ctrl && !shift.Alt && !shift.Shift;
}

std::string KeysText(TMainAction action) {
  const TActionKeys& keys = KeysOf(action);
  std::string text(keys.ListKey);
  if (!keys.ShortcutName.empty()) {
    if (!text.empty()) text += ", ";
    text += keys.ShortcutName;
  }
  return text;
}

std::string TooltipText(TMainAction action) {
  std::string text(DefinitionOf(action).Hint);
  std::string keys = KeysText(action);
  if (!keys.empty()) text += " (" + keys + ")";
  return text;
}

std::string MenuItemText(TMainAction action, std::string_view caption) {
  std::string text;
  if (!caption.empty()) text.append(1, '&').append(caption);
  std::string_view listKey = KeysOf(action).ListKey;
  if (!listKey.empty()) text.append(1, '\t').append(listKey);
  return text;
}

}  // namespace tgl
