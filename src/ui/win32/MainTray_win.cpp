#include "ui/win32/MainTray_win.h"

#include "ResourceIds.h"
#include "base/StartupState.h"

namespace tgl {
namespace {

const char* const BarCaption = "Tesmora GL";

}  // namespace

TMainTray::TMainTray(HWND application, HIMAGELIST images, TTrayHandlers handlers)
    : Handlers(std::move(handlers)), Menu(BarCaption) {
  BuildMenu();
  Menu.SetImages(images);
  Menu.SetOnHint([this](const std::string& hint) { Handlers.Hint(hint); });

  Icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY),
                                         IMAGE_ICON, 16, 16, 0));
  Icons = std::make_unique<TTrayIcon>(Icon, ProgramTitle, application);
  Icons->SetMenu(&Menu);
  Icons->SetOnDoubleClick([this] { Handlers.ShowApplication(); });
}

// A game's caption may hold "&", which a menu would take for a mnemonic.
void TMainTray::BuildMenu() {
  Menu.Clear();
  for (size_t index = 0; index < Games.size(); ++index) {
    std::string caption;
    for (char c : Games[index]) caption += c == '&' ? std::string("&&") : std::string(1, c);
    int position = static_cast<int>(index);
    Menu.AddItem(caption, [this, position] { Handlers.RunGame(position); });
  }
  if (MoreGames) Menu.AddItem("More...", [this] { Handlers.ShowApplication(); });
  if (!Games.empty()) Menu.AddSeparator();
  auto action = [this](TMainAction chosen) { return [this, chosen] { Handlers.Execute(chosen); }; };
  auto add = [&](const char* caption, TMainAction chosen, bool enabled) {
    const TActionDefinition& definition = DefinitionOf(chosen);
    int item = Menu.AddItem(caption, action(chosen), definition.ImageIndex);
    Menu.SetHint(item, std::string(definition.Hint));
    Menu.SetEnabled(item, enabled);
    return item;
  };
  Menu.AddItem("&Show Game Launcher", [this] { Handlers.ShowApplication(); }, -1, true);
  Menu.AddSeparator();
  NewItem = add("&New", TMainAction::maNew, NewEnabled);
  OptionsItem = add("&Options", TMainAction::maOptions, OptionsEnabled);
  Menu.AddSeparator();
  int help = Menu.AddItem("&Help", [this] { Handlers.Help(); });
  Menu.SetHint(help, "Open the user's guide");
  AboutItem = add("&About", TMainAction::maAbout, AboutEnabled);
  Menu.AddSeparator();
  Menu.AddItem("E&xit", [this] { Handlers.Exit(); });
}

void TMainTray::SetGames(const TStrings& captions, bool more) {
  if (captions == Games && more == MoreGames) return;
  Games = captions;
  MoreGames = more;
  BuildMenu();
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
  if (item < 0) return;
  Menu.SetEnabled(item, state.Enabled);
  if (action == TMainAction::maNew) NewEnabled = state.Enabled;
  if (action == TMainAction::maOptions) OptionsEnabled = state.Enabled;
  if (action == TMainAction::maAbout) AboutEnabled = state.Enabled;
}

void TMainTray::SetMenuPresent(bool present) { Icons->SetMenu(present ? &Menu : nullptr); }

void TMainTray::SetShowImages(bool show) { Menu.SetShowImages(show); }

}  // namespace tgl
