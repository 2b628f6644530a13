#pragma once
// The named mutex that lets only one instance run. The check and the creation are one
// system call, so two instances started together cannot both win.
#include <windows.h>

#include <cstdint>
#include <string_view>

namespace tgl {

class TInstanceMutex {
public:
  TInstanceMutex();
  ~TInstanceMutex();
  TInstanceMutex(const TInstanceMutex&) = delete;
  TInstanceMutex& operator=(const TInstanceMutex&) = delete;

  // False when another instance holds the mutex (or it could not be opened).
  bool IsOwned() const { return Owned; }
  // Gives up ownership when the main window goes; the handle closes with this object.
  void Release();

private:
  HANDLE Handle;
  bool Owned;
};

// Asks the running instance to come to the front.
void NotifyRunningInstance();

// Hands data to the running instance: WM_COPYDATA with this dwData to its main window, which
// may still be on its way (looked for during a few seconds). False when no window took it.
bool HandOverToRunningInstance(uint32_t dataId, std::string_view data);

}  // namespace tgl
