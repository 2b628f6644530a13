// A small test driver for the end-to-end tests: it finds the program's windows under Wine,
// reads what they show and presses their buttons, as a user would. Each command polls with
// a bound and prints one line; the exit code is 0 on success, 2 on a time-out.
//
//   tgldriver msgbox TIMEOUT_MS            text of the program's message box, then OK
//   tgldriver window CLASS TIMEOUT_MS      waits for a top-level window of that class
//   tgldriver shown CLASS TIMEOUT_MS       waits until it is visible and not minimised
//   tgldriver minimize CLASS               minimises it
//   tgldriver close CLASS                  asks it to close
//   tgldriver tree CLASS TIMEOUT_MS        every window inside it, one line each, depth first
//   tgldriver click CLASS CHILD ID         clicks the visible button of class CHILD and ID
//   tgldriver key CLASS CHILD ID VK        presses key VK on the visible CHILD of that ID
//   tgldriver answer TIMEOUT_MS BUTTON     text of the program's message box, then presses
//                                          BUTTON: ok, cancel, yes or no
//   tgldriver items CLASS                  the game list's items: "ITEM i state=S text=T"
//   tgldriver select CLASS INDEX           clicks the game list's item INDEX
//   tgldriver listkey CLASS VK             presses key VK in the game list
//   tgldriver listmenu CLASS               opens the game list's menu as the keyboard does
//   tgldriver droprows CLASS ID            drops the list of combo box ID and closes it again:
//                                          "DROPPED rows=R", the lines the list has room for
//   tgldriver cards CLASS                  the card box's entries: "CARD i selected=0|1 T"
//   tgldriver pick CLASS INDEX             picks entry INDEX of the card box
//   tgldriver switchgames CLASS COUNT      selects the game list's next item COUNT times (after
//                                          the last the first), as a click selects it, each
//                                          switch handled before the next: "SWITCHES n SELECTED i"
//   tgldriver switchcards CLASS COUNT      picks the card box's next entry COUNT times (after
//                                          the last the first), each pick handled before the
//                                          next: "CHANGES n SELECTED i"
//   tgldriver button CLASS COMMAND         clicks the visible toolbar button of COMMAND;
//                                          DISABLED when it is greyed
//   tgldriver filedialog TITLE TIMEOUT_MS FILE
//                                          types FILE as the file name of the open or save
//                                          dialog of that caption and presses its OK button
//   tgldriver dialog TITLE TIMEOUT_MS      waits for the program's dialog of that caption and
//                                          prints its client size and tree: "DIALOG w,h"
//   tgldriver settext TITLE ID TEXT        sets the text of the dialog's control ID
//   tgldriver dlgclick TITLE ID            clicks the dialog's button ID (posted)
//   tgldriver drop CLASS FILE              drops FILE on the top-level window of CLASS
//   tgldriver windows CLASS                how many windows the thread of CLASS's window has,
//                                          children included: "WINDOWS n"
//   tgldriver launch EXE TIMEOUT_MS ARGS   starts EXE in its folder with the command line
//                                          "EXE" ARGS exactly as given (as a shortcut
//                                          gives it); "EXIT n" when it ends in time, else
//                                          "RUNNING" (it is left running)
//   tgldriver shortcut LNK                 what a shortcut file holds: "TARGET t", "ARGS a",
//                                          "DIR d", "ICON file,index"
//   tgldriver startup EXE CLASS TIMEOUT_MS [ARGS]  starts EXE in its folder with ARGS and
//                                          prints "SHOWN ms": the time until its window of
//                                          CLASS is visible; then closes the window
//
// Messages, menus and the notification area (numbers may be given in hexadecimal, 0x...):
//   tgldriver toplevels                    every top-level window: class, visible, rect, title
//   tgldriver post CLASS MSG WPARAM LPARAM posts a message to the top-level window of CLASS
//   tgldriver send CLASS MSG WPARAM LPARAM TIMEOUT_MS
//                                          sends it; "RESULT n", or TIMEOUT when the window
//                                          has not answered in time (it may be in a menu)
//   tgldriver ask CLASS CHILD ID MSG WPARAM LPARAM
//                                          sends a message to a child: "RESULT n"
//   tgldriver postkey CLASS VK             presses key VK in the top-level window of CLASS,
//                                          through its message queue (a dialog's Esc, Enter)
//   tgldriver focus CLASS                  the window with the keyboard focus in CLASS's
//                                          thread: "FOCUS class id=ID text=T"
//   tgldriver focuskey CLASS VK            presses key VK in that window with the focus
//   tgldriver cursor X Y                   moves the mouse pointer to X, Y on the screen
//   tgldriver popupmenu TIMEOUT_MS         waits for an open popup menu: "MENU at=l,t,w,h"
//   tgldriver menus                        how many popup menus are open now: "MENUS n"
//   tgldriver menukeys KEY...              presses keys in the open popup menu: a number is
//                                          a virtual key, a letter is typed as that character
//   tgldriver trayicons N TIMEOUT_MS       waits until Wine's notification area holds N icons:
//                                          "TRAYICONS n" (the count at the end)
//   tgldriver traytip TIMEOUT_MS TIP       waits until an icon there has the tip TIP; then
//                                          "TRAYTIP t" for each icon's tip
//   tgldriver explorerrestart CLASS        what a restart of Explorer does to the icon of
//                                          CLASS's window: it goes, then "TaskbarCreated"
//                                          is broadcast
//
// The commands that act post their input and return at once, so a message box that the
// program opens in answer does not hold the driver up; read it with msgbox or answer.
// Windows of another process take no pointers: what the list view and the toolbar give
// through a record is read through memory borrowed in the program's process.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const ProgramTitle = "Tesmora Game Launcher";
const int MessageBoxTextId = 0xFFFF;  // the static text of a standard message box
const DWORD PollMilliseconds = 50;

// What `found` gives once it gives something (a window, true), or nothing after the time-out.
template <typename Found>
auto PollFor(DWORD timeoutMs, Found found) -> decltype(found()) {
  DWORD start = ::GetTickCount();
  for (;;) {
    if (auto result = found()) return result;
    if (::GetTickCount() - start >= timeoutMs) return {};
    ::Sleep(PollMilliseconds);
  }
}

// Line breaks are printed as \r and \n so the output stays one line.
std::string Escaped(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\r') result += "\\r";
    else if (c == '\n') result += "\\n";
    else result += c;
  }
  return result;
}

// Asked with WM_GETTEXT: GetWindowTextA gives only the stored title of another process's
// window, never a combo box's selected entry.
std::string WindowText(HWND window) {
  char buffer[4096] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

int MessageBoxCommand(DWORD timeoutMs) {
  HWND box = PollFor(timeoutMs, [] {
    HWND candidate = ::FindWindowA("#32770", ProgramTitle);
    return candidate && ::IsWindowVisible(candidate) ? candidate : nullptr;
  });
  if (!box) {
    std::printf("TIMEOUT no message box\n");
    return 2;
  }
  HWND text = ::GetDlgItem(box, MessageBoxTextId);
  std::printf("TEXT %s\n", Escaped(text ? WindowText(text) : std::string()).c_str());
  std::fflush(stdout);
  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return 0;
}

int AnswerCommand(DWORD timeoutMs, const std::string& button) {
  int id = button == "yes" ? IDYES : button == "no" ? IDNO : button == "cancel" ? IDCANCEL : IDOK;
  HWND box = PollFor(timeoutMs, [] {
    HWND candidate = ::FindWindowA("#32770", ProgramTitle);
    return candidate && ::IsWindowVisible(candidate) ? candidate : nullptr;
  });
  if (!box) {
    std::printf("TIMEOUT no message box\n");
    return 2;
  }
  HWND text = ::GetDlgItem(box, MessageBoxTextId);
  std::printf("TEXT %s\n", Escaped(text ? WindowText(text) : std::string()).c_str());
  std::fflush(stdout);
  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  return 0;
}

int WindowCommand(const char* className, DWORD timeoutMs, bool mustBeShown) {
  HWND window = PollFor(timeoutMs, [&] {
    HWND candidate = ::FindWindowA(className, nullptr);
    if (candidate && mustBeShown && (!::IsWindowVisible(candidate) || ::IsIconic(candidate)))
      return HWND(nullptr);
    return candidate;
  });
  if (!window) {
    std::printf("TIMEOUT no window %s\n", className);
    return 2;
  }
  std::printf("WINDOW %s visible=%d iconic=%d title=%s\n", className,
              ::IsWindowVisible(window) ? 1 : 0, ::IsIconic(window) ? 1 : 0,
              WindowText(window).c_str());
  return 0;
}

int PostCommand(const char* className, UINT message, WPARAM wParam) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  if (message == WM_SYSCOMMAND && wParam == SC_MINIMIZE)
    ::ShowWindow(window, SW_MINIMIZE);
  else
    ::PostMessageA(window, message, wParam, 0);
  std::printf("DONE\n");
  return 0;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

// What a control holds besides its text: a button's check state (or that it is a group box), a combo box's entries and
// selection, a tab control's tabs and selected tab.
std::string StateOf(HWND window) {
  std::string kind = ClassOf(window);
  auto number = [](LRESULT value) { return std::to_string(static_cast<long long>(value)); };
  if (lstrcmpiA(kind.c_str(), "Button") == 0) {
    if ((::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) return "groupbox";
    return "check=" + number(::SendMessageA(window, BM_GETCHECK, 0, 0));
  }
  if (lstrcmpiA(kind.c_str(), "ComboBox") == 0)
    return "items=" + number(::SendMessageA(window, CB_GETCOUNT, 0, 0)) +
           ",selected=" + number(::SendMessageA(window, CB_GETCURSEL, 0, 0));
  if (lstrcmpiA(kind.c_str(), WC_TABCONTROLA) == 0)
    return "tabs=" + number(::SendMessageA(window, TCM_GETITEMCOUNT, 0, 0)) +
           ",selected=" + number(::SendMessageA(window, TCM_GETCURSEL, 0, 0));
  return "-";
}

// depth class id=ID visible=V at=left,top,width,height state=S text=T; the position is in
// the parent's client area, visible is the window's own style bit.
void PrintTree(HWND parent, int depth) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    bool visible = (::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0;
    std::printf("%d %s id=%d visible=%d at=%ld,%ld,%ld,%ld state=%s text=%s\n", depth,
                ClassOf(child).c_str(), ::GetDlgCtrlID(child), visible ? 1 : 0, rect.left,
                rect.top, rect.right - rect.left, rect.bottom - rect.top, StateOf(child).c_str(),
                Escaped(WindowText(child)).c_str());
    PrintTree(child, depth + 1);
  }
}

int TreeCommand(const char* className, DWORD timeoutMs) {
  HWND window = PollFor(timeoutMs, [&] {
    HWND candidate = ::FindWindowA(className, nullptr);
    return candidate && ::IsWindowVisible(candidate) ? candidate : nullptr;
  });
  if (!window) {
    std::printf("TIMEOUT no window %s\n", className);
    return 2;
  }
  PrintTree(window, 0);
  return 0;
}

struct TChildSearch {
  const char* ClassName;
  int Id;
  HWND Found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TChildSearch*>(lParam);
  if (::GetDlgCtrlID(window) == search->Id && ::IsWindowVisible(window) &&
      lstrcmpiA(ClassOf(window).c_str(), search->ClassName) == 0) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

// The first visible window of that class and control ID anywhere inside a top-level window.
HWND FindChild(const char* topClass, const char* childClass, int id) {
  HWND top = ::FindWindowA(topClass, nullptr);
  if (!top) return nullptr;
  TChildSearch search{childClass, id, nullptr};
  ::EnumChildWindows(top, &MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

int ChildCommand(const char* topClass, const char* childClass, int id, UINT key) {
  HWND child = FindChild(topClass, childClass, id);
  if (!child) {
    std::printf("MISSING %s %d\n", childClass, id);
    return 2;
  }
  if (key == 0) {
    ::SendMessageA(child, BM_CLICK, 0, 0);
  } else {
    ::SendMessageA(child, WM_KEYDOWN, key, 1);
    ::SendMessageA(child, WM_KEYUP, key, 0xC0000001);
  }
  std::printf("DONE\n");
  return 0;
}

// The list of a list-only combo box is a window of its own while it is dropped.
BOOL CALLBACK FindDroppedList(HWND window, LPARAM found) {
  if (::IsWindowVisible(window) && ClassOf(window) == "ComboLBox") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

int DropRowsCommand(const char* topClass, int id) {
  HWND box = FindChild(topClass, "ComboBox", id);
  if (!box) {
    std::printf("MISSING ComboBox %d\n", id);
    return 2;
  }
  ::SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
  HWND list = nullptr;
  ::EnumThreadWindows(::GetWindowThreadProcessId(box, nullptr), &FindDroppedList,
                      reinterpret_cast<LPARAM>(&list));
  RECT client{};
  if (list) ::GetClientRect(list, &client);
  const LRESULT line = ::SendMessageA(box, CB_GETITEMHEIGHT, 0, 0);
  ::SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
  if (!list || line <= 0) {
    std::printf("MISSING dropped list\n");
    return 2;
  }
  std::printf("DROPPED rows=%ld\n", static_cast<long>(client.bottom / line));
  return 0;
}

UINT_PTR Number(const char* text) { return static_cast<UINT_PTR>(std::strtoull(text, nullptr, 0)); }

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  std::printf("%s visible=%d at=%ld,%ld,%ld,%ld title=%s\n", ClassOf(window).c_str(),
              ::IsWindowVisible(window) ? 1 : 0, rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top, Escaped(WindowText(window)).c_str());
  return TRUE;
}

// The file name box of the common file dialogs: the edit inside the combo box cmb13 of the
// Explorer-style dialog, or edt1 of the old one. The combo box itself would keep the text
// to itself under Wine.
int FileDialogCommand(const char* title, DWORD timeoutMs, const char* file) {
  HWND dialog = PollFor(timeoutMs, [&] {
    HWND candidate = ::FindWindowA("#32770", title);
    return candidate && ::IsWindowVisible(candidate) ? candidate : nullptr;
  });
  if (!dialog) {
    std::printf("TIMEOUT no file dialog %s\n", title);
    return 2;
  }
  HWND name = nullptr;
  for (int id : {1148, 1152}) {
    TChildSearch search{"Edit", id, nullptr};
    ::EnumChildWindows(dialog, &MatchChild, reinterpret_cast<LPARAM>(&search));
    if (search.Found) {
      name = search.Found;
      break;
    }
  }
  if (!name) {
    std::printf("MISSING file name box\n");
    return 2;
  }
  ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file));
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  std::printf("DONE\n");
  return 0;
}

int TopLevelsCommand() {
  ::EnumWindows(&PrintTopLevel, 0);
  return 0;
}

int PostMessageCommand(const char* className, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  ::PostMessageA(window, message, wParam, lParam);
  std::printf("DONE\n");
  return 0;
}

int SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
    std::printf("TIMEOUT no answer\n");
    return 2;
  }
  std::printf("RESULT %lld\n", static_cast<long long>(result));
  return 0;
}

int SendMessageCommand(const char* className, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  return SendWithTimeout(window, message, wParam, lParam, timeoutMs);
}

int AskChildCommand(const char* topClass, const char* childClass, int id, UINT message, WPARAM wParam,
                    LPARAM lParam) {
  HWND child = FindChild(topClass, childClass, id);
  if (!child) {
    std::printf("MISSING %s %d\n", childClass, id);
    return 2;
  }
  return SendWithTimeout(child, message, wParam, lParam, 10000);
}

void PressKey(HWND window, UINT key) {
  ::PostMessageA(window, WM_KEYDOWN, key, 1);
  ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

int PostKeyCommand(const char* className, UINT key) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  PressKey(window, key);
  std::printf("DONE\n");
  return 0;
}

int FocusCommand(const char* className) {
  HWND window = ::FindWindowA(className, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!window || !::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) {
    std::printf("FOCUS none\n");
    return 2;
  }
  std::printf("FOCUS %s id=%d text=%s\n", ClassOf(info.hwndFocus).c_str(), ::GetDlgCtrlID(info.hwndFocus),
              Escaped(WindowText(info.hwndFocus)).c_str());
  return 0;
}

// A key pressed where the keyboard focus of the window's thread is.
int FocusKeyCommand(const char* className, UINT key) {
  HWND window = ::FindWindowA(className, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!window || !::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ||
      !info.hwndFocus) {
    std::printf("FOCUS none\n");
    return 2;
  }
  PressKey(info.hwndFocus, key);
  std::printf("DONE\n");
  return 0;
}

int CursorCommand(int x, int y) {
  ::SetCursorPos(x, y);
  std::printf("DONE\n");
  return 0;
}

// The class of the windows Windows opens popup menus in.
const char* const PopupMenuClass = "#32768";

HWND OpenPopupMenu() {
  HWND menu = ::FindWindowA(PopupMenuClass, nullptr);
  return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

int PopupMenuCommand(DWORD timeoutMs) {
  HWND menu = PollFor(timeoutMs, OpenPopupMenu);
  if (!menu) {
    std::printf("TIMEOUT no popup menu\n");
    return 2;
  }
  RECT rect;
  ::GetWindowRect(menu, &rect);
  std::printf("MENU at=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  return 0;
}

BOOL CALLBACK CountPopupMenu(HWND window, LPARAM lParam) {
  if (ClassOf(window) == PopupMenuClass && ::IsWindowVisible(window)) ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

int MenusCommand() {
  int count = 0;
  ::EnumWindows(&CountPopupMenu, reinterpret_cast<LPARAM>(&count));
  std::printf("MENUS %d\n", count);
  return 0;
}

// The menu runs its own loop over its thread's queue: keys posted there reach it.
int MenuKeysCommand(int count, char** keys) {
  HWND menu = OpenPopupMenu();
  if (!menu) {
    std::printf("MISSING popup menu\n");
    return 2;
  }
  for (int index = 0; index < count; ++index) {
    const char* key = keys[index];
    if (key[0] >= '0' && key[0] <= '9')
      PressKey(menu, static_cast<UINT>(Number(key)));
    else
      ::PostMessageA(menu, WM_CHAR, static_cast<unsigned char>(key[0]), 1);
  }
  std::printf("DONE\n");
  return 0;
}

// Without a notification area on the desktop, Wine shows the icons in a window of its own,
// one child window per icon.
int TrayIconCount() {
  HWND tray = ::FindWindowA(nullptr, "Wine System Tray");
  int count = 0;
  if (tray && ::IsWindowVisible(tray))
    for (HWND icon = ::GetWindow(tray, GW_CHILD); icon; icon = ::GetWindow(icon, GW_HWNDNEXT))
      if (::IsWindowVisible(icon)) ++count;
  return count;
}

int TrayIconsCommand(int expected, DWORD timeoutMs) {
  bool reached = PollFor(timeoutMs, [&] { return TrayIconCount() == expected; });
  std::printf("TRAYICONS %d\n", TrayIconCount());
  return reached ? 0 : 2;
}

// The notification area forgets the icon (its owner is the window and ID 1), as a crashed
// Explorer does, and then tells every top-level window that it is back.
int ExplorerRestartCommand(const char* className) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = window;
  icon.uID = 1;
  BOOL deleted = ::Shell_NotifyIconA(NIM_DELETE, &icon);
  ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  std::printf("RESTARTED deleted=%d\n", deleted ? 1 : 0);
  return 0;
}

// Memory in the process of a window, for messages whose record must lie there.
class TRemoteBuffer {
public:
  TRemoteBuffer(HWND window, size_t size) : Size(size) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    Process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                            processId);
    if (Process)
      Address = ::VirtualAllocEx(Process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~TRemoteBuffer() {
    if (Address) ::VirtualFreeEx(Process, Address, 0, MEM_RELEASE);
    if (Process) ::CloseHandle(Process);
  }
  TRemoteBuffer(const TRemoteBuffer&) = delete;
  TRemoteBuffer& operator=(const TRemoteBuffer&) = delete;

  bool Valid() const { return Address != nullptr; }
  LPARAM At(size_t offset = 0) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(Address) + offset);
  }
  void Write(const void* data, size_t size, size_t offset = 0) const {
    ::WriteProcessMemory(Process, static_cast<char*>(Address) + offset, data, size, nullptr);
  }
  void Read(void* data, size_t size, size_t offset = 0) const {
    ::ReadProcessMemory(Process, static_cast<char*>(Address) + offset, data, size, nullptr);
  }

private:
  size_t Size;
  HANDLE Process = nullptr;
  void* Address = nullptr;
};

// The tips of the tray's icons. Wine's tray gives each icon a tooltip window of its own,
// whose one tool is the icon's window; the text is read into the tray process's memory.
struct TTooltipSearch {
  DWORD Process = 0;
  std::vector<HWND> Tooltips;
};

BOOL CALLBACK CollectTooltip(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TTooltipSearch*>(data);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process == search->Process && lstrcmpiA(ClassOf(window).c_str(), TOOLTIPS_CLASSA) == 0)
    search->Tooltips.push_back(window);
  return TRUE;
}

std::vector<std::string> TrayTips() {
  std::vector<std::string> tips;
  HWND tray = ::FindWindowA(nullptr, "Wine System Tray");
  if (!tray) return tips;
  TTooltipSearch search;
  ::GetWindowThreadProcessId(tray, &search.Process);
  ::EnumWindows(&CollectTooltip, reinterpret_cast<LPARAM>(&search));
  const size_t textChars = 1024;
  TRemoteBuffer buffer(tray, sizeof(TTTOOLINFOW) + textChars * sizeof(WCHAR));
  if (!buffer.Valid()) return tips;
  for (HWND icon = ::GetWindow(tray, GW_CHILD); icon; icon = ::GetWindow(icon, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(icon)) continue;
    for (HWND tooltip : search.Tooltips) {
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = icon;
      tool.uId = reinterpret_cast<UINT_PTR>(icon);
      tool.lpszText = reinterpret_cast<LPWSTR>(buffer.At(sizeof tool));
      const WCHAR none = 0;
      buffer.Write(&tool, sizeof tool);
      buffer.Write(&none, sizeof none, sizeof tool);
      ::SendMessageW(tooltip, TTM_GETTEXTW, textChars, buffer.At());
      WCHAR wide[textChars] = {};
      buffer.Read(wide, sizeof wide - sizeof(WCHAR), sizeof tool);
      char text[textChars * 2] = {};
      ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
      if (text[0]) {
        tips.push_back(text);
        break;
      }
    }
  }
  return tips;
}

// Waits until a tray icon's tip is `expected`; prints every icon's tip.
int TrayTipCommand(DWORD timeoutMs, const std::string& expected) {
  auto has = [&] {
    std::vector<std::string> tips = TrayTips();
    return std::find(tips.begin(), tips.end(), expected) != tips.end();
  };
  bool reached = PollFor(timeoutMs, has);
  for (const std::string& tip : TrayTips()) std::printf("TRAYTIP %s\n", tip.c_str());
  return reached ? 0 : 2;
}

HWND FindDialog(const char* title) {
  HWND candidate = ::FindWindowA("#32770", title);
  return candidate && ::IsWindowVisible(candidate) ? candidate : nullptr;
}

int DialogCommand(const char* title, DWORD timeoutMs) {
  HWND dialog = PollFor(timeoutMs, [&] { return FindDialog(title); });
  if (!dialog) {
    std::printf("TIMEOUT no dialog %s\n", title);
    return 2;
  }
  RECT client;
  ::GetClientRect(dialog, &client);
  std::printf("DIALOG %ld,%ld\n", client.right, client.bottom);
  PrintTree(dialog, 0);
  return 0;
}

int SetTextCommand(const char* title, int id, const char* text) {
  HWND control = ::GetDlgItem(FindDialog(title), id);
  if (!control) {
    std::printf("MISSING %s %d\n", title, id);
    return 2;
  }
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        5000, &result);
  std::printf("DONE\n");
  return 0;
}

int DialogClickCommand(const char* title, int id) {
  HWND control = ::GetDlgItem(FindDialog(title), id);
  if (!control) {
    std::printf("MISSING %s %d\n", title, id);
    return 2;
  }
  ::PostMessageA(control, BM_CLICK, 0, 0);
  std::printf("DONE\n");
  return 0;
}

// The drop record is left in the program's process: the window reads it after this driver
// has ended, and DragFinish is the program's to call.
int DropCommand(const char* className, const char* file) {
  HWND window = ::FindWindowA(className, nullptr);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (!window || !process) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  std::string record(sizeof(DROPFILES), '\0');
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  std::memcpy(record.data(), &header, sizeof header);
  record += file;
  record.append(2, '\0');
  void* remote = ::VirtualAllocEx(process, nullptr, record.size(), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
  ::WriteProcessMemory(process, remote, record.data(), record.size(), nullptr);
  ::CloseHandle(process);
  ::PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
  std::printf("DONE\n");
  return 0;
}

// Top-level windows of the thread and all their descendants: EnumChildWindows descends by
// itself. Each top level is listed after the count, so a failure shows what was left.
struct TWindowCount {
  int Count = 0;
  std::string TopLevels;
};

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
  ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM lParam) {
  auto* count = reinterpret_cast<TWindowCount*>(lParam);
  int children = 0;
  ::EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&children));
  count->Count += 1 + children;
  count->TopLevels += "TOP " + ClassOf(window) + " visible=" +
                      std::to_string(::IsWindowVisible(window) ? 1 : 0) +
                      " children=" + std::to_string(children) + " title=" +
                      Escaped(WindowText(window)) + "\n";
  return TRUE;
}

int WindowsCommand(const char* className) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  TWindowCount count;
  ::EnumThreadWindows(::GetWindowThreadProcessId(window, nullptr), &CountTopLevel,
                      reinterpret_cast<LPARAM>(&count));
  std::printf("WINDOWS %d\n%s", count.Count, count.TopLevels.c_str());
  return 0;
}

struct TClassSearch {
  const char* ClassName;
  HWND Found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TClassSearch*>(lParam);
  if (::IsWindowVisible(window) && lstrcmpiA(ClassOf(window).c_str(), search->ClassName) == 0) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

// The first visible window of that class inside a top-level window.
HWND FindVisibleChild(const char* topClass, const char* childClass) {
  HWND top = ::FindWindowA(topClass, nullptr);
  if (!top) return nullptr;
  TClassSearch search{childClass, nullptr};
  ::EnumChildWindows(top, &MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND GameList(const char* topClass) { return FindVisibleChild(topClass, WC_LISTVIEWA); }

std::string ListItemText(HWND list, const TRemoteBuffer& remote, int index) {
  const size_t textOffset = sizeof(LVITEMA);
  char text[260] = {};
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = reinterpret_cast<char*>(remote.At(textOffset));
  item.cchTextMax = sizeof text;
  remote.Write(&item, sizeof item);
  ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), remote.At());
  remote.Read(text, sizeof text - 1, textOffset);
  return text;
}

int ItemsCommand(const char* topClass) {
  HWND list = GameList(topClass);
  if (!list) {
    std::printf("MISSING list\n");
    return 2;
  }
  TRemoteBuffer remote(list, sizeof(LVITEMA) + 260);
  LRESULT count = ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  for (int index = 0; index < count; ++index) {
    LRESULT state = ::SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                   LVIS_SELECTED | LVIS_FOCUSED);
    std::printf("ITEM %d state=%ld text=%s\n", index, static_cast<long>(state),
                ListItemText(list, remote, index).c_str());
  }
  return 0;
}

// Presses and releases the left button over the point, as a user's click arrives.
void PostClick(HWND window, POINT point) {
  LPARAM where = MAKELPARAM(point.x, point.y);
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::PostMessageA(window, WM_LBUTTONUP, 0, where);
}

POINT CenterOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

int SelectCommand(const char* topClass, int index) {
  HWND list = GameList(topClass);
  if (!list) {
    std::printf("MISSING list\n");
    return 2;
  }
  TRemoteBuffer remote(list, sizeof(RECT));
  RECT rect{LVIR_ICON, 0, 0, 0};
  remote.Write(&rect, sizeof rect);
  if (!::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), remote.At())) {
    std::printf("MISSING item %d\n", index);
    return 2;
  }
  remote.Read(&rect, sizeof rect);
  PostClick(list, CenterOf(rect));
  std::printf("DONE\n");
  return 0;
}

int ListKeyCommand(const char* topClass, UINT key) {
  HWND list = GameList(topClass);
  if (!list) {
    std::printf("MISSING list\n");
    return 2;
  }
  ::PostMessageA(list, WM_KEYDOWN, key, 1);
  ::PostMessageA(list, WM_KEYUP, key, 0xC0000001);
  std::printf("DONE\n");
  return 0;
}

// WM_CONTEXTMENU at no position, which the Applications key and Shift+F10 send: posted keys
// do not make Wine send it.
int ListMenuCommand(const char* topClass) {
  HWND list = GameList(topClass);
  if (!list) {
    std::printf("MISSING list\n");
    return 2;
  }
  ::PostMessageA(::GetAncestor(list, GA_ROOT), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
                 static_cast<LPARAM>(-1));
  std::printf("DONE\n");
  return 0;
}

// The entries are read with the W messages, which Wine carries between processes.
int CardsCommand(const char* topClass) {
  HWND box = FindVisibleChild(topClass, "ComboBox");
  if (!box) {
    std::printf("MISSING card box\n");
    return 2;
  }
  LRESULT count = ::SendMessageW(box, CB_GETCOUNT, 0, 0);
  LRESULT selected = ::SendMessageW(box, CB_GETCURSEL, 0, 0);
  for (int index = 0; index < count; ++index) {
    wchar_t wide[260] = {};
    if (::SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 260)
      ::SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide));
    char text[520] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    std::printf("CARD %d selected=%d %s\n", index, index == selected ? 1 : 0, text);
  }
  return 0;
}

// As a pick from the list: the selection changes and the window hears of it.
int PickCommand(const char* topClass, int index) {
  HWND box = FindVisibleChild(topClass, "ComboBox");
  if (!box) {
    std::printf("MISSING card box\n");
    return 2;
  }
  ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::PostMessageA(::GetParent(box), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  std::printf("DONE\n");
  return 0;
}

// Sent, not posted: it returns once the window has handled it; false when it has not
// answered in time.
bool SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result) != 0;
}

int SelectedItem(HWND list) {
  return static_cast<int>(
      ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The list view tells the window of the change, and the window may refuse it, as for a click.
int SwitchGamesCommand(const char* topClass, int count) {
  HWND list = GameList(topClass);
  if (!list) {
    std::printf("MISSING list\n");
    return 2;
  }
  TRemoteBuffer remote(list, sizeof(LVITEMA));
  const int items = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  int switches = 0;
  for (; switches < count && items > 1; ++switches) {
    const int next = (SelectedItem(list) + 1) % items;
    LVITEMA item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(&item, sizeof item);
    if (!SendAndWait(list, LVM_SETITEMSTATE, static_cast<WPARAM>(next), remote.At()) ||
        !SendAndWait(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(next), FALSE) ||
        SelectedItem(list) != next)
      break;
  }
  std::printf("SWITCHES %d SELECTED %d\n", switches, SelectedItem(list));
  return switches == count ? 0 : 2;
}

int SwitchCardsCommand(const char* topClass, int count) {
  HWND box = FindVisibleChild(topClass, "ComboBox");
  if (!box) {
    std::printf("MISSING card box\n");
    return 2;
  }
  const LRESULT entries = ::SendMessageA(box, CB_GETCOUNT, 0, 0);
  int changes = 0;
  for (; changes < count && entries > 1; ++changes) {
    const LRESULT next = (::SendMessageA(box, CB_GETCURSEL, 0, 0) + 1) % entries;
    if (!SendAndWait(box, CB_SETCURSEL, static_cast<WPARAM>(next), 0) ||
        !SendAndWait(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box)) ||
        ::SendMessageA(box, CB_GETCURSEL, 0, 0) != next)
      break;
  }
  std::printf("CHANGES %d SELECTED %ld\n", changes,
              static_cast<long>(::SendMessageA(box, CB_GETCURSEL, 0, 0)));
  return changes == count ? 0 : 2;
}

struct TToolbarSearch {
  int Command;
  HWND Found;
};

BOOL CALLBACK MatchToolbar(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TToolbarSearch*>(lParam);
  if (::IsWindowVisible(window) && lstrcmpiA(ClassOf(window).c_str(), TOOLBARCLASSNAMEA) == 0 &&
      ::SendMessageA(window, TB_COMMANDTOINDEX, static_cast<WPARAM>(search->Command), 0) >= 0) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

int ButtonCommand(const char* topClass, int command) {
  HWND top = ::FindWindowA(topClass, nullptr);
  TToolbarSearch search{command, nullptr};
  if (top) ::EnumChildWindows(top, &MatchToolbar, reinterpret_cast<LPARAM>(&search));
  if (!search.Found) {
    std::printf("MISSING button %d\n", command);
    return 2;
  }
  if (!::SendMessageA(search.Found, TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0)) {
    std::printf("DISABLED\n");
    return 3;
  }
  LRESULT index = ::SendMessageA(search.Found, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0);
  TRemoteBuffer remote(search.Found, sizeof(RECT));
  RECT rect{};
  ::SendMessageA(search.Found, TB_GETITEMRECT, static_cast<WPARAM>(index), remote.At());
  remote.Read(&rect, sizeof rect);
  PostClick(search.Found, CenterOf(rect));
  std::printf("DONE\n");
  return 0;
}

int LaunchCommand(const char* exe, DWORD timeoutMs, const char* arguments) {
  std::string folder = exe;
  folder = folder.substr(0, folder.find_last_of("\\/") + 1);
  std::string commandLine = std::string("\"") + exe + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    std::printf("ERROR cannot start %s\n", exe);
    return 1;
  }
  ::CloseHandle(process.hThread);
  DWORD exitCode = 0;
  bool ended = ::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
               ::GetExitCodeProcess(process.hProcess, &exitCode);
  ::CloseHandle(process.hProcess);
  if (!ended) {
    std::printf("RUNNING\n");
    return 0;
  }
  std::printf("EXIT %lu\n", static_cast<unsigned long>(exitCode));
  return 0;
}

int ShortcutCommand(const char* linkPath) {
  ::CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  wchar_t widePath[MAX_PATH] = {};
  ::MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH);
  char target[MAX_PATH] = {}, arguments[1024] = {}, folder[MAX_PATH] = {}, icon[MAX_PATH] = {};
  int iconIndex = 0;
  bool read = SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&link))) &&
              SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
              SUCCEEDED(file->Load(widePath, STGM_READ)) &&
              SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
              SUCCEEDED(link->GetArguments(arguments, sizeof arguments)) &&
              SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)) &&
              SUCCEEDED(link->GetIconLocation(icon, MAX_PATH, &iconIndex));
  if (file) file->Release();
  if (link) link->Release();
  ::CoUninitialize();
  if (!read) {
    std::printf("ERROR cannot read %s\n", linkPath);
    return 1;
  }
  std::printf("TARGET %s\nARGS %s\nDIR %s\nICON %s,%d\n", target, arguments, folder, icon,
              iconIndex);
  return 0;
}

int StartupCommand(const char* exe, const char* className, DWORD timeoutMs, int argc,
                   char** argv) {
  std::string folder = exe;
  folder = folder.substr(0, folder.find_last_of("\\/") + 1);
  std::string commandLine = std::string("\"") + exe + "\"";
  for (int index = 0; index < argc; ++index) commandLine += std::string(" ") + argv[index];
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  DWORD start = ::GetTickCount();
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    std::printf("ERROR cannot start %s\n", exe);
    return 1;
  }
  HWND window = nullptr;
  bool shown = false;
  while (!shown && ::GetTickCount() - start < timeoutMs) {
    window = ::FindWindowA(className, nullptr);
    shown = window && ::IsWindowVisible(window);
    if (!shown) ::Sleep(2);
  }
  DWORD elapsed = ::GetTickCount() - start;
  if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(process.hProcess, timeoutMs);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  if (!shown) {
    std::printf("TIMEOUT no window %s\n", className);
    return 2;
  }
  std::printf("SHOWN %lu\n", static_cast<unsigned long>(elapsed));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "msgbox" && argc == 3) return MessageBoxCommand(std::strtoul(argv[2], nullptr, 10));
  if (command == "window" && argc == 4)
    return WindowCommand(argv[2], std::strtoul(argv[3], nullptr, 10), false);
  if (command == "shown" && argc == 4)
    return WindowCommand(argv[2], std::strtoul(argv[3], nullptr, 10), true);
  if (command == "minimize" && argc == 3) return PostCommand(argv[2], WM_SYSCOMMAND, SC_MINIMIZE);
  if (command == "close" && argc == 3) return PostCommand(argv[2], WM_CLOSE, 0);
  if (command == "tree" && argc == 4) return TreeCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (command == "click" && argc == 5) return ChildCommand(argv[2], argv[3], std::atoi(argv[4]), 0);
  if (command == "key" && argc == 6)
    return ChildCommand(argv[2], argv[3], std::atoi(argv[4]), std::strtoul(argv[5], nullptr, 10));
  if (command == "toplevels" && argc == 2) return TopLevelsCommand();
  if (command == "post" && argc == 6)
    return PostMessageCommand(argv[2], static_cast<UINT>(Number(argv[3])), Number(argv[4]),
                              static_cast<LPARAM>(Number(argv[5])));
  if (command == "send" && argc == 7)
    return SendMessageCommand(argv[2], static_cast<UINT>(Number(argv[3])), Number(argv[4]),
                              static_cast<LPARAM>(Number(argv[5])), static_cast<UINT>(Number(argv[6])));
  if (command == "ask" && argc == 8)
    return AskChildCommand(argv[2], argv[3], std::atoi(argv[4]), static_cast<UINT>(Number(argv[5])),
                           Number(argv[6]), static_cast<LPARAM>(Number(argv[7])));
  if (command == "postkey" && argc == 4) return PostKeyCommand(argv[2], static_cast<UINT>(Number(argv[3])));
  if (command == "focus" && argc == 3) return FocusCommand(argv[2]);
  if (command == "focuskey" && argc == 4)
    return FocusKeyCommand(argv[2], static_cast<UINT>(Number(argv[3])));
  if (command == "cursor" && argc == 4) return CursorCommand(std::atoi(argv[2]), std::atoi(argv[3]));
  if (command == "popupmenu" && argc == 3) return PopupMenuCommand(std::strtoul(argv[2], nullptr, 10));
  if (command == "menus" && argc == 2) return MenusCommand();
  if (command == "menukeys" && argc >= 3) return MenuKeysCommand(argc - 2, argv + 2);
  if (command == "explorerrestart" && argc == 3) return ExplorerRestartCommand(argv[2]);
  if (command == "trayicons" && argc == 4)
    return TrayIconsCommand(std::atoi(argv[2]), std::strtoul(argv[3], nullptr, 10));
  if (command == "traytip" && argc == 4) return TrayTipCommand(std::strtoul(argv[2], nullptr, 10), argv[3]);
  if (command == "answer" && argc == 4)
    return AnswerCommand(std::strtoul(argv[2], nullptr, 10), argv[3]);
  if (command == "items" && argc == 3) return ItemsCommand(argv[2]);
  if (command == "select" && argc == 4) return SelectCommand(argv[2], std::atoi(argv[3]));
  if (command == "listkey" && argc == 4)
    return ListKeyCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (command == "listmenu" && argc == 3) return ListMenuCommand(argv[2]);
  if (command == "droprows" && argc == 4) return DropRowsCommand(argv[2], std::atoi(argv[3]));
  if (command == "cards" && argc == 3) return CardsCommand(argv[2]);
  if (command == "pick" && argc == 4) return PickCommand(argv[2], std::atoi(argv[3]));
  if (command == "switchgames" && argc == 4) return SwitchGamesCommand(argv[2], std::atoi(argv[3]));
  if (command == "switchcards" && argc == 4) return SwitchCardsCommand(argv[2], std::atoi(argv[3]));
  if (command == "button" && argc == 4) return ButtonCommand(argv[2], std::atoi(argv[3]));
  if (command == "filedialog" && argc == 5)
    return FileDialogCommand(argv[2], std::strtoul(argv[3], nullptr, 10), argv[4]);
  if (command == "dialog" && argc == 4) return DialogCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (command == "settext" && argc == 5) return SetTextCommand(argv[2], std::atoi(argv[3]), argv[4]);
  if (command == "dlgclick" && argc == 4) return DialogClickCommand(argv[2], std::atoi(argv[3]));
  if (command == "drop" && argc == 4) return DropCommand(argv[2], argv[3]);
  if (command == "windows" && argc == 3) return WindowsCommand(argv[2]);
  if (command == "shortcut" && argc == 3) return ShortcutCommand(argv[2]);
  if (command == "launch" && argc == 5)
    return LaunchCommand(argv[2], std::strtoul(argv[3], nullptr, 10), argv[4]);
  if (command == "startup" && argc >= 5)
    return StartupCommand(argv[2], argv[3], std::strtoul(argv[4], nullptr, 10), argc - 5, argv + 5);
  std::fprintf(stderr,
               "usage: tgldriver msgbox|answer|window|shown|minimize|close|tree|click|key|items|select|"
               "listkey|cards|pick|switchgames|switchcards|button|startup|toplevels|post|send|ask|postkey|focus|cursor|"
               "popupmenu|menus|menukeys|trayicons|traytip|explorerrestart|dialog|settext|dlgclick|drop|windows ...\n");
  return 1;
}
