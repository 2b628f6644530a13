#include "OptionsTestSupport.h"

#include <cstring>

#include "base/Errors.h"

namespace tgl::test {

TrlCardConfig MakeCard(const std::string& tuningFile, const std::string& deviceKey) {
  TrlCardConfig card;
  card.TuningFile = tuningFile;
  std::strncpy(card.Device.DeviceKey, deviceKey.c_str(), sizeof(card.Device.DeviceKey) - 1);
  return card;
}

std::string IniText(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

TStrings Items(const std::string& barSeparated) {
  TStrings items;
  if (barSeparated.empty()) return items;
  size_t start = 0;
  for (;;) {
    size_t bar = barSeparated.find('|', start);
    items.push_back(barSeparated.substr(start, bar - start));
    if (bar == std::string::npos) return items;
    start = bar + 1;
  }
}

TStrings OptionNames(const TFieldHub& hub) {
  TStrings names;
  for (int i = 0; i < hub.OptionCount(); ++i) names.push_back(hub.Options(i).Name());
  return names;
}

TRecordingHub::TRecordingHub() {
  OnReloadValues = [this] { Steps.push_back("OnReloadValues"); };
}

void TRecordingHub::CreateFrame() {
  Steps.push_back("CreateFrame");
  if (FailCreateFrame) throw EError("Couldn't find appropriate tuning frame");
}

void TRecordingHub::LinkControls() { Steps.push_back("LinkControls"); }

}  // namespace tgl::test
