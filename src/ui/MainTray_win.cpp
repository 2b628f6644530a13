#include "ui/MainTray_win.h"

#include "ResourceIds.h"
#include "app/RootUnit.h"

namespace tgl {
namespace {

const char* const BarCaption = "Tesmora GL";

}  // namespace

TMainTray::TMainTray(HWND application, HIMAGELIST images, TTrayHandlers handlers)
    : Handlers(std::move(handlers)), Menu(BarCaption) {
  auto action = [this](TMainAction chosen) { return [this, chosen] { Handlers.Execute(chosen); }; };
  auto add = [&](const char* caption, TMainAction chosen) {
    const TActionDefinition& definition = DefinitionOf(chosen);
    int item = Menu.AddItem(caption, action(chosen), definition.ImageIndex);
    Menu.SetHint(item, std::string(definition.Hint));
    return item;
  };
  Menu.AddItem("&Show Game Launcher", [this] { Handlers.ShowApplication(); }, -1, true);
  Menu.AddSeparator();
  NewItem = add("&New", TMainAction::maNew);
  OptionsItem = add("&Options", TMainAction::maOptions);
  Menu.AddSeparator();
  AboutItem = add("&About", TMainAction::maAbout);
  Menu.AddSeparator();
  Menu.AddItem("E&xit", [this] { Handlers.Exit(); });
  Menu.SetImages(images);
  Menu.SetOnHint([this](const std::string& hint) { Handlers.Hint(hint); });

  Icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY),
                                         IMAGE_ICON, 16, 16, 0));
  Icons = std::make_unique<TTrayIcon>(Icon, ProgramTitle, application);
  Icons->SetMenu(&Menu);
  Icons->SetOnDoubleClick([this] { Handlers.ShowApplication(); });
}

// The icon leaves the notification area before its picture is destroyed.
TMainTray::~TMainTray() {
  Icons.reset();
  if (Icon) ::DestroyIcon(Icon);
}

int TMainTray::ItemOf(TMainAction action) const {
  switch (action) {
    case TMainAction::maNew: return NewItem;
    case TMainAction::maOptions: return OptionsItem;
    case TMainAction::maAbout: return AboutItem;
    default: return -1;
  }
}

void TMainTray::ShowAction(TMainAction action, const TActionState& state) {
  int item = ItemOf(action);
  if (item >= 0) Menu.SetEnabled(item, state.Enabled);
}

void TMainTray::SetMenuPresent(bool present) { Icons->SetMenu(present ? &Menu : nullptr); }

void TMainTray::SetShowImages(bool show) { Menu.SetShowImages(show); }

}  // namespace tgl
