#include "ui/win32/MainToolbars_win.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "base/Errors.h"
#include "ui/MainKeys.h"
#include "ui/MainLayout.h"

namespace tgl {
namespace {

const int GenericToolbarId = 30;
const int CoolBarId = 31;
const int IEToolbarId = 32;

}  // namespace

bool IsActionCommand(int command) {
  return command >= FirstActionCommand && command < FirstActionCommand + MainActionCount;
}

// The tooltip control keeps the pointer it is given: the texts live as long as the program.
const char* TMainToolbars::TooltipOf(int command) {
  if (!IsActionCommand(command)) return "";
  static const std::array<std::string, MainActionCount> tooltips = [] {
    std::array<std::string, MainActionCount> texts;
    for (const TActionDefinition& definition : MainActions)
      texts[static_cast<size_t>(definition.Action)] = TooltipText(definition.Action);
    return texts;
  }();
  return tooltips[static_cast<size_t>(ActionOfCommand(command))].c_str();
}

TMainToolbars::TMainToolbars(HWND parent, int top, int width,
                             const TMainWindowControls& controls, const TToolbarImages& images,
                             HFONT font)
    : WithImages(controls.HasFlatToolbars) {
  using namespace MainLayout;
  for (const TActionDefinition& definition : MainActions)
    Shown[definition.Action] = {true, std::string(definition.Caption), definition.ImageIndex};
  DWORD flat = controls.HasFlatToolbars ? TBSTYLE_FLAT : 0;
  Generic = TWindowHandle(CreateToolbar(parent, GenericToolbarId, GenericButtonWidth,
                                        GenericButtonHeight, flat, images.Standard, nullptr));
  ::SetWindowPos(Generic.Get(), nullptr, 0, top, width, GenericToolbarPanelHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (!controls.HasRebar) return;

  Rebar = TWindowHandle(::CreateWindowExA(
      WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
      WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_NODIVIDER | CCS_NOPARENTALIGN |
          CCS_NORESIZE | RBS_VARHEIGHT,
      0, top, width, IEToolbarPanelHeight, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(CoolBarId)), ::GetModuleHandleA(nullptr),
      nullptr));
  if (!Rebar.Get()) throw EError("Cannot create the toolbar band");
  ::SendMessageA(Rebar.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  REBARINFO bar{};
  bar.cbSize = sizeof bar;
  ::SendMessageA(Rebar.Get(), RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&bar));
  IE = TWindowHandle(CreateToolbar(Rebar.Get(), IEToolbarId, IEButtonWidth, IEButtonHeight,
                                   TBSTYLE_FLAT | TBSTYLE_TRANSPARENT, images.Idle, images.Hot));
  ::SendMessageA(IE.Get(), TB_SETPARENT, reinterpret_cast<WPARAM>(parent), 0);
  SIZE size{};
  ::SendMessageA(IE.Get(), TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  // The band as the rebar of Internet Explorer 3 knows it.
  REBARBANDINFOA band{};
  band.cbSize = REBARBANDINFOA_V3_SIZE;
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE |
               (images.Band ? RBBIM_BACKGROUND : 0);
  band.fStyle = RBBS_FIXEDSIZE | RBBS_NOGRIPPER | RBBS_FIXEDBMP;
  band.hbmBack = images.Band;
  band.hwndChild = IE.Get();
  band.cxMinChild = size.cx;
  band.cyMinChild = IEButtonHeight;
  band.cx = width;
  ::SendMessageA(Rebar.Get(), RB_INSERTBANDA, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&band));
}

HWND TMainToolbars::CreateToolbar(HWND parent, int id, int buttonWidth, int buttonHeight,
                                  DWORD style, HIMAGELIST images, HIMAGELIST hotImages) {
  HWND toolbar = ::CreateWindowExA(
      0, TOOLBARCLASSNAMEA, nullptr,
      WS_CHILD | WS_CLIPSIBLINGS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE |
          TBSTYLE_TOOLTIPS | style,
      0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      ::GetModuleHandleA(nullptr), nullptr);
  if (!toolbar) throw EError("Cannot create the toolbar");
  ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (WithImages && images) {
    int imageWidth = 0, imageHeight = 0;
    ::ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    ::SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    ::SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (hotImages) ::SendMessageA(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages));
  }
  ::SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));
  AddButtons(toolbar);
  return toolbar;
}

int TMainToolbars::StringIndex(HWND toolbar, const std::string& caption) {
  std::map<std::string, int>& strings = Strings[toolbar];
  auto found = strings.find(caption);
  if (found != strings.end()) return found->second;
  // A list of strings, each ended by a zero, the list by one more.
  std::string list = caption + '\0';
  int index = static_cast<int>(
      ::SendMessageA(toolbar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(list.c_str())));
  strings[caption] = index;
  return index;
}

void TMainToolbars::AddButtons(HWND toolbar) {
  for (const std::optional<TMainAction>& action : ToolbarButtons) {
    TBBUTTON button{};
    if (action) {
      const TActionDefinition& definition = DefinitionOf(*action);
      button.iBitmap = WithImages ? definition.ImageIndex : I_IMAGENONE;
      button.idCommand = CommandOf(*action);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = TBSTYLE_BUTTON;
      button.iString = StringIndex(toolbar, std::string(definition.Caption));
    } else {
      button.fsStyle = TBSTYLE_SEP;
    }
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
}

void TMainToolbars::ShowAction(TMainAction action, const TActionState& state) {
  const TActionState& shown = Shown[action];
  bool sameLook = shown.Caption == state.Caption && shown.ImageIndex == state.ImageIndex;
  for (HWND toolbar : {Generic.Get(), IE.Get()})
    if (toolbar) UpdateButton(toolbar, action, state, sameLook);
  Shown[action] = state;
}

// Every comctl32 can delete and insert a button; changing its caption in place needs 4.71.
void TMainToolbars::UpdateButton(HWND toolbar, TMainAction action, const TActionState& state,
                                 bool sameLook) {
  int command = CommandOf(action);
  if (sameLook) {
    ::SendMessageA(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(command),
                   MAKELPARAM(state.Enabled ? TRUE : FALSE, 0));
    return;
  }
  LRESULT index = ::SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0);
  if (index < 0) return;
  TBBUTTON button{};
  button.iBitmap = WithImages ? state.ImageIndex : I_IMAGENONE;
  button.idCommand = command;
  button.fsState = state.Enabled ? TBSTATE_ENABLED : 0;
  button.fsStyle = TBSTYLE_BUTTON;
  button.iString = StringIndex(toolbar, state.Caption);
  ::SendMessageA(toolbar, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
  ::SendMessageA(toolbar, TB_INSERTBUTTONA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&button));
}

void TMainToolbars::Arrange(bool generic) {
  bool plain = generic || !Rebar.Get();
  ::ShowWindow(Generic.Get(), plain ? SW_SHOW : SW_HIDE);
  if (Rebar.Get()) ::ShowWindow(Rebar.Get(), plain ? SW_HIDE : SW_SHOW);
  if (IE.Get()) ::ShowWindow(IE.Get(), plain ? SW_HIDE : SW_SHOW);
}

bool TMainToolbars::HintAt(HWND window, POINT point, std::string& hint) const {
  if (window != Generic.Get() && (!IE.Get() || window != IE.Get())) return false;
  ::ScreenToClient(window, &point);
  LRESULT index = ::SendMessageA(window, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
  hint.clear();
  if (index < 0) return true;
  TBBUTTON button{};
  if (::SendMessageA(window, TB_GETBUTTON, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&button)) &&
      IsActionCommand(button.idCommand))
    hint = DefinitionOf(ActionOfCommand(button.idCommand)).Hint;
  return true;
}

}  // namespace tgl
