// Detects the display adapters exactly as the program does, through the real registry and
// user32, and prints what it found, so the end-to-end tests can look at card detection
// without a window. Output, one line each:
//   VERSION <WindowsVersion>
//   CARD <DeviceString>|<CardName>|<TuningFile>|<HardwareID>|<DeviceID>|<DeviceKey>|<number>
// where <number> is the display number, or - when the card has none
//   ERROR <message>
// "/showall" as the first argument turns ShowAllCards on.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/WindowsVersion.h"
#include "cards/CreateCards.h"
#include "platform/win32/ProcessInfo_win.h"

namespace {

std::string DisplayNumberOf(const tgl::TrlCardConfig& card) {
  try {
    return tgl::GetDisplayNumber(card);
  } catch (const tgl::EError&) {
    return "-";
  }
}

void PrintCard(const tgl::TrlCardConfig& card) {
  const tgl::DISPLAY_DEVICEA& device = card.Device;
  std::printf("CARD %s|%s|%s|%s|%s|%s|%s\n", tgl::FieldText(device.DeviceString).c_str(),
              card.CardName.c_str(), card.TuningFile.c_str(), card.HardwareID.c_str(),
              tgl::FieldText(device.DeviceID).c_str(), tgl::FieldText(device.DeviceKey).c_str(),
              DisplayNumberOf(card).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  tgl::TWin32Platform platform;
  tgl::TStartupState& startup = tgl::Startup();
  startup.ProgramDir = tgl::ProgramFolder();
  startup.WindowsVersion = tgl::WindowsVersionOf(tgl::OsVersion());
  startup.ShowAllCards = argc > 1 && std::strcmp(argv[1], "/showall") == 0;
  std::printf("VERSION %d\n", startup.WindowsVersion);
  int exitCode = 0;
  try {
    std::unique_ptr<tgl::TrlCards> cards = tgl::CreateCards();
    for (int i = 0; i < cards->Count(); ++i) PrintCard(cards->Cards(i));
  } catch (const tgl::EError& error) {
    std::printf("ERROR %s\n", error.what());
    exitCode = 1;
  }
  std::fflush(stdout);
  return exitCode;
}
