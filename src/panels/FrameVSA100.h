#pragma once
// The frame of the 3dfx VSA100 definitions (Voodoo4, Voodoo5 and Voodoo5 6000): DirectX and
// Glide/OpenGL pages.
#include "panels/TuningFrame.h"

namespace tgl {

class TFrameVSA100Frame : public TGenericTuningFrame {
public:
  explicit TFrameVSA100Frame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TFrameVSA100Frame"; }
};

}  // namespace tgl
