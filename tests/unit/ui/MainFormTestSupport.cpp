#include "MainFormTestSupport.h"

#include <stdexcept>

#include "config/IniFile.h"
#include "config/IniSnapshot.h"
#include "options/ControlProxy.h"
#include "support/HeadlessControls.h"

namespace tgl::test {

const std::string GamesFixture =
    "[%%Default%_GeForce%]\r\nGL Force Antialiasing=1\r\n"
    "[Quake]\r\nPath=C:\\Games\\Quake\\quake.exe\r\nParameters=-game ctf\r\n"
    "[%Quake_GeForce%]\r\nGL Anisotropic filtering=2\r\n"
    "[Arena]\r\nPath=C:\\Games\\Arena.exe\r\nParameters=\r\n";

TMainFormTest::TMainFormTest() {
  RegisterBuiltInFrames(Frames);
  Startup().WindowsVersion = wvWindows98;
  DisplayList.Devices = {
      DisplayAdapter("PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1\\BUS_01&DEV_00&FUNC_00",
                     "NVIDIA GeForce2 MX", std::string("\\Registry\\Machine\\") + GeForceDriverKey)};
  Folder.Write("Games.CFG", GamesFixture);
  View.OnFormShow = [this] { Form.FormShow(); };
}

TMainFormTest::~TMainFormTest() { View.OnFormShow = nullptr; }

void TMainFormTest::Create(const TStrings& arguments) {
  Form.FormCreate(arguments);
  if (Form.ShowOnStart()) View.ShowForm();
}

void TMainFormTest::ClickGame(int index) {
  Form.GamesListMouseDown();
  View.Games.MoveSelection(index);
}

void TMainFormTest::KeyToGame(int index) {
  const int down = 0x28;
  if (!Form.GamesListKeyDown(down, {})) View.Games.MoveSelection(index);
}

void TMainFormTest::PickCard(int index) {
  View.SetCardIndex(index);
  Form.DevicesComboChange();
}

int TMainFormTest::GameIndex(const std::string& caption) const {
  for (int index = 0; index < View.Games.Count(); ++index)
    if (View.Games.Caption(index) == caption) return index;
  throw std::logic_error("no game list item " + caption);
}

std::string TMainFormTest::SelectedGame() const {
  int index = View.Games.ItemIndex();
  return index < 0 ? "<none>" : View.Games.Caption(index);
}

THeadlessControl& TMainFormTest::ControlOf(const std::string& optionName) const {
  TFieldHub& hub = *Form.Hub();
  for (int index = 0; index < hub.OptionCount(); ++index) {
    if (hub.Options(index).Name() != optionName) continue;
    auto* proxy = dynamic_cast<TControlProxy*>(hub.Options(index).Proxy());
    auto* control = proxy ? dynamic_cast<THeadlessControl*>(proxy->Control()) : nullptr;
    if (!control) break;
    return *control;
  }
  throw std::logic_error("no control for option " + optionName);
}

std::string TMainFormTest::OptionValue(const std::string& optionName) const {
  TFieldHub& hub = *Form.Hub();
  for (int index = 0; index < hub.OptionCount(); ++index)
    if (hub.Options(index).Name() == optionName) return hub.Options(index).Value();
  throw std::logic_error("no option " + optionName);
}

void TMainFormTest::EditValues() { ControlOf("GL Anisotropic filtering").Click(); }

std::string TMainFormTest::StoredValue(const std::string& section, const std::string& key) const {
  TIniFile file(Folder.Path() + "Games.CFG");
  TIniSnapshot games(file.GetFileName(), file.Snapshot());
  return games.ReadString(section, key, "<none>");
}

}  // namespace tgl::test
