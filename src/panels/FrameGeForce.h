#pragma once
// The frame of the nVidia GeForce definitions: the TNT frame without its texture-depth
// choice, plus antialiasing, texture compression and anisotropic filtering.
#include "panels/FrameTNT.h"

namespace tgl {

class TGeForceFrame : public TTNTFrame {
public:
  explicit TGeForceFrame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TGeForceFrame"; }
};

}  // namespace tgl
