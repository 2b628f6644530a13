// Moves the option values of one card between Games.CFG and the real registry exactly as
// the program does, so the end-to-end tests can look at what lands in the registry.
//   registryprobe.exe write <TuningFile> <DeviceKey> <Profile>
//     loads the profile's card section from Games.CFG beside the probe, then
//     WriteToRegistry.
//   registryprobe.exe read <TuningFile> <DeviceKey> <Profile>
//     loads the profile, then ReadFromRegistry, and prints every option's value.
// Output, one line each:
//   VERSION <WindowsVersion>
//   VALUE <option name>=<value>          (read only, in option order)
//   MODIFIED <0|1>                       (read only: whether the registry differs from the profile)
//   MESSAGE <text>                       (a message box, with \r shown as |)
//   ERROR <message>
// The log is on: TesmoraGL.Log in the working directory collects the skipped values.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/WindowsVersion.h"
#include "cards/CardConfig.h"
#include "options/FieldHub.h"
#include "platform/win32/ProcessInfo_win.h"

namespace {

// A message box would wait for a click that no test gives: its text is printed instead.
class TPrintedMessages : public tgl::TMessages {
public:
  void ShowMessage(const std::string& text, tgl::TMessageKind) override {
    std::string line = text;
    for (char& c : line)
      if (c == '\r') c = '|';
    std::printf("MESSAGE %s\n", line.c_str());
  }
  tgl::TAnswer Ask(const std::string& text, tgl::TQuestionButtons,
                   tgl::TMessageKind kind) override {
    ShowMessage(text, kind);
    return tgl::TAnswer::anCancel;
  }
};

void Transfer(bool write, const tgl::TrlCardConfig& card, const std::string& profile) {
  tgl::TFieldHub hub;
  hub.SelectCard(&card);
  hub.SetProfileName(profile);
  hub.LoadFromProfile();
  if (write) {
    hub.WriteToRegistry();
    return;
  }
  hub.ReadFromRegistry();
  for (int i = 0; i < hub.OptionCount(); ++i)
    std::printf("VALUE %s=%s\n", hub.Options(i).Name().c_str(), hub.Options(i).Value().c_str());
  std::printf("MODIFIED %d\n", hub.IsModified() ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::printf("ERROR usage: registryprobe write|read <TuningFile> <DeviceKey> <Profile>\n");
    return 2;
  }
  tgl::TWin32Platform platform;
  TPrintedMessages messages;
  tgl::TPlatform services = tgl::Platform();
  services.Messages = &messages;
  tgl::TPlatformScope printedMessages(services);

  tgl::TStartupState& startup = tgl::Startup();
  startup.ProgramDir = tgl::ProgramFolder();
  startup.WindowsVersion = tgl::WindowsVersionOf(tgl::OsVersion());
  startup.LogEnabled = true;
  std::printf("VERSION %d\n", startup.WindowsVersion);

  int exitCode = 0;
  try {
    tgl::TrlCardConfig card;
    card.CardName = argv[2];
    card.TuningFile = argv[2];
    tgl::CopyToCharBuffer(card.Device.DeviceKey, argv[3]);
    Transfer(std::strcmp(argv[1], "write") == 0, card, argv[4]);
  } catch (const tgl::EError& error) {
    std::printf("ERROR %s\n", error.what());
    exitCode = 1;
  } catch (const tgl::EAbort&) {
    std::printf("ERROR aborted\n");
    exitCode = 1;
  }
  std::fflush(stdout);
  return exitCode;
}
