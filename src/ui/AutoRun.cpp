#include "ui/AutoRun.h"

#include <memory>

#include "platform/Platform.h"

namespace tgl {
namespace {

std::unique_ptr<TRegistry> MachineRegistry() {
  std::unique_ptr<TRegistry> registry = Registry().CreateRegistry();
  registry->SetRootKey(TRootKey::rkLocalMachine);
  return registry;
}

}  // namespace

bool IsAutoRunOn() {
  std::unique_ptr<TRegistry> registry = MachineRegistry();
  if (!registry->OpenKeyReadOnly(AutoRunKey)) return false;
  try {
    return !registry->ReadString(AutoRunValue).empty();
  } catch (const ERegistryError&) {
    return false;  // a value of another type is none of ours
  }
}

std::string AutoRunCommand(const std::string& programFile) {
  return "\"" + programFile + "\" /minimized";
}

// The key is opened, never made: it is part of every Windows. Without it a write fails
// with the registry's error, and there is nothing to remove.
void SetAutoRun(bool on, const std::string& programFile) {
  std::unique_ptr<TRegistry> registry = MachineRegistry();
  bool opened = registry->OpenKey(AutoRunKey, false);
  if (on)
    registry->WriteString(AutoRunValue, AutoRunCommand(programFile));
  else if (opened)
    registry->DeleteValue(AutoRunValue);
}

}  // namespace tgl
