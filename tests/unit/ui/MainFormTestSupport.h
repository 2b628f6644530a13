#pragma once
// The main window's logic on a fake view: a Windows 98 machine with a GeForce2 MX, and a
// Games.CFG with two games whose GeForce values differ from the defaults.
#include <string>

#include "base/StartupState.h"
#include "panels/FrameRegistry.h"
#include "support/FakeMainView.h"
#include "support/TestSupport.h"
#include "ui/MainForm.h"

namespace tgl::test {

// Where the GeForce's driver keeps its values on Windows 98.
inline constexpr const char* GeForceDriverKey =
    "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

// Two games: Quake with a stored GeForce value, Arena without; the Default entry's GeForce
// values switch the forced antialiasing on.
extern const std::string GamesFixture;

class TMainFormTest : public TCoreTest {
protected:
  TMainFormTest();
  ~TMainFormTest() override;

  // FormCreate, then the form is shown unless started hidden, as the window does.
  void Create(const TStrings& arguments = {});

  // The user clicks the game list item, or moves to it with a key.
  void ClickGame(int index);
  void KeyToGame(int index);
  // The user picks a card in the card box.
  void PickCard(int index);
  int GameIndex(const std::string& caption) const;
  std::string SelectedGame() const;

  // The control bound to an option of the hub, and the option's value.
  THeadlessControl& ControlOf(const std::string& optionName) const;
  std::string OptionValue(const std::string& optionName) const;
  // Changes a value in the panel as a user would: clicks the GL Anisotropic filtering box.
  void EditValues();
  // The value Games.CFG holds for a key of a section; "<none>" when missing.
  std::string StoredValue(const std::string& section, const std::string& key) const;

  TFrameRegistry Frames;
  TFakeMainView View;
  TTesmoraGLxForm Form{View, Frames};
};

}  // namespace tgl::test
