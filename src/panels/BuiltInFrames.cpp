#include "panels/FrameGeForce.h"
#include "panels/FrameRadeon.h"
#include "panels/FrameRagePro.h"
#include "panels/FrameRegistry.h"
#include "panels/FrameTNT.h"
#include "panels/FrameVSA100.h"
#include "panels/FrameVoodoo3.h"

namespace tgl {

void RegisterBuiltInFrames(TFrameRegistry& registry) {
  registry.RegisterTuningFrame("TNT", &FrameClassOf<TTNTFrame>);
  registry.RegisterTuningFrame("GeForce", &FrameClassOf<TGeForceFrame>);
  registry.RegisterTuningFrame("Radeon", &FrameClassOf<TRadeonFrame>);
  registry.RegisterTuningFrame("Voodoo3", &FrameClassOf<TVoodoo3Frame>);
  registry.RegisterTuningFrame("VSA100", &FrameClassOf<TFrameVSA100Frame>);
  registry.RegisterTuningFrame("RagePro", &FrameClassOf<TRageProFrame>);
}

}  // namespace tgl
