// Program entry: start-up state, the command line, single instance, then the main window.
#include <windows.h>

#include <optional>

#include "app/Startup.h"
#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "launch/CommandLine.h"
#include "panels/FrameRegistry.h"
#include "platform/win32/InstanceMutex_win.h"
#include "platform/win32/ProcessInfo_win.h"
#include "ui/win32/MainWindow_win.h"

namespace {

const char* const HandOverFailedText =
    "Tesmora Game Launcher is running but did not take the request.";

// Message boxes, file dialogs and the shell's commands belong to the main window while it
// exists.
class TMainWindowOwner {
public:
  TMainWindowOwner(tgl::TWin32Platform& platform, HWND window) : Platform(platform) {
    Platform.Messages().SetOwner(window);
    Platform.ShellCalls().SetMainWindow(window);
    Platform.FileChooser().SetOwner(window);
  }
  ~TMainWindowOwner() {
    Platform.Messages().SetOwner(nullptr);
    Platform.ShellCalls().SetMainWindow(nullptr);
    Platform.FileChooser().SetOwner(nullptr);
  }
  TMainWindowOwner(const TMainWindowOwner&) = delete;
  TMainWindowOwner& operator=(const TMainWindowOwner&) = delete;

private:
  tgl::TWin32Platform& Platform;
};

int RunProgram(HINSTANCE instance) {
  tgl::TWin32Platform platform;
  try {
    tgl::InitializeStartup(tgl::ProgramPath(), tgl::OsVersion());
    tgl::TFrameRegistry frames;
    tgl::RegisterBuiltInFrames(frames);
    tgl::TStrings arguments = tgl::SplitCommandLine(::GetCommandLineA());
    if (tgl::HandleCommandLine(arguments)) return 0;

    tgl::TInstanceMutex mutex;
    if (!mutex.IsOwned()) {
      // A /run or /apply goes to the running instance; this start ends either way.
      if (std::optional<tgl::TLaunchRequest> request = tgl::ParseLaunchRequest(arguments)) {
        if (tgl::HandOverToRunningInstance(tgl::LaunchRequestDataId, tgl::HandOverData(*request)))
          return 0;
        platform.Messages().ShowMessage(HandOverFailedText, tgl::TMessageKind::mkError);
        return 1;
      }
      tgl::NotifyRunningInstance();
      return 0;
    }
    tgl::TMainWindow mainWindow(instance, mutex, frames);
    TMainWindowOwner owner(platform, mainWindow.Handle());
    return mainWindow.Run(arguments);
  } catch (const tgl::EAbort&) {
    return 0;
  } catch (const std::exception& error) {
    platform.Messages().ShowMessage(error.what(), tgl::TMessageKind::mkError);
    return 1;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunProgram(instance); }
