#pragma once
// What the option tests share: cards, definition texts and a hub that records the steps
// after loading.
#include <initializer_list>
#include <string>
#include <vector>

#include "base/StringList.h"
#include "cards/CardConfig.h"
#include "options/FieldHub.h"

namespace tgl::test {

inline constexpr const char* Win95DriverKey = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

TrlCardConfig MakeCard(const std::string& tuningFile, const std::string& deviceKey = Win95DriverKey);

// The lines of an INI text, ended by CR LF.
std::string IniText(std::initializer_list<const char*> lines);

// "a|b|c" as a list of items; the empty text as the empty list.
TStrings Items(const std::string& barSeparated);

// The names of the hub's options in order.
TStrings OptionNames(const TFieldHub& hub);

// A hub that records the frame and binding steps of SelectCard and its reload
// notifications, and can be told to fail at the frame step.
class TRecordingHub : public TFieldHub {
public:
  TRecordingHub();
  std::vector<std::string> Steps;
  bool FailCreateFrame = false;

protected:
  void CreateFrame() override;
  void LinkControls() override;
};

}  // namespace tgl::test
