// The option hub's tuning frame and the control proxies that bind its options to the
// frame's controls.
#include "options/FieldHub.h"
#include "options/ProxyClass.h"
#include "panels/FrameRegistry.h"

namespace tgl {

void TFieldHub::CreateFrame() {
  if (!FPanel) return;
  std::unique_ptr<TGenericTuningFrame> frame = FFrames->CreateTuningFrame(GetFrameName(), FCurrentCard);
  frame->SetParent(*FPanel);
  FFrame = std::move(frame);
}

// Each proxy finds its control on FFrame, so the frame is in place before the first one.
void TFieldHub::LinkControls() {
  if (!FPanel) return;
  for (const std::unique_ptr<TRegistryOption>& option : FOptions)
    option->SetProxy(ProxyClassFor(option->ControlKind())(*option));
}

void TFieldHub::ShowValues(bool show) {
  if (!FCurrentCard) Abort();
  if (!show) return;
  for (const std::unique_ptr<TRegistryOption>& option : FOptions)
    if (TOptionProxy* proxy = option->Proxy()) proxy->UpdateControl();
}

}  // namespace tgl
