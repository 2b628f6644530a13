#pragma once
// What a mouse message from the notification area does to a tray icon. The menu opens
// only while the icon has one (a modal dialog takes it away) and only while the
// application's window is hidden or minimised: with the window on screen, its own menus
// and commands are the way in.
namespace tgl {

enum class TTrayMouse { tmOther, tmRightButtonUp, tmLeftDoubleClick };
enum class TTrayAction { taNone, taPopupMenu, taDoubleClick };

TTrayAction TrayActionFor(TTrayMouse mouse, bool hasMenu, bool applicationShown);

}  // namespace tgl
